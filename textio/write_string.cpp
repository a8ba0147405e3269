#include "textio/output.h"

void WriteString(TextRec &t, std::string_view s) {
  if (InOutRes != 0) return;
  WriteBuffer(t, s.data(), static_cast<int32_t>(s.size()));
}
