#include "textio/output.h"

// Writes the buffer out even while a number is pending, and empties it
// whatever happens: what did not reach the handle is dropped, not retried.
void FileWriteFunc(TextRec &t) {
  if (t.BufferPos == 0) return;
  if (Do_Write(t.Handle, t.Buffer, t.BufferPos) != t.BufferPos) InOutRes = 101;
  t.BufferPos = 0;
}
