// Text input: blank skipping, one whole-number token, line skipping.
// End of input is no failure; the byte 0x1A stops every operation in
// front of it, for good.
#pragma once
#include <cstdint>

#include "textio/short_string.h"
#include "textio/textrec.h"

constexpr uint8_t EndOfInputMarker = 0x1A;

void ReadInteger(TextRec &t, int32_t &value);
void ReadEnd(TextRec &t);
void ReadLineEnd(TextRec &t);

void FileReadFunc(TextRec &t);
void CheckRead(TextRec &t);
bool NextChar(TextRec &t, ShortString *token);
void IgnoreSpaces(TextRec &t);
void ReadNumeric(TextRec &t, ShortString &token);
bool ParseInteger(const ShortString &token, int32_t &value);

inline bool BufferEmpty(const TextRec &t) { return t.BufferPos >= t.BufferEnd; }
inline bool AtEnd(const TextRec &t) {
  return BufferEmpty(t) || t.Buffer[t.BufferPos] == EndOfInputMarker;
}
// Blanks are the bytes up to 0x20 (line ends included) but the marker.
inline bool IsBlank(uint8_t b) { return b <= 0x20 && b != EndOfInputMarker; }
