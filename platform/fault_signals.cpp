#include <csignal>
#include <ucontext.h>

#include "platform/linux_calls.h"
#include "platform/main_stack.h"

static FaultFilter InstalledFilter;

// The handler runs here, so that it still has room when the fault is the
// main stack running into its guard region.
alignas(16) static char AltStack[64 * 1024];

static const int FaultSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};

static uint32_t FaultStatus(int signal, const siginfo_t *info) {
  if (signal == SIGFPE) {
    switch (info->si_code) {
      case FPE_INTDIV: return STATUS_INTEGER_DIVIDE_BY_ZERO;
      case FPE_INTOVF: return STATUS_INTEGER_OVERFLOW;
      case FPE_FLTDIV: return STATUS_FLOAT_DIVIDE_BY_ZERO;
      case FPE_FLTOVF: return STATUS_FLOAT_OVERFLOW;
      case FPE_FLTUND: return STATUS_FLOAT_UNDERFLOW;
      case FPE_FLTRES: return STATUS_FLOAT_INEXACT_RESULT;
      case FPE_FLTSUB: return STATUS_ARRAY_BOUNDS_EXCEEDED;
      default: return STATUS_FLOAT_INVALID_OPERATION;
    }
  }
  if (signal == SIGILL)
    return info->si_code == ILL_PRVOPC ? STATUS_PRIVILEGED_INSTRUCTION
                                       : STATUS_ILLEGAL_INSTRUCTION;
  const uintptr_t at = reinterpret_cast<uintptr_t>(info->si_addr);
  if (signal == SIGSEGV && at >= MainStackGuardLow && at < MainStackGuardHigh)
    return STATUS_STACK_OVERFLOW;
  return STATUS_ACCESS_VIOLATION;
}

static void OnFault(int signal, siginfo_t *info, void *context) {
  const mcontext_t &machine = static_cast<ucontext_t *>(context)->uc_mcontext;
  FaultRecord fault;
  fault.Status = FaultStatus(signal, info);
  fault.Address = reinterpret_cast<void *>(machine.gregs[REG_RIP]);
  fault.Frame = reinterpret_cast<void *>(machine.gregs[REG_RBP]);
  if (InstalledFilter) InstalledFilter(&fault);  // normally does not return
  // Nobody took it: let the fault happen again under the default action.
  struct sigaction plain = {};
  plain.sa_handler = SIG_DFL;
  sigaction(signal, &plain, nullptr);
}

void LinuxSetUnhandledExceptionFilter(FaultFilter filter) {
  InstalledFilter = filter;
  struct sigaction action = {};
  sigemptyset(&action.sa_mask);
  if (filter) {
    stack_t alt = {};
    alt.ss_sp = AltStack;
    alt.ss_size = sizeof AltStack;
    sigaltstack(&alt, nullptr);
    // NODEFER: a fault while the filter's own work walks the frames must
    // reach the filter again instead of killing the process.
    action.sa_sigaction = OnFault;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
  } else {
    action.sa_handler = SIG_DFL;
  }
  for (int signal : FaultSignals) sigaction(signal, &action, nullptr);
}
