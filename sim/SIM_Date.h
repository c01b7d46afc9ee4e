// Game dates: 7 days a month, 12 months a year, a day of the week and the moon; the current
// date with its day advance, the yearly review and the end of the game.
#pragma once

#include <string>

class SIM_Date {
 public:
  static constexpr int kDaysPerMonth = 7;
  static constexpr int kMonthsPerYear = 12;
  static constexpr int kMoonCycle = 31;

  // All zeros and 15 days to the full moon.
  SIM_Date() = default;
  // Day and month are kept within 0..6 and 0..11, a negative year becomes 0; day of week 0.
  SIM_Date(int day, int month, int year);

  // Plain date arithmetic (any n, also negative), then the date panel is refreshed.
  void AddDays(int n);
  // The day advance of the current date: the date, the moon, the weather, dirt and germs,
  // the films and the bowling team, the calendar, the weekly steps on the first day of a
  // week, then the yearly review or the end of the game; the date panel is refreshed last.
  void AdvanceDay(int n);

  // A copy n days later (plain arithmetic, no refresh).
  SIM_Date DaysLater(int n) const;

  void CopyDate(const SIM_Date& other);
  bool Equals(int day, int month, int year) const;
  // Whole years from this date to the current date (a person's age from the birth date).
  int YearsBefore() const;
  void UpdateFullMoon() { fullMoon_ = daysToFullMoon_ == 0; }
  // Earlier than the other date (day of week and moon are ignored).
  bool IsBefore(const SIM_Date& other) const;

  int GetDay() const { return day_; }
  int GetMonth() const { return month_; }
  int GetYear() const { return year_; }
  int GetDayOfWeek() const { return dayOfWeek_; }
  void SetDayOfWeek(int dayOfWeek) { dayOfWeek_ = ((dayOfWeek % 7) + 7) % 7; }
  bool IsFullMoon() const { return fullMoon_; }
  int GetDaysToFullMoon() const { return daysToFullMoon_; }
  void SetDaysToFullMoon(int days);

 private:
  // The calendar arithmetic shared by AddDays and AdvanceDay, without any refresh.
  void Step(int n);

  int day_ = 0;
  int month_ = 0;
  int year_ = 0;
  int dayOfWeek_ = 0;
  bool fullMoon_ = false;
  int daysToFullMoon_ = 15;
};

// The current date (a placeholder until a game is started or loaded).
SIM_Date& CurrentDate();
// The date of the next yearly review and of the end of the game.
SIM_Date& NextReviewDate();
SIM_Date& GameEndDate();

// New game: 3/3/2006, day of week 0, 15 days to full moon; review 3/3/2007; end 3/3/2016.
void SetStartDate();
// Opens the end-game screen once the end date is reached (in place of that day's review,
// which moves on a year), or else the yearly review when a review date is reached (and moves
// the review on a year).
void CheckYearEnd();
// Sets the placeholder date and reads the 12 month names (section "MonthNames").
void LoadMonthNames();
// The name of month 0..11 (empty outside).
std::string GetMonthName(int month);
