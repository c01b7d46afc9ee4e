// The day cycle: the order of the next-day steps, the end of the game, the day's slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/CallTrace.h"
#include "sim/SIM_AvatarDescription.h"
#include "sim/SIM_Commute.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"
#include "engine/Random.h"
#include "SimTestWorld.h"
#include "support/RecordingScreens.h"

namespace {

// The recorded calls restricted to the given names, in the order they happened.
std::vector<std::string> CallsAmong(const std::vector<std::string>& names) {
  const std::set<std::string> wanted(names.begin(), names.end());
  std::vector<std::string> calls;
  for (const std::string& call : TracedCalls())
    if (wanted.count(call)) calls.push_back(call);
  return calls;
}

int CountCalls(const std::string& name) {
  const auto& calls = TracedCalls();
  return static_cast<int>(std::count(calls.begin(), calls.end(), name));
}

// The day's grind on a player attribute: the effect it left (none before the first day).
const SIM_Effect* Grind(const char* attribute) {
  const std::vector<const SIM_Effect*> effects = PlayerEffects(attribute, "dailygrind");
  return effects.empty() ? nullptr : effects.back();
}

// Saves go to the test's folder, so the autosave can be seen.
class SIM_SIMTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    SIM_SaveGame::SetFolder(dir.Str());
  }
  void TearDown() override {
    SIM_SaveGame::SetFolder("");
    SimWorldTest::TearDown();
  }
  // The day's journey was made: every trip by any way to work tires the player a little.
  static bool Commuted() { return SIM_Commute::Instance().GetAmount(SIM_Commute::kTiredness) > 0.0f; }
  static bool Autosaved() { return std::filesystem::exists(SIM_SaveGame::PathFor("autosave")); }
};

const std::vector<std::string> kWorkdaySteps = {
    "GUI_SoloActivityChooser::Close",
    "GUI_RestaurantChooser::Close",
    "GUI_BookDetails::Close",
    "GUI_RoyaltyReport::Close",
    "GUI_Email::DeleteAll",
    "GUI_Sounds::StopSound data/sounds/telephone.ogg",
    "GUI_SocialInvitation::CloseAll",
    "GUI_PostMortem::Close",
    "GUI_DirtSprites::Refresh",
    "LayOutNPCIcons",
    "GUI_WorkDay::Show",
};


TEST_F(SIM_SIMTest, NextDayRunsEveryStepInItsFixedOrder) {
  ASSERT_EQ(CurrentDate().GetDayOfWeek(), 0);
  ASSERT_FALSE(SIM_NPC::All().empty());
  SIM_NPC* npc = SIM_NPC::All().front();
  const int inviteDays = npc->GetInviteDays();
  const int daysInJob = SIM_Vesk::Instance()->GetJobInstance()->GetDaysInJob();
  SIM_Commute::Instance().Reset();
  SIM_SIM::Instance().NextDay();
  EXPECT_EQ(CallsAmong(kWorkdaySteps), kWorkdaySteps);
  EXPECT_TRUE(Commuted());
  // The work day paid and the job's day was counted.
  EXPECT_GT(SIM_Vesk::Instance()->GetJob()->GetLastPay(), 0.0f);
  EXPECT_EQ(SIM_Vesk::Instance()->GetJobInstance()->GetDaysInJob(), daysInJob + 1);
  EXPECT_EQ(npc->GetInviteDays(), inviteDays + 1);  // the characters' day
  EXPECT_EQ(CurrentDate().GetDayOfWeek(), 1);
  // The grind on the player, and the autosave after the summary opened.
  for (const char* attribute : {"loneliness", "boredom"}) {
    const SIM_Effect* grind = Grind(attribute);
    ASSERT_NE(grind, nullptr) << attribute;
    EXPECT_FLOAT_EQ(grind->GetAmount(), 0.1f);
    EXPECT_FLOAT_EQ(grind->GetDegrade(), 0.5f);
  }
  EXPECT_TRUE(Autosaved());
  // The summary is open and the day waits for it: phase 0 until it is closed.
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_DAYSTART);
  EXPECT_TRUE(testsupport::RecordingScreens::Instance().IsWorkDayOpen());
  ClearTracedCalls();
  testsupport::RecordingScreens::Instance().AnswerScreens();
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_ACTIVITIES);
  // Opening the activities ran the day's special-event check.
  EXPECT_TRUE(SIM_SpecialEvent::IsDayChecked());
  // The description was rebuilt from the day's player: not empty, every placeholder filled.
  EXPECT_FALSE(SIM_AvatarDescription::GetText().empty());
  EXPECT_EQ(SIM_AvatarDescription::GetText().find('<'), std::string::npos);
}

