// The Tower of Hanoi: one tower per run, from peg A to peg B over C.
#pragma once
#include <cstdint>

namespace program {
extern int16_t N;  // the disc count that was read
void MOVE(int16_t N, char A, char B, char C);
}  // namespace program
