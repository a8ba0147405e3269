// This system's implementations of the platform calls; reached through
// the table in table.cpp, never directly.
#pragma once
#include "platform/platform.h"

THandle LinuxGetStdHandle(int32_t which);
uint32_t LinuxGetFileType(THandle handle);
bool LinuxWriteFile(THandle handle, const void *bytes, uint32_t count, uint32_t *done);
bool LinuxReadFile(THandle handle, void *bytes, uint32_t count, uint32_t *done);
uint32_t LinuxGetLastError();
bool LinuxGetConsoleMode(THandle handle, uint32_t *mode);
uint32_t LinuxGetConsoleOutputCP();
void LinuxSetUnhandledExceptionFilter(FaultFilter filter);
[[noreturn]] void LinuxExitProcess(uint32_t status);

// Records errno as the number GetLastError answers next.
void SetLastErrorFromErrno(int error);
// Waits until `handle` is ready for `events` (POLLIN or POLLOUT).
void WaitReady(THandle handle, short events);
