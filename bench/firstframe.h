#pragma once

class QWidget;

// Ends the benchmark program once the window has painted its first frame: the time from the
// moment the benchmark driver started the process (BENCH_SPAWN_NS, steady clock) to the end of
// that frame goes to standard output in nanoseconds, followed by the window's width and height
// in logical pixels, and the event loop is left.
void exitAfterFirstFrame(QWidget *window);
