#include "textio/output.h"

void WriteIntegerText(TextRec &t, int32_t value) {
  const ShortString text = Int_Str(value);
  WriteBuffer(t, text.Chars, text.Length);
}

void WriteUnsigned(TextRec &t, uint32_t value) {
  if (InOutRes != 0) return;
  const ShortString text = Int_Str(value);
  WriteBuffer(t, text.Chars, text.Length);
}
