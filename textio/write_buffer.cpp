#include <cstring>

#include "textio/output.h"

// A text that just fills the buffer stays there: it goes out only when one
// more byte must go in, or a write-out is asked for.
void WriteBuffer(TextRec &t, const void *bytes, int32_t count) {
  const uint8_t *from = static_cast<const uint8_t *>(bytes);
  int32_t free = TextBufferSize - t.BufferPos;
  while (count > free) {
    memcpy(t.Buffer + t.BufferPos, from, static_cast<size_t>(free));
    t.BufferPos = TextBufferSize;
    from += free;
    count -= free;
    FileWriteFunc(t);
    free = TextBufferSize - t.BufferPos;
  }
  memcpy(t.Buffer + t.BufferPos, from, static_cast<size_t>(count));
  t.BufferPos += count;
}
