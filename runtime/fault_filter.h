#pragma once
#include <cstdint>

#include "platform/platform.h"

// The run-time error number a processor fault becomes.
int32_t FaultNumber(uint32_t status);
// Turns a fault into a run-time error on the faulting thread.
void RuntimeFaultFilter(const FaultRecord *fault);
