// Text output. Every operation but WriteEnd does nothing while InOutRes is
// set; a failed write-out records 101 and drops what the buffer held.
#pragma once
#include <cstdint>
#include <string_view>

#include "textio/short_string.h"
#include "textio/textrec.h"

void WriteString(TextRec &t, std::string_view s);
void WriteInteger(TextRec &t, int32_t value);
void WriteUnsigned(TextRec &t, uint32_t value);
void WriteChar(TextRec &t, char c);
void WriteEnd(TextRec &t);
void WriteLineEnd(TextRec &t);
void Flush(TextRec &t);

void WriteBuffer(TextRec &t, const void *bytes, int32_t count);
void FileWriteFunc(TextRec &t);
int32_t Do_Write(THandle handle, const void *bytes, int32_t count);

ShortString Int_Str(int32_t value);
ShortString Int_Str(uint32_t value);
