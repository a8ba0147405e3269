// The guard region below the main program's stack: a fault inside it is a
// stack overflow.
#pragma once
#include <cstdint>

constexpr uint64_t MainStackGuardSize = 64 * 1024;
extern uintptr_t MainStackGuardLow, MainStackGuardHigh;
