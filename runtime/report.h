// The error report: "Runtime error N at $ADDR", the address again, one
// line per frame record outwards from the error, and an empty line.
#pragma once
#include "textio/short_string.h"
#include "textio/textrec.h"

void WriteReport();
void dump_stack(TextRec &t, void *frame);
ShortString HexStr(const void *address);
ShortString SysBackTraceStr(const void *address);

// A fault while the walk reads a frame record ends the walk, not the run.
bool FrameWalkInProgress();
[[noreturn]] void AbandonFrameWalk();
