#include "runtime/errors.h"

// These keep their own frame record (no inlining, no cloning, no tail
// call): the error address is read from it. They are not marked noreturn
// to the compiler, so the call stays inside its caller's code.

__attribute__((noipa)) void IOCheckFailed() {
  const int32_t number = InOutRes;
  InOutRes = 0;  // or the report itself would be silenced
  HandleErrorFrame(number, __builtin_frame_address(0));
}

__attribute__((noipa)) void RangeError() { HandleErrorFrame(201, __builtin_frame_address(0)); }
