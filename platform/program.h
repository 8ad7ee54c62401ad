#pragma once

namespace platform {

// Ends the program at once: every window closes, no timer ticks again and no further handler
// runs. Nothing is saved, because the lesson keeps nothing.
void endProgram(int exitCode = 0);

// True once endProgram has run (the event loop may still be unwinding).
bool programEnded();

} // namespace platform
