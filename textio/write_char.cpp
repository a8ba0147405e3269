#include "textio/output.h"

void WriteChar(TextRec &t, char c) {
  if (InOutRes != 0) return;
  if (t.BufferPos == TextBufferSize) FileWriteFunc(t);
  t.Buffer[t.BufferPos++] = static_cast<uint8_t>(c);
}
