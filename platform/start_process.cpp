#include <csignal>

#include "platform/platform.h"

void PlatformStartProcess() {
  signal(SIGPIPE, SIG_IGN);  // a vanished reader: the write fails with EPIPE
  signal(SIGXFSZ, SIG_IGN);  // past the file-size limit: it fails with EFBIG
}
