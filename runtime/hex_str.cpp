#include <cstdint>

#include "runtime/report.h"

// Eight digits, or sixteen for an address that does not fit in 32 bits.
ShortString HexStr(const void *address) {
  static const char digits[] = "0123456789ABCDEF";
  uint64_t value = reinterpret_cast<uintptr_t>(address);
  ShortString text;
  text.Length = value > 0xFFFFFFFFu ? 16 : 8;
  for (int i = text.Length - 1; i >= 0; --i, value >>= 4) text.Chars[i] = digits[value & 15];
  return text;
}

ShortString SysBackTraceStr(const void *address) {
  const ShortString hex = HexStr(address);
  ShortString text = {3, {' ', ' ', '$'}};
  for (int i = 0; i < hex.Length; ++i) text.Chars[text.Length++] = hex.Chars[i];
  return text;
}