// An earlier test that stopped half-way may leave the simulation started, with options that
// are not this test's (none read: autosave off, the easiest game). The day's rules above must
// not depend on that: the fixture starts the simulation afresh from this test's own folder.
TEST_F(SIM_SIMTest, ADayIsTheSameAfterAnEarlierTestLeftTheSimulationStarted) {
  SIM_SIM::Instance().Shutdown();
  SIM_PlayerOptions::Instance().SetFolder("");
  SIM_SIM::Instance().Init();
  SIM_PlayerOptions::Instance().Clear();
  ASSERT_FALSE(SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableAutosave));
  SIM_SIMTest::SetUp();
  SIM_SIM::Instance().NextDay();
  EXPECT_TRUE(Autosaved());
  for (const char* attribute : {"loneliness", "boredom"}) {
    ASSERT_NE(Grind(attribute), nullptr) << attribute;
    EXPECT_FLOAT_EQ(Grind(attribute)->GetAmount(), 0.1f) << attribute;
  }
}

TEST_F(SIM_SIMTest, TheGrindFollowsTheDifficulty) {
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, 1.0f);
  SIM_SIM::Instance().NextDay();
  for (const char* attribute : {"loneliness", "boredom"}) {
    ASSERT_NE(Grind(attribute), nullptr) << attribute;
    EXPECT_FLOAT_EQ(Grind(attribute)->GetAmount(), 0.15f);
  }
}

TEST_F(SIM_SIMTest, TheEndGameDayWaitsAfterTheDateAdvanceUntilKeepOnLiving) {
  CurrentDate() = SIM_Date(2, 3, 2016);
  SIM_SIM::Instance().SetActs(2, 2);
  SIM_SIM::Instance().NextDay();
  EXPECT_TRUE(Screens().IsEndGameOpen());
  EXPECT_TRUE(SIM_SIM::Instance().IsGameOver());
  EXPECT_EQ(CountCalls("GUI_YearlyReview::Show"), 0);
  // Nothing after the date: slots, grind, work, summary and autosave stay untouched.
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 2);
  for (const char* later : {"GUI_WorkDay::Show", "LayOutNPCIcons"})
    EXPECT_EQ(CountCalls(later), 0) << later;
  EXPECT_FALSE(Commuted());
  EXPECT_EQ(Grind("loneliness"), nullptr);
  EXPECT_FALSE(Autosaved());

  // Keep on living: the day is finished as any other, with its slots, grind and summary.
  SIM_SIM::Instance().KeepOnLiving();
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
  EXPECT_EQ(CountCalls("GUI_WorkDay::Show"), 1);
  EXPECT_NE(Grind("loneliness"), nullptr);
  SIM_SIM::Instance().KeepOnLiving();  // once
  EXPECT_EQ(CountCalls("GUI_WorkDay::Show"), 1);
}

TEST_F(SIM_SIMTest, AWeekdayWithAJobHasOneSlotAndTheWeekendTwo) {
  SIM_SIM::Instance().NextDay();  // day of week 1
  EXPECT_EQ(SIM_SIM::Instance().GetActsPerDay(), 1);
  EXPECT_TRUE(SIM_SIM::Instance().IsLastAct());
  CurrentDate().SetDayOfWeek(4);
  SIM_SIM::Instance().NextDay();  // day of week 5
  EXPECT_EQ(SIM_SIM::Instance().GetActsPerDay(), 2);
  EXPECT_EQ(SIM_SIM::Instance().GetActsLeft(), 2);
  EXPECT_FALSE(SIM_SIM::Instance().IsLastAct());
  ClearTracedCalls();
  const int daysInJob = SIM_Vesk::Instance()->GetJobInstance()->GetDaysInJob();
  SIM_Commute::Instance().Reset();
  SIM_SIM::Instance().NextDay();  // day of week 6: still the weekend, and no work
  EXPECT_EQ(SIM_SIM::Instance().GetActsPerDay(), 2);
  EXPECT_EQ(SIM_Vesk::Instance()->GetJobInstance()->GetDaysInJob(), daysInJob);
  EXPECT_FALSE(Commuted());
}

TEST_F(SIM_SIMTest, APlayerWithoutWorkHasTwoSlotsAndTheBenefit) {
  SIM_Vesk::Instance()->SetJob(SIM_JobBase::FindByName("unemployed"));
  const float cash = SIM_Finances::Instance().GetCash();
  SIM_Commute::Instance().Reset();
  SIM_SIM::Instance().NextDay();
  EXPECT_EQ(SIM_SIM::Instance().GetActsPerDay(), 2);
  EXPECT_FALSE(Commuted());
  EXPECT_EQ(SIM_Vesk::Instance()->GetJobInstance()->GetDaysInJob(), 0);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash() - cash, 12.0f);
}

