#include "textio/output.h"

// Digits are made from the least significant up, at the end of a scratch
// area, then moved to the front.
static ShortString Digits(uint32_t magnitude, bool negative) {
  char scratch[11];
  int at = sizeof scratch;
  do {
    scratch[--at] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) scratch[--at] = '-';
  ShortString text;
  text.Length = static_cast<uint8_t>(sizeof scratch - at);
  for (int i = 0; i < text.Length; ++i) text.Chars[i] = scratch[at + i];
  return text;
}

// The magnitude is taken unsigned, so -2147483648 needs no special case.
ShortString Int_Str(int32_t value) {
  const bool negative = value < 0;
  const uint32_t magnitude = negative ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  return Digits(magnitude, negative);
}

ShortString Int_Str(uint32_t value) { return Digits(value, false); }
