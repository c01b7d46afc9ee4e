// Stopwatch timers driven by an injected clock, and the stopwatch text.
#include <gtest/gtest.h>

#include "engine/Timer.h"

namespace {

TEST(TimerTest, BuiltPausedAndMeasuresNothingBeforeStart) {
  ManualTimerClock clock;
  Timer timer;
  EXPECT_TRUE(timer.paused);
  EXPECT_FLOAT_EQ(timer.speed, 1.0f);
  clock.Advance(100);
  timer.Update();
  EXPECT_DOUBLE_EQ(timer.elapsed, 0.0);
  EXPECT_FLOAT_EQ(timer.delta, 0.0f);
}

TEST(TimerTest, HalfSpeedCountsHalfTheTimeInTwelveMillisecondUnits) {
  ManualTimerClock clock;
  Timer timer;
  timer.SetSpeed(0.5f);
  timer.Start();
  EXPECT_TRUE(timer.usePerformanceCounter);
  timer.Update();
  const double before = timer.elapsed;
  clock.Advance(24);
  timer.Update();
  EXPECT_FLOAT_EQ(timer.delta, 1.0f);
  EXPECT_NEAR(timer.elapsed - before, 12.0, 1e-9);
  // A step far below one second still counts.
  clock.Advance(0.5);
  timer.Update();
  EXPECT_NEAR(timer.delta, 0.5 / 12.0 * 0.5, 1e-6);
}

TEST(TimerTest, FallsBackToTheMillisecondClock) {
  ManualTimerClock clock;
  clock.SetHighResolution(false);
  Timer timer;
  timer.Start();
  EXPECT_FALSE(timer.usePerformanceCounter);
  clock.Advance(36);
  timer.Update();
  EXPECT_FLOAT_EQ(timer.delta, 3.0f);
  EXPECT_DOUBLE_EQ(timer.elapsed, 36.0);
}

TEST(TimerTest, PausedTimeIsNeverCounted) {
  ManualTimerClock clock;
  Timer timer;
  timer.Start();
  clock.Advance(12);
  timer.Pause();  // counts the 12 ms up to the pause
  EXPECT_DOUBLE_EQ(timer.elapsed, 12.0);
  EXPECT_FLOAT_EQ(timer.delta, 1.0f);
  clock.Advance(5000);
  timer.Update();
  EXPECT_DOUBLE_EQ(timer.elapsed, 12.0);
  EXPECT_FLOAT_EQ(timer.delta, 1.0f);
  timer.Resume();
  clock.Advance(24);
  timer.Update();
  EXPECT_DOUBLE_EQ(timer.elapsed, 36.0);
  EXPECT_FLOAT_EQ(timer.delta, 2.0f);
  timer.Start();  // starts counting afresh
  EXPECT_DOUBLE_EQ(timer.elapsed, 0.0);
}

TEST(TimerTest, RealClockIsRestoredAfterTheFake) {
  {
    ManualTimerClock clock;
    Timer timer;
    timer.Start();
    EXPECT_EQ(timer.frequency, 1000000u);
  }
  Timer timer;
  timer.Start();
  EXPECT_NE(timer.frequency, 1000000u);
  EXPECT_NE(timer.frequency, 0u);
}

TEST(TimerTest, StopwatchText) {
  EXPECT_EQ(FormatStopwatchTime(61234), "1:01:234");
  EXPECT_EQ(FormatStopwatchTime(59999), "0:59:999");
  EXPECT_EQ(FormatStopwatchTime(61205), "1:01:205");  // two digits below the tenths
  EXPECT_EQ(FormatStopwatchTime(0), "0:00:000");
  EXPECT_EQ(FormatStopwatchTime(-5), "0:00:000");
  EXPECT_EQ(FormatStopwatchTime(600000), "10:00:000");
  char small[5];
  FormatStopwatchTime(small, sizeof small, 61234);
  EXPECT_STREQ(small, "1:01");
}

}  // namespace
