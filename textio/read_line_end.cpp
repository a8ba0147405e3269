#include "textio/input.h"

// Drops the rest of the line and its end: LF, CR LF (even split across two
// deliveries) or a lone CR. Once the line end is taken nothing more is
// asked of the handle, so the next line is not waited for.
void ReadLineEnd(TextRec &t) {
  CheckRead(t);
  if (AtEnd(t)) return;
  for (;;) {
    const uint8_t b = t.Buffer[t.BufferPos++];
    if (b == '\n') return;
    if (BufferEmpty(t)) {
      FileReadFunc(t);
      if (BufferEmpty(t)) return;
    }
    if (t.Buffer[t.BufferPos] == EndOfInputMarker) return;
    if (b == '\r') {
      if (t.Buffer[t.BufferPos] == '\n') ++t.BufferPos;
      return;
    }
  }
}
