#include "textio/input.h"
#include "textio/output.h"

// Ends a read statement the way WriteEnd ends a write statement; an input
// stream never flushes, so on one this does nothing.
void ReadEnd(TextRec &t) {
  if (t.FlushEachStatement) FileWriteFunc(t);
}
