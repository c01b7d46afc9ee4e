// Clocks and sleeping: the game's millisecond and high-resolution time sources.
#pragma once

#include <cstdint>

namespace plat {

// Milliseconds since the platform layer first measured time (wraps after ~49 days, like the
// 32-bit tick counts the game was designed around). Counting from start keeps float fields precise.
uint32_t TickMs();

// A monotonic high-resolution counter and its ticks per second.
uint64_t PerfCounter();
uint64_t PerfFrequency();

// Sleeps the calling thread; 0 or less returns at once.
void SleepMs(int ms);

}  // namespace plat
