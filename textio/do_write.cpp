#include "textio/output.h"

// A console that speaks one of these code pages may count characters, not
// bytes, in what it reports as written: its short count means "all of it".
static bool CountsCharacters(uint32_t page) {
  switch (page) {
    case 1200: case 1201: case 12000: case 12001: case 65000: case 65001: return true;
    default: return false;
  }
}

int32_t Do_Write(THandle handle, const void *bytes, int32_t count) {
  uint32_t written = 0;
  if (!Platform.WriteFile(handle, bytes, static_cast<uint32_t>(count), &written)) {
    Errno2InOutRes(Platform.GetLastError());  // FileWriteFunc puts 101 over it
    return static_cast<int32_t>(written);
  }
  uint32_t mode;
  if (written < static_cast<uint32_t>(count) && Platform.GetConsoleMode(handle, &mode) &&
      CountsCharacters(Platform.GetConsoleOutputCP()))
    return count;
  return static_cast<int32_t>(written);
}
