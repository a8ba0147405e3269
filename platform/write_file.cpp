#include <unistd.h>

#include <cerrno>
#include <poll.h>

#include "platform/linux_calls.h"

// Writes every byte or fails: a short write is carried on, and only a real
// error stops it, in which case nothing counts as written.
bool LinuxWriteFile(THandle handle, const void *bytes, uint32_t count, uint32_t *done) {
  const char *p = static_cast<const char *>(bytes);
  uint32_t left = count;
  while (left > 0) {
    ssize_t n = write(handle, p, left);
    if (n >= 0) {
      p += n;
      left -= static_cast<uint32_t>(n);
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      WaitReady(handle, POLLOUT);
    } else if (errno != EINTR) {
      SetLastErrorFromErrno(errno);
      *done = 0;
      return false;
    }
  }
  *done = count;
  return true;
}
