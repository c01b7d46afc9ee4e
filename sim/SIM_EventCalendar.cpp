// The event calendar.
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_Screens.h"


SIM_EventCalendar& SIM_EventCalendar::Instance() {
  static SIM_EventCalendar calendar;
  return calendar;
}

void SIM_EventCalendar::AddEntry(int day, int month, int year, const std::string& text) {
  bool exists = false;
  for (const Entry& e : entries_)
    if (e.day == day && e.month == month && e.year == year && e.text == text) exists = true;
  if (!exists) entries_.push_back(Entry{day, month, year, text});
  Refresh();
}

void SIM_EventCalendar::RemoveEntries(const std::string& text) {
  entries_.remove_if([&](const Entry& e) { return e.text == text; });
  Refresh();
}

void SIM_EventCalendar::Refresh() {
  const SIM_Date& today = CurrentDate();
  entries_.remove_if([&](const Entry& e) { return SIM_Date(e.day, e.month, e.year).IsBefore(today); });

  for (int i = 0; i < kDaysShown; ++i) {
    const SIM_Date date = today.DaysLater(i);
    week_[i] = date;
    dayLists_[i].clear();
    for (const Entry& e : entries_)
      if (date.Equals(e.day, e.month, e.year)) dayLists_[i].push_back(&e);
  }
  Screens().RefreshCalendar();
}

void SIM_EventCalendar::Reset() {
  entries_.clear();
  for (auto& list : dayLists_) list.clear();
}
