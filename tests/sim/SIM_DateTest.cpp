// Dates, the day advance, the yearly checks and the event calendar.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/CallTrace.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Weather.h"
#include "support/RecordingScreens.h"

namespace {

int CountCalls(const std::string& name) {
  const auto& calls = TracedCalls();
  return static_cast<int>(std::count(calls.begin(), calls.end(), name));
}

class DateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SIM_SIM::Instance().SetGameOver(false);
    testsupport::RecordingScreens::Instance().Reset();
    SIM_EventCalendar::Instance().Reset();
    // A weather that never changes during the test: no table is needed.
    SIM_Weather::Instance().SetDaysToChange(1000000);
    // The day's dirt and germs read the game's rates.
    SIM_GlobalVariables::Instance().Load(std::string(TOVEL_SOURCE_DIR) + "/data/config.txt");
    // A clean home: no summary line about the mess from a world an earlier test left.
    GlobalNamedValues().Clear();
    ClearTracedCalls();
  }
  // The dates, the end of the game and the calendar are the whole process's: put them back.
  void TearDown() override {
    CurrentDate() = today;
    NextReviewDate() = nextReview;
    GameEndDate() = gameEnd;
    SIM_Weather::Instance().SetDaysToChange(weatherDays);
    SIM_EventCalendar::Instance().Reset();
    SIM_SIM::Instance().SetGameOver(false);
    testsupport::RecordingScreens::Instance().Reset();
    testsupport::RecordingScreens::Instance().AnswerScreens();
  }
  static void SetToday(int day, int month, int year, int dayOfWeek) {
    CurrentDate() = SIM_Date(day, month, year);
    CurrentDate().SetDayOfWeek(dayOfWeek);
  }

  const SIM_Date today = CurrentDate();
  const SIM_Date nextReview = NextReviewDate();
  const SIM_Date gameEnd = GameEndDate();
  const int weatherDays = SIM_Weather::Instance().GetDaysToChange();
};

TEST_F(DateTest, ConstructorKeepsFieldsInRange) {
  SIM_Date a(7, 12, -3);
  EXPECT_EQ(a.GetDay(), 6);
  EXPECT_EQ(a.GetMonth(), 11);
  EXPECT_EQ(a.GetYear(), 0);
  SIM_Date b(-2, -1, 2006);
  EXPECT_EQ(b.GetDay(), 0);
  EXPECT_EQ(b.GetMonth(), 0);
  SIM_Date c;
  EXPECT_EQ(c.GetDaysToFullMoon(), 15);
  EXPECT_FALSE(c.IsFullMoon());
}

TEST_F(DateTest, AddDaysNormalisesAnyCountAndRefreshesThePanel) {
  SIM_Date d(5, 11, 2006);
  d.SetDayOfWeek(4);
  d.AddDays(3);
  EXPECT_TRUE(d.Equals(1, 0, 2007));
  EXPECT_EQ(d.GetDayOfWeek(), 0);
  EXPECT_EQ(CountCalls("GUI_Date::Refresh"), 1);
  d.AddDays(7 * 12 * 2 + 1);  // two years and a day
  EXPECT_TRUE(d.Equals(2, 0, 2009));
  EXPECT_EQ(d.GetDayOfWeek(), 1);
  d.AddDays(-3);
  EXPECT_TRUE(d.Equals(6, 11, 2008));
  EXPECT_EQ(d.GetDayOfWeek(), 5);
}

TEST_F(DateTest, YearEndRunsTheWeeklyStepsInOrder) {
  SetToday(6, 11, 2006, 6);
  CurrentDate().SetDaysToFullMoon(10);
  NextReviewDate() = SIM_Date(3, 3, 2007);
  GameEndDate() = SIM_Date(3, 3, 2016);
  SIM_NPC* npc = SIM_NPC::CreateEmpty();  // the characters' weekly cash comes back
  npc->SetCashPerWeekValue(40.0f);
  npc->SetCash(5.0f);
  // The week's royalties are paid after the calendar, before the date panel.
  SIM_GlobalVariables::Instance().Load();
  SIM_RoyaltyStream* stream = CreateRoyaltyStream("Tune", 100.0f, SIM_RoyaltyStream::kSong);
  CurrentDate().AdvanceDay(1);
  EXPECT_TRUE(CurrentDate().Equals(0, 0, 2007));
  EXPECT_EQ(CurrentDate().GetDayOfWeek(), 0);
  const std::vector<std::string> expected = {
      "GUI_Weather::RefreshTooltip",
      "GUI_Calendar::Refresh",
      "GUI_TextureSet::RefreshWindowTextures", "GUI_Email::AddRoyaltyReport",
      "GUI_Date::Refresh"};
  EXPECT_EQ(TracedCalls(), expected);
  EXPECT_FLOAT_EQ(npc->GetCash(), 40.0f);
  ClearTracedCalls();
  npc->SetCash(5.0f);
  CurrentDate().AdvanceDay(1);  // day of week 1: no weekly steps
  EXPECT_EQ(CountCalls("GUI_Email::AddRoyaltyReport"), 0);
  const float paid = stream->GetTotal();
  EXPECT_GE(paid, 95.0f);
  EXPECT_LE(paid, 110.0f);
  SIM_RoyaltyStream::DeleteAll();
  EXPECT_EQ(CountCalls("GUI_Date::Refresh"), 1);
  EXPECT_FLOAT_EQ(npc->GetCash(), 5.0f);
  SIM_NPC::DeleteAll();
}

