// Dated reminders (bowling matches, evening classes) and the seven days the calendar panel
// shows, today first.
#pragma once

#include <array>
#include <list>
#include <string>
#include <vector>

#include "sim/SIM_Date.h"

class SIM_EventCalendar {
 public:
  static constexpr int kDaysShown = 7;

  struct Entry {
    int day = 0;
    int month = 0;
    int year = 0;
    std::string text;
  };

  static SIM_EventCalendar& Instance();
  SIM_EventCalendar(const SIM_EventCalendar&) = delete;
  SIM_EventCalendar& operator=(const SIM_EventCalendar&) = delete;

  // Adds the entry unless one with the same date and text exists; then refreshes.
  void AddEntry(int day, int month, int year, const std::string& text);
  // Removes every entry with the text; then refreshes.
  void RemoveEntries(const std::string& text);
  // Drops past entries, rebuilds the coming week and its day lists, refreshes the panel.
  void Refresh();
  // Deletes every entry and empties the day lists (new game, load).
  void Reset();

  const std::list<Entry>& Entries() const { return entries_; }
  const SIM_Date& WeekDate(int i) const { return week_[i]; }
  // The entries of day i of the coming week (0 is today).
  const std::vector<const Entry*>& DayList(int i) const { return dayLists_[i]; }

 private:
  SIM_EventCalendar() = default;
  std::list<Entry> entries_;  // a list: the day lists point into it
  std::array<SIM_Date, kDaysShown> week_;
  std::array<std::vector<const Entry*>, kDaysShown> dayLists_;
};