TEST_F(SIM_SIMTest, AnIllPlayerSkipsOnlyTheCommuteAndWork) {
  // Ill for days yet: the morning's recovery step does not make the player well.
  SIM_Health::Instance().SetState(SIM_Health::kStressed);
  SIM_Health::Instance().SetDuration(5);
  const int daysInJob = SIM_Vesk::Instance()->GetJobInstance()->GetDaysInJob();
  SIM_Commute::Instance().Reset();
  SIM_SIM::Instance().NextDay();
  EXPECT_EQ(CallsAmong(kWorkdaySteps), kWorkdaySteps);
  EXPECT_FALSE(Commuted());
  EXPECT_EQ(SIM_Vesk::Instance()->GetJobInstance()->GetDaysInJob(), daysInJob);
}

TEST_F(SIM_SIMTest, AutosaveRunsOnlyWithItsToggle) {
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
  SIM_SIM::Instance().NextDay();
  EXPECT_FALSE(Autosaved());
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, true);
  SIM_SIM::Instance().NextDay();
  EXPECT_TRUE(Autosaved());
}

TEST_F(SIM_SIMTest, EndActUsesEachSlotOnceAndEndsTheDayOnce) {
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.SetActs(2, 0);
  sim.SetPhase(PHASE_ACTIVITIES);
  ClearTracedCalls();
  sim.EndAct();
  EXPECT_EQ(sim.GetActsUsed(), 1);
  EXPECT_TRUE(sim.IsLastAct());
  EXPECT_EQ(sim.GetPhase(), PHASE_ACTIVITIES);
  EXPECT_TRUE(TracedCalls().empty());  // a slot that leaves more changes nothing else
  ClearTracedCalls();
  ASSERT_FALSE(SIM_NPC::All().empty());
  SIM_NPC::All().front()->SetInvitedToday(true);
  sim.EndAct();
  EXPECT_EQ(sim.GetPhase(), PHASE_DAYOVER);
  EXPECT_FALSE(SIM_NPC::All().front()->IsInvitedToday());
  const std::vector<std::string> dayOver = {"GUI_ControlPanel::OnActsUsedUp"};
  EXPECT_EQ(TracedCalls(), dayOver);
  // A further end (an activity that tried to end its slot twice) changes nothing.
  ClearTracedCalls();
  sim.EndAct();
  EXPECT_EQ(sim.GetActsUsed(), 2);
  EXPECT_EQ(sim.GetActsLeft(), 0);
  EXPECT_TRUE(TracedCalls().empty());
}

TEST_F(SIM_SIMTest, OneSlotDaysAreAlwaysOnTheLastAct) {
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.SetActs(1, 0);
  EXPECT_TRUE(sim.IsLastAct());
  sim.EndAct();
  EXPECT_TRUE(sim.IsLastAct());
  EXPECT_EQ(sim.GetPhase(), PHASE_DAYOVER);
}

TEST_F(SIM_SIMTest, NewGameStartsWithOneSlotInTheActivityPhase) {
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.SetActs(2, 2);
  sim.SetGameOver(true);
  sim.NewGame();
  EXPECT_EQ(sim.GetActsPerDay(), 1);
  EXPECT_EQ(sim.GetActsUsed(), 0);
  EXPECT_EQ(sim.GetPhase(), PHASE_ACTIVITIES);
  EXPECT_FALSE(sim.IsGameOver());
  EXPECT_TRUE(CurrentDate().Equals(3, 3, 2006));
}

TEST_F(SIM_SIMTest, InitRunsOnceAndShutdownWritesTheOptions) {
  ClearTracedCalls();
  SIM_SIM::Instance().Init();
  EXPECT_TRUE(TracedCalls().empty());
  const auto file = dir.Path() / "player_options.txt";
  std::filesystem::remove(file);
  SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kSnowfall, 0.25f);
  SIM_SIM::Instance().Shutdown();
  EXPECT_FALSE(SIM_SIM::Instance().IsInitialised());
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_NE(testsupport::ReadFile(file).find("SNOWFALL = 0.25\n"), std::string::npos);
  SIM_SIM::Instance().Init();
  EXPECT_TRUE(SIM_SIM::Instance().IsInitialised());
}

TEST_F(SIM_SIMTest, TheSameSeedReplaysTheSameDays) {
  auto play = [] {
    // A new game starts without the last game's weather spell: the first day rolls one.
    SIM_Weather::Instance().SetDaysToChange(3);
    SIM_SIM::Instance().NewGame();
    EXPECT_EQ(SIM_Weather::Instance().GetDaysToChange(), 0);
    std::vector<int> weather;
    for (int day = 0; day < 60; ++day) {
      SIM_SIM::Instance().NextDay();
      testsupport::RecordingScreens::Instance().AnswerScreens();
      weather.push_back(SIM_Weather::Instance().GetType());
    }
    return weather;
  };
  SeedRandom(99);
  const auto first = play();
  SeedRandom(99);
  EXPECT_EQ(play(), first);
}

}  // namespace
