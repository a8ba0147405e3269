#include <csetjmp>
#include <csignal>
#include <cstdint>

#include "runtime/errors.h"
#include "runtime/frame_record.h"
#include "runtime/report.h"
#include "textio/output.h"

static sigjmp_buf WalkEscape;
static volatile sig_atomic_t Walking;

bool FrameWalkInProgress() { return Walking != 0; }
void AbandonFrameWalk() { siglongjmp(WalkEscape, 1); }

// Each record's line is written before the limits are tested, so the
// outermost record (whose caller is null) still gets its line. Records
// must lie ever higher up the stack, which also ends a looping chain. The
// records are other routines' and may be anything: the address checker
// is not asked about them, a fault while reading one ends the walk.
__attribute__((no_sanitize("address"))) static void WalkFrames(TextRec &t, const FrameRecord *frame, bool device) {
  for (int32_t count = 0;;) {
    void *returnAddress = frame->ReturnAddress;
    const FrameRecord *caller = frame->Caller;
    if (!returnAddress) return;
    WriteString(t, View(SysBackTraceStr(returnAddress)));
    WriteLineEnd(t);
    if (!caller) return;
    ++count;
    if ((count > max_frame_dump && device) || count > 256) return;
    if (reinterpret_cast<uintptr_t>(caller) <= reinterpret_cast<uintptr_t>(frame)) return;
    frame = caller;
  }
}

void dump_stack(TextRec &t, void *frame) {
  if (!frame) return;
  const bool device = Do_IsDevice(t.Handle);
  if (sigsetjmp(WalkEscape, 1) == 0) {
    Walking = 1;
    WalkFrames(t, static_cast<const FrameRecord *>(frame), device);
  }
  Walking = 0;
}
