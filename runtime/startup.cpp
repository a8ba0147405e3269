#include "platform/platform.h"
#include "runtime/errors.h"
#include "runtime/fault_filter.h"
#include "runtime/startup.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
// Room for the deepest recursion and the report after it, whatever the
// shell's stack limit is. Instrumented frames carry red zones around their
// locals, and need several times the room.
constexpr uint64_t MainStackSize = 64u << 20;
#else
constexpr uint64_t MainStackSize = 16u << 20;
#endif

static void NormalEnd() { do_exit(); }

// Runs first on the new stack, returning before the main program starts.
static void ArrivedOnMainStack() {
#if defined(__SANITIZE_ADDRESS__)
  __sanitizer_finish_switch_fiber(nullptr, nullptr, nullptr);
#endif
}

// Enters the main program at the top of the new stack with the frame
// pointer cleared, so that its record ends every backtrace. Should it ever
// return, the run ends normally.
[[noreturn]] static void EnterMain(void *stackTop, void (*entry)()) {
#if defined(__SANITIZE_ADDRESS__)
  // This thread leaves its stack for good: the address checker must follow.
  __sanitizer_start_switch_fiber(nullptr, static_cast<char *>(stackTop) - MainStackSize,
                                 MainStackSize);
#endif
#if defined(__x86_64__)
  // Callee-saved registers, so that each survives the calls before its own.
  register void (*arrive)() asm("r12") = ArrivedOnMainStack;
  register void (*main)() asm("r13") = entry;
  register void (*end)() asm("rbx") = NormalEnd;
  asm volatile(
      "mov %0, %%rsp\n\t"
      "xor %%ebp, %%ebp\n\t"
      "call *%1\n\t"
      "call *%2\n\t"
      "call *%3\n\t"
      "ud2"
      :
      : "r"(stackTop), "r"(arrive), "r"(main), "r"(end)
      : "memory");
  __builtin_unreachable();
#else
#error "the start-up knows how to switch stacks on x86-64 only"
#endif
}

int main() {
  PlatformStartProcess();
  Platform.SetUnhandledExceptionFilter(RuntimeFaultFilter);
  EnterMain(MapMainStack(MainStackSize), program::main);
}
