#include <unistd.h>

#include "platform/linux_calls.h"

// The system keeps the low 8 bits of the status.
void LinuxExitProcess(uint32_t status) { _exit(static_cast<int>(status)); }
