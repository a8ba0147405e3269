// A fault-injecting layer over the platform table, linked only into the
// test build of the program. Before the program starts it wraps WriteFile,
// ReadFile and ExitProcess according to HANOI_INJECT:
//
//   write:K:fail:E   the K-th WriteFile fails with platform error E
//   write:K:short    the K-th WriteFile writes half its bytes and says so
//   read:K:fail:E    the K-th ReadFile fails with platform error E
//
// and logs every call to the file named by HANOI_INJECT_LOG, one line each:
//   W <handle> <ok> <bytes written> <hex of the bytes asked for>
//   R <handle> <ok> <bytes delivered>
//   X <status>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

namespace {

PlatformCalls Real;
int LogFd = -1;
char Kind;  // 'w', 's' (short write) or 'r'; 0: inject nothing
long Target;
uint32_t Error;
long Writes, Reads;
uint32_t InjectedError;

void Log(const char *text, size_t length) {
  if (LogFd >= 0) (void)!write(LogFd, text, length);
}

bool Write(THandle handle, const void *bytes, uint32_t count, uint32_t *done) {
  ++Writes;
  bool ok;
  if (Kind == 'w' && Writes == Target) {
    InjectedError = Error;
    *done = 0;
    ok = false;
  } else if (Kind == 's' && Writes == Target) {
    ok = Real.WriteFile(handle, bytes, count / 2, done);
  } else {
    ok = Real.WriteFile(handle, bytes, count, done);
  }
  char head[64];
  Log(head, static_cast<size_t>(snprintf(head, sizeof head, "W %d %d %u ", handle, ok, *done)));
  static const char digits[] = "0123456789abcdef";
  for (uint32_t i = 0; i < count; ++i) {
    const unsigned char b = static_cast<const unsigned char *>(bytes)[i];
    const char pair[2] = {digits[b >> 4], digits[b & 15]};
    Log(pair, 2);
  }
  Log("\n", 1);
  return ok;
}

bool Read(THandle handle, void *bytes, uint32_t count, uint32_t *done) {
  ++Reads;
  bool ok;
  if (Kind == 'r' && Reads == Target) {
    InjectedError = Error;
    *done = 0;
    ok = false;
  } else {
    ok = Real.ReadFile(handle, bytes, count, done);
  }
  char line[64];
  Log(line, static_cast<size_t>(snprintf(line, sizeof line, "R %d %d %u\n", handle, ok, *done)));
  return ok;
}

// The injected failure's number, until a real call fails after it.
uint32_t LastError() {
  const uint32_t injected = InjectedError;
  InjectedError = 0;
  return injected ? injected : Real.GetLastError();
}

void Exit(uint32_t status) {
  char line[32];
  Log(line, static_cast<size_t>(snprintf(line, sizeof line, "X %u\n", status)));
  Real.ExitProcess(status);
}

__attribute__((constructor)) void Install() {
  Real = Platform;
  if (const char *log = getenv("HANOI_INJECT_LOG"))
    LogFd = open(log, O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0600);
  if (const char *plan = getenv("HANOI_INJECT")) {
    char what[8] = "", how[8] = "";
    unsigned error = 0;
    if (sscanf(plan, "%7[a-z]:%ld:%7[a-z]:%u", what, &Target, how, &error) >= 3) {
      Error = error;
      if (strcmp(what, "read") == 0) Kind = 'r';
      else if (strcmp(how, "short") == 0) Kind = 's';
      else Kind = 'w';
    }
  }
  Platform.WriteFile = Write;
  Platform.ReadFile = Read;
  Platform.GetLastError = LastError;
  Platform.ExitProcess = Exit;
}

}  // namespace
