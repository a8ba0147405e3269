#include "runtime/errors.h"
#include "runtime/report.h"
#include "textio/output.h"

static void FlushIfOutput(TextRec &t) {
  if (t.Mode == fmOutput) Flush(t);
}

// Nothing runs before the report: there are no exit procedures and no
// finalisation. InOutRes is left as it is, so a write that fails here
// silences everything after it.
void InternalExit() {
  if (ErrorAddr) WriteReport();
  FlushIfOutput(Output);
  FlushIfOutput(ErrOutput);
  FlushIfOutput(StdOut);
  FlushIfOutput(StdErr);
  // A run that would end well but lost its last output has not ended well;
  // an error run keeps its own number.
  if (InOutRes != 0 && ExitCode == 0) ExitCode = 101;
}

void do_exit() {
  InternalExit();
  Platform.SetUnhandledExceptionFilter(nullptr);
  Platform.ExitProcess(static_cast<uint32_t>(ExitCode));
  __builtin_unreachable();
}
