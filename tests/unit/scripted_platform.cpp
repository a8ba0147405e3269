#include "scripted_platform.h"

#include <cstring>

Script script;

static THandle StdHandle(int32_t which) { return -which;  /* 10, 11, 12 */ }

static uint32_t FileType(THandle h) {
  auto it = script.fileType.find(h);
  return it == script.fileType.end() ? FILE_TYPE_DISK : it->second;
}

static bool Write(THandle, const void *bytes, uint32_t count, uint32_t *done) {
  const size_t call = script.writes.size();
  script.writes.emplace_back(static_cast<const char *>(bytes), count);
  auto it = script.writeFaults.find(call);
  if (it != script.writeFaults.end() && it->second.error) {
    script.lastError = it->second.error;
    *done = 0;
    return false;
  }
  *done = count - (it == script.writeFaults.end() ? 0 : it->second.shortBy);
  return true;
}

static bool Read(THandle, void *bytes, uint32_t count, uint32_t *done) {
  ++script.readCalls;
  *done = 0;
  if (script.reads.empty()) return true;
  Delivery d = script.reads.front();
  script.reads.pop_front();
  if (d.error) {
    script.lastError = d.error;
    return false;
  }
  EXPECT_LE(d.bytes.size(), count);
  memcpy(bytes, d.bytes.data(), d.bytes.size());
  *done = static_cast<uint32_t>(d.bytes.size());
  return true;
}

static uint32_t LastError() { return script.lastError; }

static bool ConsoleMode(THandle h, uint32_t *mode) {
  *mode = 0;
  return script.console[h];
}

static uint32_t CodePage() { return script.codePage; }
static void NoFilter(FaultFilter) {}
static void NoExit(uint32_t) { ADD_FAILURE() << "ExitProcess called"; }

static const PlatformCalls Scripted = {StdHandle, FileType,  Write,    Read,  LastError,
                                       ConsoleMode, CodePage, NoFilter, NoExit};

void ScriptedTest::SetUp() {
  script = Script{};
  Platform = Scripted;
  InOutRes = 0;
}

void ScriptedTest::TearDown() { Platform = LinuxPlatform; }

void ScriptedTest::Open(TextRec &t, TextMode mode, uint32_t fileType) {
  script.fileType[7] = fileType;
  OpenStdIO(t, mode, 7);
}

std::string ScriptedTest::Written() {
  std::string all;
  for (const std::string &w : script.writes) all += w;
  return all;
}
