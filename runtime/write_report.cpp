#include "runtime/errors.h"
#include "runtime/report.h"
#include "textio/output.h"

// Written without checks: once a piece fails, the rest does nothing.
void WriteReport() {
  WriteString(StdOut, "Runtime error ");
  WriteUnsigned(StdOut, ErrorCode);
  WriteString(StdOut, " at $");
  WriteString(StdOut, View(HexStr(ErrorAddr)));
  WriteLineEnd(StdOut);
  WriteString(StdOut, View(SysBackTraceStr(ErrorAddr)));
  WriteLineEnd(StdOut);
  dump_stack(StdOut, ErrorBase);
  WriteString(StdOut, "");
  WriteLineEnd(StdOut);
}
