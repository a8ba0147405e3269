#include "textio/textrec.h"

void OpenStdIO(TextRec &t, TextMode mode, THandle handle) {
  t = TextRec{};
  t.LineEnding = {2, {'\r', '\n'}};
  t.Handle = handle;
  t.Mode = mode;
  // Decided once: a console shows each statement as it ends.
  if (mode == fmOutput) t.FlushEachStatement = Do_IsDevice(handle);
}

// Whatever the handles are, they are stored untested: a bad one fails at
// its first use, as a numbered I/O result.
void SysInitStdIO() {
  const THandle in = Platform.GetStdHandle(STD_INPUT_HANDLE);
  const THandle out = Platform.GetStdHandle(STD_OUTPUT_HANDLE);
  const THandle err = Platform.GetStdHandle(STD_ERROR_HANDLE);
  OpenStdIO(Input, fmInput, in);
  OpenStdIO(Output, fmOutput, out);
  OpenStdIO(ErrOutput, fmOutput, err);
  OpenStdIO(StdOut, fmOutput, out);
  OpenStdIO(StdErr, fmOutput, err);
}
