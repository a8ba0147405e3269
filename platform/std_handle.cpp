#include "platform/linux_calls.h"

// The standard handles are the descriptors 0, 1 and 2, whatever state they
// are in: a closed one shows up as a failed call later, not here.
THandle LinuxGetStdHandle(int32_t which) {
  switch (which) {
    case STD_INPUT_HANDLE: return 0;
    case STD_OUTPUT_HANDLE: return 1;
    case STD_ERROR_HANDLE: return 2;
    default: return -1;
  }
}
