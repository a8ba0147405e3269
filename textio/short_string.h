// A text of at most 255 bytes with its length, kept in place: the run-time
// builds numbers, tokens and report lines in these without any allocation.
#pragma once
#include <cstdint>
#include <string_view>

struct ShortString {
  uint8_t Length;
  char Chars[255];
};

inline std::string_view View(const ShortString &s) { return {s.Chars, s.Length}; }
