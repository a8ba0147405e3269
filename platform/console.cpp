#include <unistd.h>

#include "platform/linux_calls.h"

bool LinuxGetConsoleMode(THandle handle, uint32_t *mode) {
  *mode = 0;
  return isatty(handle) == 1;
}

// Terminals here speak UTF-8.
uint32_t LinuxGetConsoleOutputCP() { return 65001; }
