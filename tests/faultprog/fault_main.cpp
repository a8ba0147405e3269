// A program on the run-time that raises a real processor fault of the kind
// named by the number on its standard input, to show what the fault filter
// makes of it.
#include <cstdint>

#include "runtime/errors.h"
#include "runtime/frame_record.h"
#include "runtime/startup.h"
#include "textio/input.h"

namespace program {

// Read through volatile objects, so that the compiler cannot see the
// fault coming and remove or rewrite it.
static int *volatile Nowhere = nullptr;
static volatile int Zero = 0, Seven = 7;
static volatile int Sink;

// Each faulting routine makes this call before and after its fault, so
// that its frame record is surely in place at the fault (a frameless leaf
// would have none, and the compiler may move the set-up around a lone call).
__attribute__((noipa)) static void Call() { Sink = 0; }

__attribute__((noipa)) static void NullWrite() {
  Call();
  *Nowhere = 1;
  Call();
}

__attribute__((noipa)) static void DivideByZero() {
  Call();
  const int dividend = Seven, divisor = Zero;
  Sink = dividend / divisor;
  Call();
}

__attribute__((noipa)) static void Recurse(int depth) {
  volatile char room[64];
  room[0] = static_cast<char>(depth);
  if (Zero == 0) Recurse(depth + 1);
  Sink = room[0];
}

__attribute__((noipa)) static void IllegalInstruction() {
  Call();
  asm volatile("ud2");
  Call();
}

// Points this routine's caller's record at an address that cannot be read,
// then raises an error: the backtrace faults after one line.
__attribute__((noipa)) static void BrokenChain() {
  volatile FrameRecord *self = static_cast<FrameRecord *>(__builtin_frame_address(0));
  self->Caller = reinterpret_cast<FrameRecord *>(0x8000000000000000ull);
  RangeError();
  Sink = 0;
}

__attribute__((noinline)) void main() {
  RuntimeInit();
  int32_t kind;
  ReadInteger(Input, kind);
  IOCheck();
  switch (kind) {
    case 1: NullWrite(); break;
    case 2: DivideByZero(); break;
    case 3: Recurse(0); break;
    case 4: IllegalInstruction(); break;
    case 5: BrokenChain(); break;
    default: break;
  }
  do_exit();
}

}  // namespace program
