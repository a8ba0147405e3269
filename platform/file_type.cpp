#include <sys/stat.h>

#include "platform/linux_calls.h"

uint32_t LinuxGetFileType(THandle handle) {
  struct stat st;
  if (fstat(handle, &st) != 0) return FILE_TYPE_UNKNOWN;
  if (S_ISCHR(st.st_mode)) return FILE_TYPE_CHAR;  // terminals, /dev/null
  if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) return FILE_TYPE_PIPE;
  return FILE_TYPE_DISK;
}
