// The platform calls the run-time is written against, in the shape of the
// console system it was designed for, and the one table they are reached
// through. Every call goes through `Platform`, so a test can replace any
// entry to script a device or fail a call at any point.
#pragma once
#include <cstdint>

using THandle = int32_t;  // an open file descriptor on this system

constexpr int32_t STD_INPUT_HANDLE = -10;
constexpr int32_t STD_OUTPUT_HANDLE = -11;
constexpr int32_t STD_ERROR_HANDLE = -12;

constexpr uint32_t FILE_TYPE_UNKNOWN = 0;
constexpr uint32_t FILE_TYPE_DISK = 1;
constexpr uint32_t FILE_TYPE_CHAR = 2;
constexpr uint32_t FILE_TYPE_PIPE = 3;

// Error numbers GetLastError answers (see last_error.cpp for the mapping).
constexpr uint32_t ERROR_INVALID_FUNCTION = 1;
constexpr uint32_t ERROR_ACCESS_DENIED = 5;
constexpr uint32_t ERROR_INVALID_HANDLE = 6;
constexpr uint32_t ERROR_GEN_FAILURE = 31;
constexpr uint32_t ERROR_INVALID_PARAMETER = 87;
constexpr uint32_t ERROR_BROKEN_PIPE = 109;
constexpr uint32_t ERROR_DISK_FULL = 112;
constexpr uint32_t ERROR_IO_DEVICE = 1117;

// Fault statuses the fault filter is handed.
constexpr uint32_t STATUS_ACCESS_VIOLATION = 0xC0000005;
constexpr uint32_t STATUS_ILLEGAL_INSTRUCTION = 0xC000001D;
constexpr uint32_t STATUS_ARRAY_BOUNDS_EXCEEDED = 0xC000008C;
constexpr uint32_t STATUS_FLOAT_DENORMAL_OPERAND = 0xC000008D;
constexpr uint32_t STATUS_FLOAT_DIVIDE_BY_ZERO = 0xC000008E;
constexpr uint32_t STATUS_FLOAT_INEXACT_RESULT = 0xC000008F;
constexpr uint32_t STATUS_FLOAT_INVALID_OPERATION = 0xC0000090;
constexpr uint32_t STATUS_FLOAT_OVERFLOW = 0xC0000091;
constexpr uint32_t STATUS_FLOAT_STACK_CHECK = 0xC0000092;
constexpr uint32_t STATUS_FLOAT_UNDERFLOW = 0xC0000093;
constexpr uint32_t STATUS_INTEGER_DIVIDE_BY_ZERO = 0xC0000094;
constexpr uint32_t STATUS_INTEGER_OVERFLOW = 0xC0000095;
constexpr uint32_t STATUS_PRIVILEGED_INSTRUCTION = 0xC0000096;
constexpr uint32_t STATUS_STACK_OVERFLOW = 0xC00000FD;
constexpr uint32_t STATUS_CONTROL_C_EXIT = 0xC000013A;

// What the fault filter learns of a processor fault.
struct FaultRecord {
  uint32_t Status;  // one of the STATUS_ values
  void *Address;    // the faulting instruction
  void *Frame;      // the frame record current at the fault
};
using FaultFilter = void (*)(const FaultRecord *fault);

struct PlatformCalls {
  THandle (*GetStdHandle)(int32_t which);
  uint32_t (*GetFileType)(THandle handle);
  // Both report the bytes moved in *done: zero when the call fails.
  bool (*WriteFile)(THandle handle, const void *bytes, uint32_t count, uint32_t *done);
  bool (*ReadFile)(THandle handle, void *bytes, uint32_t count, uint32_t *done);
  uint32_t (*GetLastError)();
  bool (*GetConsoleMode)(THandle handle, uint32_t *mode);
  uint32_t (*GetConsoleOutputCP)();
  void (*SetUnhandledExceptionFilter)(FaultFilter filter);  // null removes it
  void (*ExitProcess)(uint32_t status);                     // does not return
};

extern PlatformCalls Platform;            // the table in use
extern const PlatformCalls LinuxPlatform;  // this system's own calls

// Process set-up that has no counterpart among the calls above: broken
// pipes and file-size limits become failed writes instead of signals.
void PlatformStartProcess();

// Maps the main program's stack: `size` bytes with a guard region below
// them; answers the (16-byte aligned) top. Ends the process if it cannot.
void *MapMainStack(uint64_t size);