TEST_F(DateTest, MoonCountsDownAndWraps) {
  SetToday(0, 0, 2007, 0);
  CurrentDate().SetDaysToFullMoon(1);
  CurrentDate().AdvanceDay(1);
  EXPECT_EQ(CurrentDate().GetDaysToFullMoon(), 0);
  EXPECT_TRUE(CurrentDate().IsFullMoon());
  CurrentDate().AdvanceDay(1);
  EXPECT_EQ(CurrentDate().GetDaysToFullMoon(), 30);
  EXPECT_FALSE(CurrentDate().IsFullMoon());
}

TEST_F(DateTest, TenYearGameHasNineReviewsThenTheEnd) {
  SetStartDate();
  EXPECT_TRUE(CurrentDate().Equals(3, 3, 2006));
  int reviews = 0;
  int days = 0;
  while (!SIM_SIM::Instance().IsGameOver() && days < 10000) {
    CurrentDate().AdvanceDay(1);
    ++days;
    const int shown = CountCalls("GUI_YearlyReview::Show");
    if (shown) {
      ++reviews;
      if (reviews == 1) {
        EXPECT_TRUE(CurrentDate().Equals(3, 3, 2007));
      }
      EXPECT_TRUE(NextReviewDate().Equals(3, 3, CurrentDate().GetYear() + 1));
    }
    ClearTracedCalls();
  }
  EXPECT_EQ(days, 840);
  EXPECT_EQ(reviews, 9);
  EXPECT_TRUE(CurrentDate().Equals(3, 3, 2016));
  EXPECT_TRUE(Screens().IsEndGameOpen());
}

TEST_F(DateTest, EndDayOpensTheEndGameAndNoReview) {
  SetToday(2, 3, 2016, 3);
  NextReviewDate() = SIM_Date(3, 3, 2016);
  GameEndDate() = SIM_Date(3, 3, 2016);
  CurrentDate().AdvanceDay(1);
  EXPECT_EQ(CountCalls("GUI_EndGame::Show"), 1);
  EXPECT_EQ(CountCalls("GUI_YearlyReview::Show"), 0);
  EXPECT_TRUE(SIM_SIM::Instance().IsGameOver());
  // The screen took that day's review: the next is a year on, on the same day, and none
  // opens a day late for a player who keeps on living.
  EXPECT_TRUE(NextReviewDate().Equals(3, 3, 2017));
  CurrentDate().AdvanceDay(1);
  EXPECT_EQ(CountCalls("GUI_YearlyReview::Show"), 0);
}

TEST_F(DateTest, YearsBeforeCountsWholeYears) {
  SetToday(3, 3, 2010, 0);
  EXPECT_EQ(SIM_Date(3, 3, 1980).YearsBefore(), 30);
  EXPECT_EQ(SIM_Date(4, 3, 1980).YearsBefore(), 29);
  EXPECT_EQ(SIM_Date(0, 4, 1980).YearsBefore(), 29);
  EXPECT_EQ(SIM_Date(6, 2, 1980).YearsBefore(), 30);
}

TEST_F(DateTest, CalendarDedupesAndShowsTheComingWeek) {
  SetToday(5, 11, 2006, 2);
  SIM_EventCalendar& calendar = SIM_EventCalendar::Instance();
  calendar.AddEntry(5, 11, 2006, "BOWLING");
  calendar.AddEntry(5, 11, 2006, "BOWLING");
  calendar.AddEntry(1, 0, 2007, "CLASS");   // four days ahead, across the year
  calendar.AddEntry(5, 0, 2007, "LATER");   // eight days ahead
  EXPECT_EQ(calendar.Entries().size(), 3u);
  ASSERT_EQ(calendar.DayList(0).size(), 1u);
  EXPECT_EQ(calendar.DayList(0)[0]->text, "BOWLING");
  ASSERT_EQ(calendar.DayList(3).size(), 1u);
  EXPECT_EQ(calendar.DayList(3)[0]->text, "CLASS");
  EXPECT_TRUE(calendar.WeekDate(6).Equals(4, 0, 2007));
  for (int i = 0; i < 7; ++i)
    for (const auto* e : calendar.DayList(i)) {
      EXPECT_NE(e->text, "LATER");
    }
  EXPECT_GE(CountCalls("GUI_Calendar::Refresh"), 4);

  CurrentDate().AdvanceDay(1);  // yesterday's entry is dropped; LATER comes within the week
  EXPECT_EQ(calendar.Entries().size(), 2u);
  ASSERT_EQ(calendar.DayList(6).size(), 1u);
  EXPECT_EQ(calendar.DayList(6)[0]->text, "LATER");

  calendar.RemoveEntries("CLASS");
  EXPECT_EQ(calendar.Entries().size(), 1u);
  calendar.Reset();
  EXPECT_TRUE(calendar.Entries().empty());
  EXPECT_TRUE(calendar.DayList(6).empty());
}

TEST_F(DateTest, MonthNamesComeFromTheStringsFile) {
  LoadMonthNames();
  EXPECT_EQ(GetMonthName(0), "January");
  EXPECT_EQ(GetMonthName(11), "December");
  EXPECT_EQ(GetMonthName(12), "");
  EXPECT_EQ(CurrentDate().GetMonth(), 9);
}

}  // namespace
