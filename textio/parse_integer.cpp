#include "textio/input.h"

static int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 99;  // no digit of any base
}

// Sign, then radix prefix, then digits. Decimal is held to the range of a
// 32-bit signed number; the other bases take any 32-bit pattern.
bool ParseInteger(const ShortString &token, int32_t &value) {
  value = 0;
  const char *p = token.Chars;
  const char *end = p + token.Length;
  bool negative = false;
  if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';

  uint32_t base = 10;
  if (p < end) {
    if (*p == '$' || *p == 'X' || *p == 'x') base = 16, ++p;
    else if (*p == '%') base = 2, ++p;
    else if (*p == '&') base = 8, ++p;
    else if (*p == '0' && end - p >= 2 && (p[1] == 'X' || p[1] == 'x')) base = 16, p += 2;
  }
  while (end - p >= 2 && *p == '0') ++p;  // the last zero is a digit
  if (p == end) return false;

  const uint64_t limit = base != 10 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
  uint64_t accumulator = 0;
  for (; p < end; ++p) {
    const uint32_t digit = static_cast<uint32_t>(DigitValue(*p));
    if (digit >= base) return false;
    accumulator = accumulator * base + digit;
    if (accumulator > limit) return false;
  }
  uint32_t bits = static_cast<uint32_t>(accumulator);
  if (negative) bits = 0u - bits;
  value = static_cast<int32_t>(bits);
  return true;
}
