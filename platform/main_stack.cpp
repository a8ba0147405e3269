#include <sys/mman.h>
#include <unistd.h>

#include "platform/linux_calls.h"
#include "platform/main_stack.h"

uintptr_t MainStackGuardLow, MainStackGuardHigh;

// The stack is mapped, not taken from the heap, and only the pages the
// recursion really reaches are ever backed by memory.
void *MapMainStack(uint64_t size) {
  const uint64_t total = size + MainStackGuardSize;
  void *base = mmap(nullptr, total, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_STACK, -1, 0);
  if (base == MAP_FAILED || mprotect(base, MainStackGuardSize, PROT_NONE) != 0) {
    static const char message[] = "cannot map the program's stack\n";
    (void)!write(2, message, sizeof message - 1);
    LinuxExitProcess(255);
  }
  MainStackGuardLow = reinterpret_cast<uintptr_t>(base);
  MainStackGuardHigh = MainStackGuardLow + MainStackGuardSize;
  return static_cast<char *>(base) + total;
}
