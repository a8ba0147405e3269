#include "platform/platform.h"
#include "runtime/errors.h"
#include "runtime/fault_filter.h"
#include "runtime/startup.h"

// Room for the deepest recursion and the report after it, whatever the
// shell's stack limit is.
constexpr uint64_t MainStackSize = 16u << 20;

static void NormalEnd() { do_exit(); }

// Enters the main program at the top of the new stack with the frame
// pointer cleared, so that its record ends every backtrace. Should it ever
// return, the run ends normally.
[[noreturn]] static void EnterMain(void *stackTop, void (*entry)()) {
#if defined(__x86_64__)
  asm volatile(
      "mov %0, %%rsp\n\t"
      "xor %%ebp, %%ebp\n\t"
      "call *%1\n\t"
      "call *%%rbx\n\t"
      "ud2"
      :
      : "r"(stackTop), "r"(entry), "b"(NormalEnd)
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
