// Activity types: prerequisites, seasons, day flags, the last-act rule, the outdoors rule and
// the quality of an evening.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/CallTrace.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_TimeChunk.h"
#include "sim/SIM_TimeChunkType.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"
#include "SimTestWorld.h"

namespace {

using SIM_TimeChunkTypeTest = SimWorldTest;

TEST_F(SIM_TimeChunkTypeTest, PrerequisitesCompareAtLeastOrAtMostIncludingEquality) {
  SIM_TimeChunkType type;
  type.AddPrerequisite("culture,0.5", false, false);
  SIM_Vesk::Instance()->SetValue("culture", 0.5f);
  EXPECT_TRUE(type.ArePrerequisitesMet());
  SIM_Vesk::Instance()->SetValue("culture", 0.49f);
  EXPECT_FALSE(type.ArePrerequisitesMet());

  SIM_TimeChunkType below;
  below.AddPrerequisite("stress,0.3", true, true);
  ASSERT_EQ(below.GetPrerequisites().size(), 1u);
  EXPECT_TRUE(below.GetPrerequisites()[0]->IsFirst());
  SIM_Vesk::Instance()->SetValue("stress", 0.3f);
  EXPECT_TRUE(below.ArePrerequisitesMet());
  SIM_Vesk::Instance()->SetValue("stress", 0.31f);
  EXPECT_FALSE(below.ArePrerequisitesMet());
}

TEST_F(SIM_TimeChunkTypeTest, PlayerValuesComeBeforeGlobalValuesAndUnknownNamesFail) {
  SIM_TimeChunkType type;
  type.AddPrerequisite("guitar,1", false, false);
  EXPECT_FALSE(type.ArePrerequisitesMet());  // found nowhere
  SetGlobalValue("guitar", 1.0f);
  EXPECT_TRUE(type.ArePrerequisitesMet());
  SIM_Vesk::Instance()->SetValue("guitar", 0.0f);  // the player's value wins
  EXPECT_FALSE(type.ArePrerequisitesMet());

  SIM_TimeChunkType below;
  below.AddPrerequisite("nosuchvalue,0.5", false, true);
  EXPECT_FALSE(below.ArePrerequisitesMet());
}

TEST_F(SIM_TimeChunkTypeTest, TheStandingScoreIgnoresTheBelowFlag) {
  // The score is 0 in a new game.
  SIM_TimeChunkType low;
  low.AddPrerequisite("tovel,0", false, true);
  EXPECT_TRUE(low.ArePrerequisitesMet());
  SIM_TimeChunkType high;
  high.AddPrerequisite("tovel,10", false, true);  // "at most 10" would hold; it means at least
  EXPECT_FALSE(high.ArePrerequisitesMet());
}

TEST_F(SIM_TimeChunkTypeTest, ShortPrerequisiteTextsAreIgnoredAndLongNamesCut) {
  SIM_TimeChunkType type;
  type.AddPrerequisite("a,", false, false);
  type.AddPrerequisite("x,0.5", false, false);
  type.AddPrerequisite("", false, false);
  EXPECT_TRUE(type.GetPrerequisites().empty());
  type.AddPrerequisite(std::string(100, 'n') + ",0.25", false, false);
  ASSERT_EQ(type.GetPrerequisites().size(), 1u);
  EXPECT_EQ(type.GetPrerequisites()[0]->GetName(), std::string(63, 'n'));
  EXPECT_FLOAT_EQ(type.GetPrerequisites()[0]->GetThreshold(), 0.25f);
}

TEST_F(SIM_TimeChunkTypeTest, MonthWindowsDoNotWrapPastTheYearEnd) {
  SIM_TimeChunkType wrapped, spring, always;
  wrapped.SetMonthWindow(11, 1);
  spring.SetMonthWindow(3, 5);
  always.SetMonthWindow(4, -1);
  for (int month = 0; month < 12; ++month) {
    CurrentDate() = SIM_Date(0, month, 2006);
    EXPECT_FALSE(wrapped.IsInSeason()) << month;
    EXPECT_EQ(spring.IsInSeason(), month >= 3 && month <= 5) << month;
    EXPECT_TRUE(always.IsInSeason()) << month;
  }
}

TEST_F(SIM_TimeChunkTypeTest, AvailabilityNeedsTheDayTheSeasonAndThePrerequisites) {
  SIM_TimeChunkType type;
  type.SetTypeName("reading");
  type.EnableDay(2);
  type.EnableDay(7);  // ignored
  CurrentDate().SetDayOfWeek(2);
  EXPECT_TRUE(type.IsAvailableToday());
  CurrentDate().SetDayOfWeek(3);
  EXPECT_FALSE(type.IsAvailableToday());
  EXPECT_FALSE(type.IsDayEnabled(7));
  CurrentDate().SetDayOfWeek(2);
  type.AddPrerequisite("fitness,0.9", false, false);
  EXPECT_FALSE(type.IsAvailableToday());
}

TEST_F(SIM_TimeChunkTypeTest, TheBowlingMatchIsOfferedOnlyToATeamMemberForTheLastSlot) {
  SIM_TimeChunkType bowling;
  bowling.SetTypeName("bowlingmatch");
  for (int day = 0; day < 7; ++day) bowling.EnableDay(day);
  // A player on no team is never offered the match, whatever the day and the slot.
  SIM_SIM::Instance().SetActs(1, 0);
  EXPECT_FALSE(bowling.IsAvailableToday());
  SIM_BowlingTeam::Instance().Join();
  SIM_SIM::Instance().SetActs(2, 0);
  EXPECT_FALSE(bowling.IsAvailableToday());
  SIM_SIM::Instance().SetActs(2, 1);
  EXPECT_TRUE(bowling.IsAvailableToday());
  SIM_SIM::Instance().SetActs(1, 0);
  EXPECT_TRUE(bowling.IsAvailableToday());
  SIM_BowlingTeam::Instance().Leave();
  EXPECT_FALSE(bowling.IsAvailableToday());
}

TEST_F(SIM_TimeChunkTypeTest, RainAboveAQuarterBringsAColdAndTheOutdoorsFlagIsCleared) {
  // A player of no health at all catches every cold going.
  SIM_Vesk::Instance()->SetValue("health", 0.0f);
  SIM_Health& health = SIM_Health::Instance();
  health.SetHealthyForTesting(true);
  SIM_SIM::Instance().SetActs(2, 0);
  SIM_Weather::Instance().SetWeather(WEATHER_RAIN, 0.25f);
  SetGlobalValue("glob_outdoors", 1.0f);
  SIM_TimeChunk().Run();
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  EXPECT_FALSE(GlobalNamedValues().IsSet("glob_outdoors"));
  EXPECT_TRUE(health.IsHealthy());

  SIM_Weather::Instance().SetWeather(WEATHER_RAIN, 0.26f);
  SetGlobalValue("glob_outdoors", 1.0f);
  SIM_TimeChunk().Run();
  EXPECT_FALSE(GlobalNamedValues().IsSet("glob_outdoors"));
  EXPECT_EQ(health.GetState(), SIM_Health::kSneezing);

  health.SetHealthyForTesting(true);
  SIM_SIM::Instance().SetActs(2, 0);
  SIM_TimeChunk().Run();  // indoors: no cold whatever the rain
  EXPECT_TRUE(health.IsHealthy());
}

TEST_F(SIM_TimeChunkTypeTest, QualityAddsWeightedValuesAndARandomShareOfAtMostOne) {
  SIM_TimeChunkType evening;
  evening.AddQualityFactors("happiness,2,glob_dirt,-1,unknown,5");
  SIM_Vesk::Instance()->SetValue("happiness", 0.25f);
  SetGlobalValue("glob_dirt", 0.5f);
  EXPECT_FLOAT_EQ(evening.EvaluateQuality(), 0.0f);  // 0.5 - 0.5 + nothing
  ASSERT_EQ(evening.GetQualityFactors().size(), 3u);

  SIM_TimeChunkType random;
  random.AddQualityFactors("_random,2");
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 0.0f);
  float highest = 0.0f;
  for (int i = 0; i < 500; ++i) {
    const float q = random.EvaluateQuality();
    EXPECT_GE(q, 0.0f);
    EXPECT_LE(q, 1.0f);
    highest = std::max(highest, q);
  }
  EXPECT_FLOAT_EQ(highest, 1.0f);  // weight 2 at the easiest setting often passes 1
}

TEST_F(SIM_TimeChunkTypeTest, AShortQualityFactorNameIsReportedAndKept) {
  std::string report;
  SetAssertionHandler([&](const std::string& text) { report = text; });
  SIM_TimeChunkType evening;
  evening.AddQualityFactors("x,1");
  SetAssertionHandler(nullptr);
  EXPECT_FALSE(report.empty());
  EXPECT_EQ(evening.GetQualityFactors().size(), 1u);
}

TEST_F(SIM_TimeChunkTypeTest, CultureIsMetUnlessAPrerequisiteAsksForMore) {
  SIM_TimeChunkType opera;
  EXPECT_TRUE(opera.IsCultureMetBy(0.0f));
  opera.AddPrerequisite("culture,0.6", false, false);
  EXPECT_TRUE(opera.IsCultureMetBy(0.6f));
  EXPECT_FALSE(opera.IsCultureMetBy(0.59f));
}

}  // namespace
