// The text stream: a 256-byte buffer over one handle, and the five
// standard streams that live for the whole run.
#pragma once
#include <cstdint>

#include "platform/platform.h"

constexpr int32_t TextBufferSize = 256;

enum TextMode : uint8_t { fmClosed, fmInput, fmOutput };

struct LineEndingText {
  uint8_t Length;
  char Chars[3];
};

struct TextRec {
  THandle Handle;
  TextMode Mode;
  bool FlushEachStatement;  // an output stream on a character device
  int32_t BufferPos;        // output: bytes held; input: next unread byte
  int32_t BufferEnd;        // input: valid bytes; 0 on an output stream
  LineEndingText LineEnding;
  uint8_t Buffer[TextBufferSize];
};

extern TextRec Input, Output, ErrOutput, StdOut, StdErr;

// The pending I/O result: 0, or the number of the first failure that no
// check has taken yet. Output does nothing while it is set.
extern uint16_t InOutRes;

void SysInitStdIO();
void OpenStdIO(TextRec &t, TextMode mode, THandle handle);
bool Do_IsDevice(THandle handle);
void Errno2InOutRes(uint32_t error);
