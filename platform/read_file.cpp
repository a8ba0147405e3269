#include <unistd.h>

#include <cerrno>
#include <poll.h>

#include "platform/linux_calls.h"

// One delivery of whatever is there, up to count; 0 bytes is end of input.
bool LinuxReadFile(THandle handle, void *bytes, uint32_t count, uint32_t *done) {
  for (;;) {
    ssize_t n = read(handle, bytes, count);
    if (n >= 0) {
      *done = static_cast<uint32_t>(n);
      return true;
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      WaitReady(handle, POLLIN);
    } else if (errno != EINTR) {
      SetLastErrorFromErrno(errno);
      *done = 0;
      return false;
    }
  }
}
