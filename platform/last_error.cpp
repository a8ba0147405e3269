#include <cerrno>

#include "platform/linux_calls.h"

static uint32_t LastError;

void SetLastErrorFromErrno(int error) {
  switch (error) {
    case EBADF: LastError = ERROR_INVALID_HANDLE; break;
    case EACCES:
    case EPERM: LastError = ERROR_ACCESS_DENIED; break;
    case EPIPE:
    case ECONNRESET: LastError = ERROR_BROKEN_PIPE; break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: LastError = ERROR_DISK_FULL; break;
    case EIO: LastError = ERROR_IO_DEVICE; break;
    case EISDIR: LastError = ERROR_INVALID_FUNCTION; break;
    case EINVAL: LastError = ERROR_INVALID_PARAMETER; break;
    default: LastError = ERROR_GEN_FAILURE; break;
  }
}

uint32_t LinuxGetLastError() { return LastError; }
