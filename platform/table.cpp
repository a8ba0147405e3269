#include "platform/platform.h"
#include "platform/linux_calls.h"

const PlatformCalls LinuxPlatform = {
    LinuxGetStdHandle,       LinuxGetFileType,   LinuxWriteFile,
    LinuxReadFile,           LinuxGetLastError,  LinuxGetConsoleMode,
    LinuxGetConsoleOutputCP, LinuxSetUnhandledExceptionFilter,
    LinuxExitProcess,
};

PlatformCalls Platform = LinuxPlatform;
