#include "textio/input.h"

// End of input (or the marker) before a token gives 0 and no failure. A
// token that does not convert gives 0 and 106, over any earlier number.
void ReadInteger(TextRec &t, int32_t &value) {
  value = 0;
  CheckRead(t);
  IgnoreSpaces(t);
  if (AtEnd(t)) return;
  ShortString token;
  token.Length = 0;
  ReadNumeric(t, token);
  if (!ParseInteger(token, value)) InOutRes = 106;
}
