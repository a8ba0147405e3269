#include "puzzle/hanoi.h"
#include "runtime/errors.h"
#include "runtime/startup.h"
#include "textio/input.h"
#include "textio/output.h"

namespace program {

int16_t N;

__attribute__((noinline)) void main() {
  RuntimeInit();
  WriteString(Output, "input n: ");
  IOCheck();
  WriteEnd(Output);  // on a console the prompt shows before the wait
  IOCheck();
  int32_t count;
  ReadInteger(Input, count);
  IOCheck();
  if (count < -32768 || count > 32767) RangeError();
  N = static_cast<int16_t>(count);
  ReadEnd(Input);
  IOCheck();
  MOVE(N, 'A', 'B', 'C');
  ReadLineEnd(Input);  // the rest of the number's line
  IOCheck();
  ReadLineEnd(Input);  // one more line: on a console, Enter
  IOCheck();
  do_exit();
}

}  // namespace program
