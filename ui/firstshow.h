#pragma once

namespace wm {

// Benchmark hook, off unless the environment sets WM_BENCH_EXIT_ON_SHOW=1. Then the first
// window exposed is painted, a line "WM_BENCH_FIRST_SHOW <ns> <kB>" goes to stdout (the
// monotonic clock in nanoseconds and the peak resident memory, VmHWM), then lines that
// describe that window (WM_BENCH_WINDOW <width> <height>, WM_BENCH_FONT and, when a shown
// control is monospaced, WM_BENCH_MONO <point size> <families>, and WM_BENCH_TEXT <all
// texts shown>), and the process ends at once. The start benchmark runs the programs with
// it; nothing else changes. Call it right after the application object is made.
void installFirstShowHook();

}  // namespace wm
