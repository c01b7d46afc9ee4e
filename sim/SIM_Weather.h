// Today's weather: one of four kinds with an intensity, rolled from monthly shares and kept
// for one to four days. The intensities are published as global named values.
#pragma once

#include <array>
#include <string>

enum WeatherType { WEATHER_SUN = 0, WEATHER_CLOUD = 1, WEATHER_RAIN = 2, WEATHER_SNOW = 3 };

class SIM_Weather {
 public:
  static constexpr int kKinds = 4;
  static constexpr int kMonths = 12;

  static SIM_Weather& Instance();
  SIM_Weather(const SIM_Weather&) = delete;
  SIM_Weather& operator=(const SIM_Weather&) = delete;

  // Reads the monthly shares (rows "#,label,sun,cloud,rain,snow"; the n-th row is month n,
  // rows after the 12th are ignored). A missing file, fewer than 12 rows or a row whose
  // shares do not add up to 1 is a fatal error, so a bad table stops the game at start
  // rather than months into play.
  void Load(const std::string& file = "data/simulation/weather.csv");

  // The day's step: when the current weather has run its days, a new one is rolled.
  void DailyUpdate();
  // Rolls the current month's weather.
  void Roll();
  // The kind a draw r (0..1) gives in the month: the first whose running share exceeds r;
  // when none does (shares rounded just under 1), the last kind with a share.
  int PickKind(int month, float r) const;
  // Makes kind today's weather with the intensity and publishes the global values.
  void SetWeather(int kind, float intensity);
  // Today's weather again from the published global values (after a load): the kind with
  // the highest intensity, or none while all are 0.
  void RestoreFromGlobals();
  // A new game: no weather until the first day's step rolls one, as at the program's start
  // (the last game's spell would outlive the global values it published).
  void Clear();

  // 0 for a kind outside 0..3.
  float GetIntensity(int kind) const;
  int GetType() const { return type_; }
  int GetDaysToChange() const { return daysToChange_; }
  void SetDaysToChange(int days) { daysToChange_ = days; }
  float GetShare(int month, int kind) const;

 private:
  SIM_Weather() = default;
  std::array<float, kKinds> intensity_ = {};
  int type_ = 0;
  int daysToChange_ = 0;
  std::array<std::array<float, kKinds>, kMonths> shares_ = {};
};
