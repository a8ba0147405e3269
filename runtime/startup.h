// What a program built on this run-time supplies: its main program, which
// the start-up enters on a stack of its own with no caller's frame record.
#pragma once

namespace program {
void main();
}
