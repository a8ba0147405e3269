// Fuzz target for reading. The input is split into a list of delivery
// sizes and a byte stream; a scripted ReadFile hands the stream out in
// those deliveries, and the program's reading runs over it: ReadInteger,
// ReadEnd and two ReadLineEnd, stopping where the program's check would.
//
// Input layout: byte 0 = n (taken mod 32), then n delivery bytes, then the
// stream. A delivery byte b gives b bytes for b <= 252, a full buffer for
// 253, a failed read (I/O error 1117) for 254, a broken pipe for 255. After
// the list, the rest of the stream comes in full buffers, then end of input.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "textio/input.h"

namespace {

constexpr uint32_t FailedRead = 1117;

struct Delivery {
  size_t size;     // bytes of the stream it hands out
  uint32_t error;  // nonzero: the read fails with this number
};

const uint8_t *Stream;
size_t StreamSize;
std::vector<uint8_t> Sizes;

// The deliveries in order, as the scripted handle makes them.
struct Deliveries {
  size_t next = 0, at = 0;
  Delivery Next() {
    if (next < Sizes.size()) {
      const uint8_t b = Sizes[next++];
      if (b == 254) return {0, FailedRead};
      if (b == 255) return {0, ERROR_BROKEN_PIPE};
      const size_t want = b == 253 ? 256 : b;
      return Take(want);
    }
    return Take(256);
  }
  Delivery Take(size_t want) {
    const size_t n = want < StreamSize - at ? want : StreamSize - at;
    at += n;
    return {n, 0};
  }
};

Deliveries Handle;       // what the stream under test reads from
size_t DeliveredBefore;  // stream bytes in the deliveries before the last
size_t LastDelivery;
uint32_t LastError;

bool ScriptedRead(THandle, void *bytes, uint32_t count, uint32_t *done) {
  DeliveredBefore += LastDelivery;
  const size_t from = Handle.at;
  const Delivery d = Handle.Next();
  LastDelivery = d.size;
  *done = 0;
  if (d.error) {
    LastError = d.error;
    return false;
  }
  if (d.size > count) abort();
  memcpy(bytes, Stream + from, d.size);
  *done = static_cast<uint32_t>(d.size);
  return true;
}

uint32_t ScriptedLastError() { return LastError; }
uint32_t NoDevice(THandle) { return FILE_TYPE_PIPE; }

#define CHECK(condition)                                           \
  do {                                                             \
    if (!(condition)) {                                            \
      fprintf(stderr, "check failed: %s (line %d)\n", #condition, __LINE__); \
      abort();                                                     \
    }                                                              \
  } while (0)

// --- The reference: plain, and built apart from the code under test. ---

// The bytes up to the first delivery that brings nothing (or fails): no
// read operation gets past such a delivery before the program's first
// check. `breakError` is the number that delivery's failure records.
std::vector<uint8_t> BytesBeforeBreak(uint32_t &breakError) {
  std::vector<uint8_t> bytes;
  Deliveries d;
  for (;;) {
    const size_t from = d.at;
    const Delivery next = d.Next();
    if (next.error || next.size == 0) {
      breakError = next.error == ERROR_BROKEN_PIPE ? 0 : next.error;
      return bytes;
    }
    bytes.insert(bytes.end(), Stream + from, Stream + from + next.size);
  }
}

bool ReferenceConvert(const std::vector<uint8_t> &token, int32_t &value) {
  std::string s(token.begin(), token.end());
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) negative = s[0] == '-', s.erase(0, 1);
  int base = 10;
  if (s.starts_with("0x") || s.starts_with("0X")) base = 16, s.erase(0, 2);
  else if (!s.empty() && (s[0] == '$' || s[0] == 'x' || s[0] == 'X')) base = 16, s.erase(0, 1);
  else if (!s.empty() && s[0] == '%') base = 2, s.erase(0, 1);
  else if (!s.empty() && s[0] == '&') base = 8, s.erase(0, 1);
  if (s.empty()) return false;
  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
  if (error != std::errc() || end != s.data() + s.size()) return false;
  const uint64_t limit = base != 10 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
  if (magnitude > limit) return false;
  value = static_cast<int32_t>(static_cast<uint32_t>(negative ? 0 - magnitude : magnitude));
  return true;
}

void CheckStream(size_t marker) {
  CHECK(0 <= Input.BufferPos && Input.BufferPos <= Input.BufferEnd);
  CHECK(Input.BufferEnd <= 256);
  // Nothing is taken past the end-of-input marker.
  CHECK(DeliveredBefore + static_cast<size_t>(Input.BufferPos) <= marker);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;
  const size_t count = data[0] % 32;
  if (size < 1 + count) return 0;
  Sizes.assign(data + 1, data + 1 + count);
  Stream = data + 1 + count;
  StreamSize = size - 1 - count;
  const void *found = memchr(Stream, 0x1A, StreamSize);
  const size_t marker = found ? static_cast<size_t>(static_cast<const uint8_t *>(found) - Stream)
                              : StreamSize;

  const PlatformCalls saved = Platform;
  Platform.ReadFile = ScriptedRead;
  Platform.GetLastError = ScriptedLastError;
  Platform.GetFileType = NoDevice;
  Handle = Deliveries{};
  DeliveredBefore = LastDelivery = 0;
  OpenStdIO(Input, fmInput, 0);
  InOutRes = 0;

  int32_t value = 12345;
  ReadInteger(Input, value);
  CheckStream(marker);

  // What the reference makes of the same input.
  uint32_t breakError = 0;
  const std::vector<uint8_t> bytes = BytesBeforeBreak(breakError);
  size_t at = 0;
  while (at < bytes.size() && bytes[at] <= 0x20 && bytes[at] != 0x1A) ++at;
  std::vector<uint8_t> token;
  while (at < bytes.size() && bytes[at] > 0x20 && token.size() < 255) token.push_back(bytes[at++]);
  const bool reachedBreak = at == bytes.size();  // the failed read, if any, was made
  const uint16_t readError = reachedBreak && breakError ? static_cast<uint16_t>(breakError) : 0;
  int32_t expected = 0;
  if (token.empty()) {
    CHECK(value == 0);
    CHECK(InOutRes == readError);
  } else if (ReferenceConvert(token, expected)) {
    CHECK(value == expected);
    CHECK(InOutRes == readError);
  } else {
    CHECK(value == 0);
    CHECK(InOutRes == 106);
  }

  // The rest of the program's reading, as long as its checks would pass.
  if (InOutRes == 0) {
    ReadEnd(Input);
    ReadLineEnd(Input);
    CheckStream(marker);
  }
  if (InOutRes == 0) {
    ReadLineEnd(Input);
    CheckStream(marker);
  }
  Platform = saved;
  InOutRes = 0;
  return 0;
}
