#include "textio/output.h"

// Ends a write statement. It alone does not look at InOutRes: its caller's
// check is what reports a pending number.
void WriteEnd(TextRec &t) {
  if (t.FlushEachStatement) FileWriteFunc(t);
}

void WriteLineEnd(TextRec &t) {
  if (InOutRes != 0) return;
  WriteBuffer(t, t.LineEnding.Chars, t.LineEnding.Length);
  if (t.FlushEachStatement) FileWriteFunc(t);
}

void Flush(TextRec &t) {
  if (InOutRes != 0) return;
  FileWriteFunc(t);
}
