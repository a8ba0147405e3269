// A frame record as the machine lays it out, built with frame pointers:
// the caller's record, then the return address into the caller.
#pragma once

struct FrameRecord {
  FrameRecord *Caller;
  void *ReturnAddress;
};
