#include "textio/textrec.h"

void Errno2InOutRes(uint32_t error) {
  if (error >= 19 && error <= 31)
    InOutRes = static_cast<uint16_t>(error + 131);  // the device errors: 150..162
  else if (error == 32 || error == 145 || error == 183)
    InOutRes = 5;  // sharing violation, directory not empty, already exists
  else
    InOutRes = static_cast<uint16_t>(error);
}
