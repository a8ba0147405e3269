// Text output. Every operation but WriteEnd does nothing while InOutRes is
// set; a failed write-out records 101 and drops what the buffer held.
//
// The operations are inline: the common case, a text that fits in what the
// buffer has free, is a few stores, and the compiler can see that the
// checks around it test the same number. Everything else goes to the
// out-of-line routines below, which hold the whole rule.
#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>

#include "textio/short_string.h"
#include "textio/textrec.h"

// Cold: reached about once per buffer's worth of text, so the fast paths
// that call them are laid out straight, without jumps around them.
[[gnu::cold]] void WriteBuffer(TextRec &t, const void *bytes, int32_t count);
void FileWriteFunc(TextRec &t);
int32_t Do_Write(THandle handle, const void *bytes, int32_t count);

ShortString Int_Str(int32_t value);
ShortString Int_Str(uint32_t value);
// The general number paths, out of line so that a caller's frame does not
// carry their text.
[[gnu::cold]] void WriteIntegerText(TextRec &t, int32_t value);
void WriteUnsigned(TextRec &t, uint32_t value);

// Whether `count` more bytes fit in the buffer. BufferPos lies in 0..256;
// saying so lets the compiler see that a fitting copy stays inside it.
inline bool Fits(const TextRec &t, int32_t count) {
  if (t.BufferPos < 0 || t.BufferPos > TextBufferSize) __builtin_unreachable();
  return t.BufferPos <= TextBufferSize - count;
}

// Appends bytes that are known to fit.
inline void PutBytes(TextRec &t, const void *bytes, int32_t count) {
  memcpy(t.Buffer + t.BufferPos, bytes, static_cast<size_t>(count));
  t.BufferPos += count;
}

// Each operation has a fast path that is whole in itself, not merged with
// the slow one: the compiler can then carry what the fast path knew (no
// number pending) past the check that follows the call.

inline void WriteString(TextRec &t, std::string_view s) {
  if (InOutRes != 0) return;
  if (s.size() <= TextBufferSize && Fits(t, static_cast<int32_t>(s.size()))) [[likely]]
    PutBytes(t, s.data(), static_cast<int32_t>(s.size()));
  else
    WriteBuffer(t, s.data(), static_cast<int32_t>(s.size()));
}

inline void WriteInteger(TextRec &t, int32_t value) {
  if (InOutRes != 0) return;
  if (static_cast<uint32_t>(value) < 10 && Fits(t, 1)) [[likely]]
    t.Buffer[t.BufferPos++] = static_cast<uint8_t>('0' + value);  // one digit
  else
    WriteIntegerText(t, value);
}

inline void WriteChar(TextRec &t, char c) {
  if (InOutRes != 0) return;
  if (Fits(t, 1)) [[likely]] {
    t.Buffer[t.BufferPos++] = static_cast<uint8_t>(c);
  } else {
    FileWriteFunc(t);
    t.Buffer[t.BufferPos++] = static_cast<uint8_t>(c);
  }
}

// Ends a write statement. It alone does not look at InOutRes: its caller's
// check is what reports a pending number.
inline void WriteEnd(TextRec &t) {
  if (t.FlushEachStatement) FileWriteFunc(t);
}

inline void WriteLineEnd(TextRec &t) {
  if (InOutRes != 0) return;
  const LineEndingText &ending = t.LineEnding;
  if (ending.Length == 2 && Fits(t, 2) && !t.FlushEachStatement) [[likely]] {
    PutBytes(t, ending.Chars, 2);  // CR LF, as a fixed-size copy
  } else {
    WriteBuffer(t, ending.Chars, ending.Length);
    if (t.FlushEachStatement) FileWriteFunc(t);
  }
}

inline void Flush(TextRec &t) {
  if (InOutRes != 0) return;
  FileWriteFunc(t);
}
