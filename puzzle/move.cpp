#include "puzzle/hanoi.h"
#include "runtime/errors.h"
#include "textio/output.h"

namespace program {

// N - 1, narrowed back to a disc count under a range check: only -32768
// fails, which is where a count of zero or less ends its descent.
static inline int16_t Decrement(int16_t N) {
  const int32_t wide = int32_t{N} - 1;
  if (wide < -32768 || wide > 32767) RangeError();
  return static_cast<int16_t>(wide);
}

// "Move N from A to B", seven operations each checked at once. Inline, so
// that the error address of a failed check lies in MOVE itself.
__attribute__((always_inline)) static inline void WriteMoveLine(int16_t N, char A, char B) {
  WriteString(Output, "Move ");
  IOCheck();
  WriteInteger(Output, N);
  IOCheck();
  WriteString(Output, " from ");
  IOCheck();
  WriteChar(Output, A);
  IOCheck();
  WriteString(Output, " to ");
  IOCheck();
  WriteChar(Output, B);
  IOCheck();
  WriteLineEnd(Output);
  IOCheck();
}

// One real activation per level: the error report's backtrace shows them.
__attribute__((noinline)) void MOVE(int16_t N, char A, char B, char C) {
  if (N == 1) {
    WriteMoveLine(1, A, B);
    return;
  }
  MOVE(Decrement(N), A, C, B);
  WriteMoveLine(N, A, B);
  MOVE(Decrement(N), C, B, A);
}

}  // namespace program
