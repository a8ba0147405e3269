#include "textio/textrec.h"

// A failed query counts as "not a device" like any other answer.
bool Do_IsDevice(THandle handle) { return Platform.GetFileType(handle) == FILE_TYPE_CHAR; }
