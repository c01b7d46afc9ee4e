// Stopwatch timers and their clock source.
#include "engine/Timer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/Clock.h"

namespace {

TimerClock RealClock() {
  return TimerClock{[] { return plat::TickMs(); }, [] { return plat::PerfCounter(); },
                    [] { return plat::PerfFrequency(); }};
}

TimerClock& CurrentClock() {
  static TimerClock clock = RealClock();
  return clock;
}

}  // namespace

void Timer::SetClock(TimerClock clock) {
  const TimerClock real = RealClock();
  if (!clock.tickMs) clock.tickMs = real.tickMs;
  if (!clock.counter) clock.counter = real.counter;
  if (!clock.frequency) clock.frequency = real.frequency;
  CurrentClock() = std::move(clock);
}

void Timer::RestoreRealClock() { CurrentClock() = RealClock(); }

uint32_t Timer::NowMs() { return CurrentClock().tickMs(); }

void Timer::ReadClocks() {
  const TimerClock& clock = CurrentClock();
  lastTime = clock.tickMs();
  frequency = clock.frequency();
  usePerformanceCounter = frequency != 0;
  if (usePerformanceCounter) lastCounter = clock.counter();
}

void Timer::Start() {
  elapsed = 0.0;
  paused = false;
  ReadClocks();
}

void Timer::Update() {
  if (paused) return;
  const TimerClock& clock = CurrentClock();
  double ms = 0.0;
  if (usePerformanceCounter && frequency != 0) {
    const uint64_t now = clock.counter();
    // In double: an integer division would make every step under a second zero.
    ms = static_cast<double>(now - lastCounter) / static_cast<double>(frequency) * 1000.0;
    lastCounter = now;
  } else {
    const uint32_t now = clock.tickMs();
    ms = static_cast<uint32_t>(now - static_cast<uint32_t>(lastTime));  // wraps like the clock
    lastTime = now;
  }
  delta = static_cast<float>(ms / 12.0 * speed);
  elapsed += ms * speed;
}

void Timer::Pause() {
  Update();
  paused = true;
  ReadClocks();
}

void Timer::Resume() {
  paused = false;
  ReadClocks();
}

ManualTimerClock::ManualTimerClock() {
  Timer::SetClock(TimerClock{
      [this] { return static_cast<uint32_t>(static_cast<uint64_t>(nowMs_)); },
      [this] { return static_cast<uint64_t>(std::llround(nowMs_ * 1000.0)); },
      [this] { return highResolution_ ? uint64_t{1000000} : uint64_t{0}; }});
}

ManualTimerClock::~ManualTimerClock() { Timer::RestoreRealClock(); }

void ManualTimerClock::Advance(double ms) {
  if (ms > 0.0) nowMs_ += ms;
}

std::string FormatStopwatchTime(double ms) {
  if (!(ms > 0.0)) ms = 0.0;
  if (ms > 2.0e12) ms = 2.0e12;  // keeps the minutes within an int
  const long long total = static_cast<long long>(std::floor(ms));
  const long long minutes = total / 60000;
  long long rest = total % 60000;
  const int tens = static_cast<int>(rest / 10000);
  rest %= 10000;
  const int seconds = static_cast<int>(rest / 1000);
  rest %= 1000;
  const int tenths = static_cast<int>(rest / 100);
  const int below = static_cast<int>(rest % 100);
  char buf[64];
  // The last group is two digits: 61,205 ms reads "1:01:205", not "1:01:25".
  std::snprintf(buf, sizeof buf, "%lld:%d%d:%d%02d", minutes, tens, seconds, tenths, below);
  return buf;
}

void FormatStopwatchTime(char* buffer, size_t bufferSize, double ms) {
  if (!buffer || bufferSize == 0) return;
  const std::string text = FormatStopwatchTime(ms);
  const size_t n = std::min(text.size(), bufferSize - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}
