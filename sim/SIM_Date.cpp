// Game dates and the day advance.
#include "sim/SIM_Date.h"

#include <array>

#include "engine/ConfigFile.h"
#include "engine/Translate.h"

#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Dirt.h"
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Weather.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Statistics.h"

namespace {

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

std::array<std::string, SIM_Date::kMonthsPerYear>& MonthNames() {
  static std::array<std::string, SIM_Date::kMonthsPerYear> names;
  return names;
}

// Each date component is at least the target's (the test the yearly checks use; the date
// moves a day at a time, so it first holds on the target day itself).
bool Reached(const SIM_Date& now, const SIM_Date& target) {
  return now.GetYear() >= target.GetYear() && now.GetMonth() >= target.GetMonth() &&
         now.GetDay() >= target.GetDay();
}

}  // namespace

SIM_Date::SIM_Date(int day, int month, int year)
    : day_(Clamp(day, 0, kDaysPerMonth - 1)),
      month_(Clamp(month, 0, kMonthsPerYear - 1)),
      year_(year < 0 ? 0 : year) {}

void SIM_Date::Step(int n) {
  day_ += n;
  while (day_ >= kDaysPerMonth) {
    day_ -= kDaysPerMonth;
    ++month_;
  }
  while (day_ < 0) {
    day_ += kDaysPerMonth;
    --month_;
  }
  while (month_ >= kMonthsPerYear) {
    month_ -= kMonthsPerYear;
    ++year_;
  }
  while (month_ < 0) {
    month_ += kMonthsPerYear;
    --year_;
  }
  dayOfWeek_ = ((dayOfWeek_ + n) % 7 + 7) % 7;
}

void SIM_Date::AddDays(int n) {
  Step(n);
  Screens().RefreshDate();
}

SIM_Date SIM_Date::DaysLater(int n) const {
  SIM_Date later = *this;
  later.Step(n);
  return later;
}

void SIM_Date::SetDaysToFullMoon(int days) {
  daysToFullMoon_ = ((days % kMoonCycle) + kMoonCycle) % kMoonCycle;
  UpdateFullMoon();
}

void SIM_Date::AdvanceDay(int n) {
  Step(n);
  daysToFullMoon_ -= n;
  while (daysToFullMoon_ < 0) daysToFullMoon_ += kMoonCycle;
  daysToFullMoon_ %= kMoonCycle;
  UpdateFullMoon();

  SIM_Weather::Instance().DailyUpdate();
  Screens().RefreshWeatherTooltip();
  SIM_Dirt::Instance().DailyUpdate();
  SIM_Health::Instance().DailyUpdate();
  SIM_Movie::AdvanceWeeklyMovie();
  SIM_BowlingTeam::Instance().DailyUpdate();
  SIM_EventCalendar::Instance().Refresh();
  if (dayOfWeek_ == 0) {
    SIM_RoyaltyStream::PayAll();
    SIM_NPC::RefillAllCash();
  }
  CheckYearEnd();
  // The panel shows the new day (the arithmetic above does not refresh it).
  Screens().RefreshDate();
}

void SIM_Date::CopyDate(const SIM_Date& other) {
  day_ = other.day_;
  month_ = other.month_;
  year_ = other.year_;
}

bool SIM_Date::Equals(int day, int month, int year) const {
  return day_ == day && month_ == month && year_ == year;
}

bool SIM_Date::IsBefore(const SIM_Date& other) const {
  if (year_ != other.year_) return year_ < other.year_;
  if (month_ != other.month_) return month_ < other.month_;
  return day_ < other.day_;
}

int SIM_Date::YearsBefore() const {
  const SIM_Date& now = CurrentDate();
  int years = now.year_ - year_ - 1;
  if (now.month_ > month_ || (now.month_ == month_ && now.day_ >= day_)) ++years;
  return years;
}

SIM_Date& CurrentDate() {
  static SIM_Date* date = new SIM_Date();  // lives to the end
  return *date;
}

SIM_Date& NextReviewDate() {
  static SIM_Date date;
  return date;
}

SIM_Date& GameEndDate() {
  static SIM_Date date;
  return date;
}

void SetStartDate() {
  SIM_Date& now = CurrentDate();
  now = SIM_Date(3, 3, 2006);
  now.SetDayOfWeek(0);
  now.SetDaysToFullMoon(15);
  NextReviewDate() = SIM_Date(3, 3, 2007);
  GameEndDate() = SIM_Date(3, 3, 2016);
}

void CheckYearEnd() {
  const SIM_Date& now = CurrentDate();
  SIM_SIM& sim = SIM_SIM::Instance();
  if (!sim.IsGameOver() && Reached(now, GameEndDate())) {
    sim.SetGameOver(true);
    // The end-game screen takes the place of the year's review that falls due today (they
    // share the date): the next review is a year on, on the same day, so a player who keeps
    // on living has every later review on its day, not one day late.
    const SIM_Date& review = NextReviewDate();
    if (Reached(now, review))
      NextReviewDate() = SIM_Date(review.GetDay(), review.GetMonth(), review.GetYear() + 1);
    Screens().ShowEndGame();
    return;
  }
  if (Reached(now, NextReviewDate())) {
    NextReviewDate() = SIM_Date(now.GetDay(), now.GetMonth(), now.GetYear() + 1);
    SIM_Statistics::Instance().SetYearReviewDue(true);
    Screens().ShowYearlyReview();
  }
}

void LoadMonthNames() {
  SIM_Date& now = CurrentDate();
  now = SIM_Date(6, 9, 2005);  // a placeholder until a game starts
  now.SetDayOfWeek(0);
  const ConfigFile* config = GetCachedConfig("MonthNames", kStringsFile);
  for (int m = 0; m < SIM_Date::kMonthsPerYear; ++m)
    MonthNames()[m] = config ? config->GetValue(std::to_string(m)) : "";
}

std::string GetMonthName(int month) {
  return month >= 0 && month < SIM_Date::kMonthsPerYear ? MonthNames()[month] : std::string();
}
