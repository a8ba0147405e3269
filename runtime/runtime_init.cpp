#include "runtime/errors.h"

void RuntimeInit() {
  SysInitStdIO();
  InOutRes = 0;
}
