#include "runtime/errors.h"
#include "runtime/frame_record.h"
#include "runtime/report.h"

void HandleErrorFrame(int32_t number, void *frame) {
  const FrameRecord *record = static_cast<FrameRecord *>(frame);
  HandleErrorAddrFrame(number, record ? record->ReturnAddress : nullptr,
                       record ? record->Caller : nullptr);
}

void HandleErrorAddrFrame(int32_t number, void *address, void *frame) {
  ErrorCode = static_cast<uint16_t>(number);
  ErrorAddr = address;
  ErrorBase = frame;
  if (FrameWalkInProgress()) AbandonFrameWalk();  // a fault while reading a record
  Halt(ErrorCode);
}

void Halt(int32_t status) {
  ExitCode = status;
  do_exit();
}
