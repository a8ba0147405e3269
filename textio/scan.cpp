#include "textio/input.h"

// A refill that brings nothing or fails does not stop the caller: it then
// finds the buffer empty, which is end of input.
void CheckRead(TextRec &t) {
  if (BufferEmpty(t)) FileReadFunc(t);
}

// Takes the byte at BufferPos, into the token when one is being collected.
// Refilling as soon as the buffer empties keeps "empty" meaning "nothing
// more came".
bool NextChar(TextRec &t, ShortString *token) {
  if (AtEnd(t)) return false;
  if (token) token->Chars[token->Length++] = static_cast<char>(t.Buffer[t.BufferPos]);
  if (++t.BufferPos == t.BufferEnd) FileReadFunc(t);
  return true;
}

void IgnoreSpaces(TextRec &t) {
  while (!AtEnd(t) && IsBlank(t.Buffer[t.BufferPos])) NextChar(t, nullptr);
}

// Token bytes up to the first blank or marker, which stays unread; at most
// 255 of them, and whatever follows the 255th stays unread too.
void ReadNumeric(TextRec &t, ShortString &token) {
  while (NextChar(t, &token) && token.Length < 255 && !BufferEmpty(t) &&
         t.Buffer[t.BufferPos] > 0x20) {
  }
}
