#include "textio/input.h"

// One delivery of up to a buffer's worth. A writer that went away reads as
// end of input; any other failure is recorded and also leaves nothing.
void FileReadFunc(TextRec &t) {
  uint32_t delivered = 0;
  if (Platform.ReadFile(t.Handle, t.Buffer, TextBufferSize, &delivered)) {
    t.BufferEnd = static_cast<int32_t>(delivered);
  } else {
    t.BufferEnd = 0;
    const uint32_t error = Platform.GetLastError();
    if (error != ERROR_BROKEN_PIPE) Errno2InOutRes(error);
  }
  t.BufferPos = 0;
}
