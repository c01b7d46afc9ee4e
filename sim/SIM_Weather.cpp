// The weather.
#include "sim/SIM_Weather.h"

#include <cmath>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "platform/Files.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_NamedValueList.h"

SIM_Weather& SIM_Weather::Instance() {
  static SIM_Weather weather;
  return weather;
}

void SIM_Weather::Load(const std::string& file) {
  if (!plat::PathExists(plat::ResolvePath(file)))
    FatalError("can't find weather.csv", "SIM_Weather", 119);
  const std::unique_ptr<Spreadsheet> table = LoadSpreadsheet(file);
  shares_ = {};
  int rows = 0;
  bool tooLarge = false;  // a share read as 0 would leave the month adding up wrong
  StringTokenizer tokens;
  for (const std::string& row : *table) {
    if (rows >= kMonths) break;  // the table has one row per month; more are ignored
    tokens.SetText(row);
    tokens.NextToken();  // '#'
    tokens.NextToken();  // the month's label
    for (int k = 0; k < kKinds; ++k) shares_[rows][k] = tokens.NextFloat();
    if (tokens.NumberTooLarge()) tooLarge = true;
    ++rows;
  }
  bool valid = rows == kMonths && !tooLarge;
  for (int m = 0; m < rows; ++m) {
    double sum = 0.0;
    for (float share : shares_[m]) {
      if (!(share >= 0.0f)) valid = false;  // negative or not a number
      sum += share;
    }
    if (!(std::fabs(sum - 1.0) <= 1e-3)) valid = false;  // written so a NaN sum fails too
  }
  if (!valid) FatalError("Weather percentages are invalid", "SIM_Weather", 50);
}

void SIM_Weather::DailyUpdate() {
  --daysToChange_;
  if (daysToChange_ > 0) return;
  Roll();
}

int SIM_Weather::PickKind(int month, float r) const {
  if (month < 0 || month >= kMonths) month = 0;
  float sum = 0.0f;
  int last = -1;
  for (int k = 0; k < kKinds; ++k) {
    sum += shares_[month][k];
    if (sum > r) return k;
    if (shares_[month][k] > 0.0f) last = k;
  }
  // The shares add up to 1 only up to float rounding, so a draw of exactly 1 can pass them
  // all: it belongs to the last kind the month has.
  return last;
}

void SIM_Weather::Roll() {
  daysToChange_ = RandomBelow(4) + 1;
  const float r = RandomUnit();
  const int kind = PickKind(CurrentDate().GetMonth(), r);
  if (kind < 0) return;  // a month with no weather at all (Load never allows it)
  SetWeather(kind, RandomFloat(0.1f, 1.0f));
}

void SIM_Weather::SetWeather(int kind, float intensity) {
  if (kind < 0 || kind >= kKinds) return;
  intensity_ = {};
  type_ = kind;
  intensity_[kind] = intensity;
  SetGlobalValue("weather_snow", intensity_[WEATHER_SNOW]);
  SetGlobalValue("weather_sun", intensity_[WEATHER_SUN]);
  SetGlobalValue("weather_rain", intensity_[WEATHER_RAIN]);
  SetGlobalValue("weather_cloud", intensity_[WEATHER_CLOUD]);
}

void SIM_Weather::Clear() {
  intensity_ = {};
  type_ = 0;
  daysToChange_ = 0;
}

void SIM_Weather::RestoreFromGlobals() {
  static const char* const kNames[kKinds] = {"weather_sun", "weather_cloud", "weather_rain",
                                            "weather_snow"};
  intensity_ = {};
  type_ = 0;
  float highest = 0.0f;
  const SIM_NamedValueList& globals = GlobalNamedValues();
  for (int k = 0; k < kKinds; ++k) {
    intensity_[k] = globals.Has(kNames[k]) ? globals.GetValue(kNames[k]) : 0.0f;
    if (intensity_[k] > highest) {
      highest = intensity_[k];
      type_ = k;
    }
  }
}

float SIM_Weather::GetIntensity(int kind) const {
  return kind >= 0 && kind < kKinds ? intensity_[kind] : 0.0f;
}

float SIM_Weather::GetShare(int month, int kind) const {
  if (month < 0 || month >= kMonths || kind < 0 || kind >= kKinds) return 0.0f;
  return shares_[month][kind];
}
