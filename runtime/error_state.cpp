#include "runtime/errors.h"

uint16_t ErrorCode;
void *ErrorAddr;
void *ErrorBase;
int32_t ExitCode;
