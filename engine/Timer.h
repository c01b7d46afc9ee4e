// The stopwatch used for animation, play time and ambient sounds.
//
// A Timer is built paused and measures only after Start (or Resume). Its owner calls Update
// once per frame and reads `delta` (the frame's step in 12 ms units, speed applied) and
// `elapsed` (total ms, speed applied) directly.
//
// Clock injection: every Timer reads the clocks through one process-wide TimerClock. Tests (and
// anything that must replay frames exactly) install their own with Timer::SetClock, or simply
// create a ManualTimerClock, which installs itself, advances only when told and restores the
// real clocks when it goes out of scope. Timer::RestoreRealClock puts the real clocks back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The clock readings a Timer uses: the millisecond clock, and the high-resolution counter with
// its counts per second. A frequency of 0 means there is no high-resolution counter (the
// millisecond clock is used instead).
struct TimerClock {
  std::function<uint32_t()> tickMs;
  std::function<uint64_t()> counter;
  std::function<uint64_t()> frequency;
};

class Timer {
 public:
  // Paused, speed 1, nothing measured.
  Timer() = default;

  // elapsed = 0, running, clocks read afresh.
  void Start();
  // Measures the time since the last reading (nothing while paused).
  void Update();
  // Counts the time up to now, then stops counting.
  void Pause();
  // Counts again from now; the paused time is never counted.
  void Resume();
  void SetSpeed(float newSpeed) { speed = newSpeed; }

  // Installs the clocks every Timer reads (missing functions fall back to the real ones).
  static void SetClock(TimerClock clock);
  // Back to the platform's clocks.
  static void RestoreRealClock();
  // The millisecond clock every Timer reads now (tests move it with ManualTimerClock).
  static uint32_t NowMs();

  float speed = 1.0f;       // multiplier on real time
  bool paused = true;       // Update does nothing while set
  double lastTime = 0.0;    // last millisecond-clock reading
  double elapsed = 0.0;     // total measured ms, speed applied
  float delta = 0.0f;       // the last Update's step in 12 ms units, speed applied
  bool usePerformanceCounter = false;
  uint64_t frequency = 0;   // counts per second of the high-resolution counter
  uint64_t lastCounter = 0;

 private:
  void ReadClocks();
};

// A clock for tests: installs itself on construction, moves only by Advance, and restores the
// real clocks on destruction. The counter runs at one million counts per second.
class ManualTimerClock {
 public:
  ManualTimerClock();
  ~ManualTimerClock();
  ManualTimerClock(const ManualTimerClock&) = delete;
  ManualTimerClock& operator=(const ManualTimerClock&) = delete;

  void Advance(double ms);
  // Simulates a system without a high-resolution counter (frequency 0).
  void SetHighResolution(bool available) { highResolution_ = available; }

 private:
  double nowMs_ = 0.0;
  bool highResolution_ = true;
};

// A stopwatch text "m:ss:ttt" (minutes, seconds, then tenths and the two remaining digits of
// the milliseconds): 61,234 ms gives "1:01:234". Negative times show as 0.
std::string FormatStopwatchTime(double ms);
// The same into a caller's buffer, cut to fit.
void FormatStopwatchTime(char* buffer, size_t bufferSize, double ms);
