// Run-time errors: the checks the program makes, the error state, and the
// end sequence every run goes through. None of the raising routines
// returns to its caller.
#pragma once
#include <cstdint>

#include "textio/textrec.h"

extern uint16_t ErrorCode;  // the number of the recorded error
extern void *ErrorAddr;     // where it arose; null while none is recorded
extern void *ErrorBase;     // the frame record the backtrace starts at
extern int32_t ExitCode;    // the status the process ends with

constexpr int32_t max_frame_dump = 8;  // backtrace lines beyond the first, on a console

// The raising half of IOCheck: a real call, so that its frame's return
// address is the point just after the check in the routine that made it.
void IOCheckFailed();
inline void IOCheck() {
  if (InOutRes != 0) [[unlikely]] IOCheckFailed();
}

void RangeError();
void HandleErrorFrame(int32_t number, void *frame);
void HandleErrorAddrFrame(int32_t number, void *address, void *frame);
[[noreturn]] void Halt(int32_t status);
[[noreturn]] void do_exit();
void InternalExit();

// The rest of the run-time's start: the standard streams, nothing pending.
void RuntimeInit();
