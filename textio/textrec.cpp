#include "textio/textrec.h"

TextRec Input, Output, ErrOutput, StdOut, StdErr;
uint16_t InOutRes;
