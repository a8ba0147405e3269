#include "runtime/fault_filter.h"

#include "runtime/errors.h"

int32_t FaultNumber(uint32_t status) {
  switch (status) {
    case STATUS_INTEGER_DIVIDE_BY_ZERO:
    case STATUS_FLOAT_DIVIDE_BY_ZERO: return 200;
    case STATUS_ARRAY_BOUNDS_EXCEEDED: return 201;
    case STATUS_STACK_OVERFLOW: return 202;
    case STATUS_FLOAT_OVERFLOW: return 205;
    case STATUS_FLOAT_DENORMAL_OPERAND:
    case STATUS_FLOAT_UNDERFLOW: return 206;
    case STATUS_FLOAT_INEXACT_RESULT:
    case STATUS_FLOAT_INVALID_OPERATION:
    case STATUS_FLOAT_STACK_CHECK: return 207;
    case STATUS_INTEGER_OVERFLOW: return 215;
    case STATUS_ILLEGAL_INSTRUCTION:
    case STATUS_ACCESS_VIOLATION: return 216;
    case STATUS_CONTROL_C_EXIT: return 217;
    case STATUS_PRIVILEGED_INSTRUCTION: return 218;
    default: return (status >> 30) == 3 ? 217 : 255;  // error severity, or anything else
  }
}

void RuntimeFaultFilter(const FaultRecord *fault) {
  HandleErrorAddrFrame(FaultNumber(fault->Status), fault->Address, fault->Frame);
}
