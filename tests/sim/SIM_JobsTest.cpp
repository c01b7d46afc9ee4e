// Jobs: the catalogue and its tables, a mod job, the job instance's promotion and contract
// end, and the job's state through a save and a load.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/Files.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Industry.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "engine/Translate.h"
#include "sim/SimTestWorld.h"
#include "support/RecordingScreens.h"
#include "sim/SIM_SmallTalk.h"

// How many news records of the key the small talk holds.
inline int NewsCount(const std::string& key) {
  int n = 0;
  for (const SIM_SmallTalk::News& news : SIM_SmallTalk::AllNews()) n += news.key == key ? 1 : 0;
  return n;
}


namespace {

int CountCalls(const std::string& name) {
  const auto& calls = TracedCalls();
  return static_cast<int>(std::count(calls.begin(), calls.end(), name));
}

class JobsTest : public SimWorldTest {
 protected:
  // Gives the player a job and a full history of the given performance.
  SIM_JobInstance* Hold(SIM_JobBase* job, float performance) {
    SIM_Vesk::Instance()->SetJob(job);
    SIM_JobInstance* held = SIM_Vesk::Instance()->GetJobInstance();
    std::array<SIM_JobInstance::Performance, SIM_JobInstance::kHistory> history;
    history.fill({true, performance});
    held->SetHistory(history);
    return held;
  }
  testsupport::ScopedScreens screens{&testsupport::RecordingScreens::Instance()};
};

TEST_F(JobsTest, TheTablesGiveTheCatalogueIndustriesAndLockedJobs) {
  const auto all = SIM_JobBase::All();
  EXPECT_GE(all.size(), 40u);
  EXPECT_GE(SIM_Industry::All().size(), 10u);
  SIM_JobBase* waiter = SIM_JobBase::FindDefaultJob();
  ASSERT_NE(waiter, nullptr);
  EXPECT_EQ(waiter->GetName(), "waiter_0");
  EXPECT_GT(waiter->GetMaxTip(), waiter->GetMinTip());
  EXPECT_TRUE(SIM_JobBase::FindByName("unemployed")->IsDayFree());
  EXPECT_EQ(SIM_JobBase::FindByName("no_such_job"), nullptr);
  {
    testsupport::FatalCatcher catcher;
    EXPECT_THROW(SIM_JobBase::FindByName("no_such_job", true), testsupport::FatalStop);
  }
  // A job without tips never has today's tip.
  SIM_JobBase* clerk = SIM_JobBase::FindByName("bank_clerk");
  ASSERT_NE(clerk, nullptr);
  Hold(clerk, 0.5f);
  clerk->ComputeDailyPay();
  EXPECT_EQ(clerk->GetTodaysTip(), -1.0f);
  // Every industry has jobs (acting and music those of the pool), and a shipped icon and offer
  // picture; every promotion attribute is one of the player's; every table job in the locked
  // list is locked.
  for (const SIM_Industry* industry : SIM_Industry::All()) {
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const SIM_JobBase* j) {
      return j->GetIndustryName() == industry->GetName();
    })) << industry->GetName();
    EXPECT_EQ(industry->GetIconName(), "jobs_" + industry->GetName() + ".bmp");
    EXPECT_TRUE(plat::PathExists("data/bitmaps/jobs/" + industry->GetIconName())) << industry->GetName();
    // Each industry's offer letter has its own picture.
    EXPECT_FALSE(industry->GetOfferPicture().empty()) << industry->GetName();
    EXPECT_TRUE(plat::PathExists("data/bitmaps/jobs/" + industry->GetOfferPicture()))
        << industry->GetOfferPicture();
  }
  for (const SIM_JobBase* job : all)
    for (int i = 0; i < 3; ++i)
      EXPECT_NE(SIM_Vesk::Instance()->GetNamedValue(job->GetPromoteAttribute(i), false), nullptr)
          << job->GetName() << " " << job->GetPromoteAttribute(i);
  for (const SIM_JobBase* job : SIM_JobBase::LockedJobs()) EXPECT_TRUE(job->IsLocked());
  EXPECT_NE(SIM_JobBase::FindByName("food_critic"), nullptr);
  EXPECT_TRUE(SIM_JobBase::FindByName("food_critic")->IsLocked());
  // Each locked job can be handed to a character, once.
  std::vector<SIM_JobBase*> handed;
  while (!SIM_JobBase::LockedJobs().empty()) {
    const size_t before = SIM_JobBase::LockedJobs().size();
    SIM_NPC* npc = SIM_NPC::All().front();
    SIM_JobBase::AssignLockedJobToNpc(npc);
    ASSERT_EQ(SIM_JobBase::LockedJobs().size(), before - 1);
    ASSERT_NE(npc->GetUnlockableJob(), nullptr);
    handed.push_back(npc->GetUnlockableJob());
  }
  std::sort(handed.begin(), handed.end());
  EXPECT_EQ(std::adjacent_find(handed.begin(), handed.end()), handed.end());
}

TEST_F(JobsTest, SearchAndApplyFollowOpeningsCooldownsAndTheCurrentJob) {
  SIM_JobBase* waiter = SIM_JobBase::FindByName("waiter_0");
  SIM_JobBase* barista = SIM_JobBase::FindByName("barista");
  SIM_JobBase* chef = SIM_JobBase::FindByName("head_chef");
  for (SIM_JobBase* job : SIM_JobBase::All()) job->SetOpenToday(true);
  SIM_Vesk::Instance()->SetJob(waiter);
  SIM_Vesk::Instance()->SetValue("culture", 0.0f);
  SIM_JobBase::SearchJobs("hospitality", false);
  auto result = SIM_JobBase::SearchResult();
  EXPECT_EQ(std::count(result.begin(), result.end(), waiter), 0);  // never the current job
  EXPECT_EQ(std::count(result.begin(), result.end(), chef), 1);
  SIM_JobBase::SearchJobs("hospitality", true);
  result = SIM_JobBase::SearchResult();
  EXPECT_EQ(std::count(result.begin(), result.end(), chef), 0);  // prerequisites unmet
  EXPECT_FALSE(chef->CanApply());
  EXPECT_TRUE(barista->CanApply());
  barista->StartApplyCooldown();
  EXPECT_FALSE(barista->CanApply());
  for (int day = 0; day < SIM_JobBase::kApplyCooldownDays; ++day) {
    SIM_JobBase::SearchJobs("hospitality", false);
    result = SIM_JobBase::SearchResult();
    EXPECT_EQ(std::count(result.begin(), result.end(), barista), 0) << day;
    SIM_JobBase::CountDownCooldowns();
  }
  EXPECT_TRUE(barista->CanApply());
}

// The day's openings are rolled before the acting and music pool is topped up: a job the pool
// makes rolls its own, so the search lists the stage and the bands every morning.
TEST_F(JobsTest, EveryActingAndMusicJobIsOpenOnTheDayItIsMade) {
  for (int day = 0; day < 3; ++day) {
    int closed = 0;
    for (const SIM_EntertainJob* job : SIM_EntertainJob::All()) closed += job->IsOpenToday() ? 0 : 1;
    EXPECT_EQ(closed, 0) << "day " << day;
    SIM_SIM::Instance().NextDay();
  }
}

TEST_F(JobsTest, PromotionNeedsAFullGoodHistoryTheGapAndASalaryRange) {
  SIM_JobBase* waiter = SIM_JobBase::FindByName("waiter_0");
  SIM_JobInstance* held = Hold(waiter, 1.0f);
  EXPECT_FLOAT_EQ(held->GetSalary(), waiter->GetMinSalary());
  held->SetLevel(5);
  EXPECT_FLOAT_EQ(held->GetSalary(), waiter->GetMaxSalary());
  EXPECT_FALSE(held->TryPromotion());  // the top grade
  held->SetLevel(0);
  held->SetDaysSincePromotion(0);
  EXPECT_FALSE(held->TryPromotion());  // too soon
  held->SetDaysSincePromotion(1000);
  bool promoted = false;
  for (int day = 0; day < 2000 && !promoted; ++day) promoted = held->TryPromotion();
  ASSERT_TRUE(promoted);
  EXPECT_EQ(held->GetLevel(), 1);
  EXPECT_EQ(held->GetDaysSincePromotion(), 0);
  EXPECT_EQ(CountCalls("GUI_WorkDay::AddLine 7 0"), 1);
  EXPECT_EQ(CountCalls("GUI_FMVScreen::Show FMV_PROMOTED"), 1);
  EXPECT_EQ(NewsCount("SMALLTALK_PROMOTION"), 1);
  // A history of fewer than ten days, or below a quarter, never promotes.
  std::array<SIM_JobInstance::Performance, SIM_JobInstance::kHistory> short_history{};
  short_history[0] = {true, 1.0f};
  held->SetHistory(short_history);
  held->SetDaysSincePromotion(1000);
  for (int i = 0; i < 500; ++i) EXPECT_FALSE(held->TryPromotion());
  held = Hold(waiter, 0.2f);
  held->SetDaysSincePromotion(1000);
  for (int i = 0; i < 500; ++i) EXPECT_FALSE(held->TryPromotion());
  // One fixed salary never promotes.
  held = Hold(SIM_JobBase::FindByName("temp_fruit_picker"), 1.0f);
  held->SetDaysSincePromotion(1000);
  for (int i = 0; i < 500; ++i) EXPECT_FALSE(held->TryPromotion());
}

// With a full history, room to rise, the gap since the last rise and a salary range, the
// chance of a rise is the average performance over twenty, for an average of a quarter or
// more. A rise is felt in the pay: the waiter's 14,000..21,000 rises 1,400 a grade.
TEST_F(JobsTest, APromotionComesFromAQuarterOnWithTheAverageOverTwentyAsItsChance) {
  struct Case {
    const char* what;
    float average;
    float draw;
    bool promoted;
  };
  const Case cases[] = {
      {"exactly a quarter, a lucky day", 0.25f, 0.0f, true},
      {"exactly a quarter, a draw under 0.0125", 0.25f, 0.012f, true},
      {"exactly a quarter, a draw over 0.0125", 0.25f, 0.0135f, false},
      {"just under a quarter, however lucky", 0.24f, 0.0f, false},
      {"a perfect record, a draw under 0.05", 1.0f, 0.049f, true},
      {"a perfect record, a draw over 0.05", 1.0f, 0.051f, false},
      {"a middling record, a draw under 0.025", 0.5f, 0.024f, true},
      {"a middling record, a draw over 0.025", 0.5f, 0.026f, false},
  };
  SIM_JobBase* waiter = SIM_JobBase::FindByName("waiter_0");
  ASSERT_NE(waiter, nullptr);
  ASSERT_EQ(waiter->GetMinSalary(), 14000.0f);
  ASSERT_EQ(waiter->GetMaxSalary(), 21000.0f);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SIM_JobInstance* held = Hold(waiter, c.average);
    held->SetDaysSincePromotion(1000);
    ASSERT_FLOAT_EQ(held->GetAveragePerformance(), c.average);
    SetRandomState(StateDrawingUnit(c.draw));
    EXPECT_EQ(held->TryPromotion(), c.promoted);
    EXPECT_EQ(held->GetLevel(), c.promoted ? 1 : 0);
    EXPECT_FLOAT_EQ(held->GetSalary(), c.promoted ? 15400.0f : 14000.0f);
  }
}

// ---- The work day: pay, tips, performance, colleagues ----

// The yearly salary is paid over the working days of a year, 365 * 5 / 7 of them, and only
// the disposable share of it reaches the player's cash; a job with tips adds a tip that follows
// the player's mood and a draw of 0.9..1.1. The figures below are worked out by hand: a
// salary of 36,500 a year is 140 a working day, 51,100 is 196 and 73,000 is 280.
TEST_F(JobsTest, ADaysPayIsTheDisposableShareOfTheSalaryPerWorkingDayPlusAMoodyTip) {
  struct Case {
    const char* what;
    int level;
    float minTip, maxTip;
    float happiness, tiredness, stress;
    float draw;          // the unit draw behind the tip's 0.9..1.1
    float salaryPerDay;  // before the disposable share
    float tip;           // -1: the job has no tips
  };
  const Case cases[] = {
      {"no tips, first grade", 0, 0, 0, 0.5f, 0.5f, 0.5f, 0.0f, 140.0f, -1.0f},
      {"no tips, second of five steps", 2, 0, 0, 0.5f, 0.5f, 0.5f, 0.0f, 196.0f, -1.0f},
      {"no tips, top grade", 5, 0, 0, 0.5f, 0.5f, 0.5f, 0.0f, 280.0f, -1.0f},
      // mood 0.75 + 0.25 = 1, factor 0.9: 10 + 20 * 0.9
      {"cheerful and rested, low draw", 0, 10, 30, 1.0f, 0.0f, 0.0f, 0.0f, 140.0f, 28.0f},
      // factor 1.1: 10 + 20 * 1.1, above the maximum (a tip is not clamped)
      {"cheerful and rested, high draw", 0, 10, 30, 1.0f, 0.0f, 0.0f, 1.0f, 140.0f, 32.0f},
      // mood 0.75 + 0.125 - 0.35 = 0.525; 10 + 20 * 0.9 * 0.525
      {"worn out", 0, 10, 30, 0.5f, 1.0f, 0.0f, 0.0f, 140.0f, 19.45f},
      // mood 0.75 + 0.125 - 0.4 = 0.475; 10 + 20 * 0.9 * 0.475
      {"stressed", 0, 10, 30, 0.5f, 0.0f, 1.0f, 0.0f, 140.0f, 18.55f},
      // mood 0.75 + 0.15 - 0.175 - 0.1 = 0.625; 10 + 20 * 1.1 * 0.625
      {"a bit of everything", 0, 10, 30, 0.6f, 0.5f, 0.25f, 1.0f, 140.0f, 23.75f},
      // mood 0.75 - 0.35 - 0.4 = 0: the least tip there is
      {"miserable", 0, 10, 30, 0.0f, 1.0f, 1.0f, 1.0f, 140.0f, 10.0f},
      // a grade up and tips together: 196 a day and 4 + 8 * 0.9
      {"tips at the third grade", 2, 4, 12, 1.0f, 0.0f, 0.0f, 0.0f, 196.0f, 11.2f},
  };
  const float disposable = SIM_GlobalVariables::Instance().Get("GV_FIN_DISPOSABLEPERC");
  ASSERT_GT(disposable, 0.0f);
  SIM_JobBase* job = SIM_JobBase::FindByName("bank_clerk");
  ASSERT_NE(job, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    job->SetSalaryRange(36500.0f, 73000.0f);
    job->SetTips(c.minTip, c.maxTip);
    SIM_JobInstance* held = Hold(job, 0.5f);
    held->SetLevel(c.level);
    SIM_Vesk* player = SIM_Vesk::Instance();
    player->SetValue("happiness", c.happiness);
    player->SetValue("tiredness", c.tiredness);
    player->SetValue("stress", c.stress);
    SetRandomState(StateDrawingUnit(c.draw));
    const float expected = disposable * c.salaryPerDay + std::max(c.tip, 0.0f);
    EXPECT_NEAR(job->ComputeDailyPay(), expected, 0.002f);
    if (c.tip < 0.0f) {
      EXPECT_EQ(job->GetTodaysTip(), -1.0f);
    } else {
      EXPECT_NEAR(job->GetTodaysTip(), c.tip, 0.002f);
    }

    // The work day pays exactly that into the player's cash, on a weekday only.
    CurrentDate().SetDayOfWeek(2);
    SetRandomState(StateDrawingUnit(c.draw));
    float cash = SIM_Finances::Instance().GetCash();
    job->WorkDay();
    EXPECT_NEAR(job->GetLastPay(), expected, 0.002f);
    EXPECT_NEAR(SIM_Finances::Instance().GetCash() - cash, expected, 0.01f);
    for (int weekend : {5, 6}) {
      CurrentDate().SetDayOfWeek(weekend);
      cash = SIM_Finances::Instance().GetCash();
      job->WorkDay();
      EXPECT_EQ(SIM_Finances::Instance().GetCash(), cash) << "day " << weekend;
    }
    job->SetTips(0.0f, 0.0f);
  }
  // A purse at its limit takes nothing more: the day's pay and tips are what it took.
  job->SetTips(10.0f, 30.0f);
  CurrentDate().SetDayOfWeek(2);
  SIM_Finances::Instance().SetCash(SIM_Finances::kMostCash);
  job->WorkDay();
  EXPECT_EQ(job->GetLastPay(), 0.0f);
  EXPECT_EQ(job->GetTodaysTip(), 0.0f);
  job->SetTips(0.0f, 0.0f);
}

// The day's performance is a draw moved by the difficulty, pushed 0.2 further from the middle
// and held to 0..1; the player's happiness follows it by half its distance from 0.5.
TEST_F(JobsTest, TheWorkDaysPerformanceAndItsHappinessFollowTheDrawAndTheDifficulty) {
  struct Case {
    float draw, difficulty;
    float performance;  // worked out by hand
  };
  const Case cases[] = {
      {1.0f, 0.0f, 1.0f},     // 1 - 0.2 = 0.8, + 0.2
      {0.0f, 1.0f, 0.0f},     // 0.4 - 0.2 = 0.2, - 0.2
      {0.6f, 0.5f, 0.8f},     // 0.6 + 0.2 - 0.2 = 0.6, + 0.2
      {0.35f, 0.5f, 0.15f},   // 0.35, - 0.2
      {0.45f, 0.75f, 0.75f},  // 0.45 + 0.3 - 0.2 = 0.55, + 0.2
      {0.3f, 0.25f, 0.0f},    // 0.3 + 0.1 - 0.2 = 0.2, - 0.2
      {0.2f, 1.0f, 0.2f},     // 0.2 + 0.4 - 0.2 = 0.4, - 0.2
  };
  SIM_JobBase* job = SIM_JobBase::FindByName("bank_clerk");  // no tips: the first draw is the day's
  ASSERT_NE(job, nullptr);
  ASSERT_EQ(job->GetMaxTip(), 0.0f);
  Hold(job, 0.5f);
  SetPlayerFriendCountForTesting(10);  // no colleague step draws after it
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "draw " << c.draw << ", difficulty " << c.difficulty);
    SIM_PlayerOptions::Instance().SetConfig(SIM_PlayerOptions::kDifficulty, c.difficulty);
    CurrentDate().SetDayOfWeek(1);
    SetRandomState(StateDrawingUnit(c.draw));
    job->WorkDay();
    const float performance = SIM_Vesk::Instance()->GetWorkPerformance();
    EXPECT_NEAR(performance, c.performance, 1e-4f);
    const std::vector<const SIM_Effect*> effects = PlayerEffects("happiness", "work day");
    ASSERT_FALSE(effects.empty());
    EXPECT_NEAR(effects.back()->GetAmount(), (performance - 0.5f) * 0.5f, 1e-5f);
  }
}

// A colleague becomes a friend on a work day only when the player has at most four friends,
// is happier than 0.75, three days have passed since the last one and the job's chance comes
// up; with ten friends or more nothing is even drawn, but the days still count.
TEST_F(JobsTest, AColleagueBecomesAFriendOnlyForAHappyPlayerWithFewFriends) {
  struct Case {
    const char* what;
    int friends;
    float happiness;
    int daysBefore;  // days since the last colleague before the step
    float draw;
    bool made;
  };
  SIM_JobBase* job = SIM_JobBase::FindByName("waiter_0");
  ASSERT_NE(job, nullptr);
  const float chance =
      SIM_GlobalVariables::Instance().Get("GV_JOBFRIEND_FREQUENCY") * job->GetSociability();
  ASSERT_GT(chance, 0.01f);
  ASSERT_LT(chance, 0.99f);
  const Case cases[] = {
      {"alone and happy", 0, 0.9f, 2, 0.0f, true},
      {"four friends", 4, 0.9f, 2, 0.0f, true},
      {"five friends", 5, 0.9f, 2, 0.0f, false},
      {"nine friends", 9, 0.9f, 2, 0.0f, false},
      {"ten friends", 10, 0.9f, 2, 0.0f, false},
      {"happiness just above", 2, 0.76f, 2, 0.0f, true},
      {"happiness at 0.75", 2, 0.75f, 2, 0.0f, false},
      {"only two days since the last", 2, 0.9f, 1, 0.0f, false},
      {"long since the last", 2, 0.9f, 40, 0.0f, true},
      {"the draw just under the chance", 2, 0.9f, 2, chance - 0.002f, true},
      {"the draw just over the chance", 2, 0.9f, 2, chance + 0.002f, false},
  };
  SIM_Vesk* player = SIM_Vesk::Instance();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetPlayerFriendCountForTesting(c.friends);
    player->SetValue("happiness", c.happiness);
    job->SetDaysSinceLastColleague(c.daysBefore);
    const size_t people = SIM_NPC::All().size();
    const uint32_t state = StateDrawingUnit(c.draw);
    SetRandomState(state);
    SIM_NPC* colleague = job->ColleagueStep();
    EXPECT_EQ(colleague != nullptr, c.made);
    if (c.made) {
      ASSERT_NE(colleague, nullptr);
      EXPECT_GT(SIM_NPC::All().size(), people);
      EXPECT_EQ(colleague->GetJob(), job);
      EXPECT_EQ(job->GetColleague(), colleague);
      const SIM_Relationship* bond = colleague->FindRelationship(player);
      ASSERT_NE(bond, nullptr);
      EXPECT_TRUE(bond->IsFriendship());
      EXPECT_GE(bond->GetStrength(), 0.27f);
      EXPECT_LE(bond->GetStrength(), 0.4f);
      EXPECT_EQ(job->GetDaysSinceLastColleague(), 0);
    } else {
      EXPECT_EQ(SIM_NPC::All().size(), people);
      EXPECT_EQ(job->GetDaysSinceLastColleague(), c.daysBefore + 1);
    }
    // Ten friends or a recent colleague: the step draws nothing at all.
    if (c.friends >= 10 || c.daysBefore + 1 < 3) {
      EXPECT_EQ(GetRandomState(), state);
    }
  }
}

TEST_F(JobsTest, AContractEndsOnItsLastDayAndTheInstanceIsReplacedAfterItsUpdate) {
  SIM_JobBase* job = SIM_JobBase::FindByName("barista");
  job->SetDuration(7);
  Hold(job, 0.5f);
  for (int day = 1; day < 7; ++day) {
    SIM_JobInstance::DailyUpdatePlayer();
    ASSERT_EQ(SIM_Vesk::Instance()->GetJob(), job) << day;
  }
  SIM_JobInstance::DailyUpdatePlayer();  // the seventh: under ASan a use of the old instance fails
  EXPECT_EQ(SIM_Vesk::Instance()->GetJob()->GetName(), "unemployed");
  EXPECT_TRUE(SIM_Vesk::Instance()->GetJob()->IsDayFree());
  EXPECT_EQ(CountCalls("ShowMessage " + std::string(Translate("CONTRACT_END_TEXT")) + "|" +
                       Translate("CONTRACT_END_TITLE")),
            1);
  // The highest salary was recorded before the switch.
  EXPECT_GE(SIM_Statistics::Instance().GetFloat(5), job->GetMinSalary());
}

TEST_F(JobsTest, AModJobLoadsFromTheUserFolderAndAMissingPromoteAttributeCountsZero) {
  SIM_JobBase::SetUserFolder(std::string(TOVEL_SOURCE_DIR) + "/tests/data");
  SIM_JobBase::LoadAll();
  SIM_JobBase::SetUserFolder("");
  SIM_JobBase* mod = SIM_JobBase::FindByName("lighthouse_keeper");
  ASSERT_NE(mod, nullptr);
  EXPECT_EQ(mod->GetIndustryName(), "civic");
  EXPECT_FLOAT_EQ(mod->GetCommuteDistance(), 4.5f);
  EXPECT_EQ(mod->GetDuration(), 7);
  EXPECT_TRUE(mod->IsLocked());
  const auto& locked = SIM_JobBase::LockedJobs();
  EXPECT_EQ(std::count(locked.begin(), locked.end(), mod), 0);  // only table jobs join the list
  EXPECT_EQ(mod->GetPrerequisites().size(), 1u);
  EXPECT_EQ(mod->GetModifiers().size(), 1u);
  // Without promote keys the default attribute binds; a name the player lacks counts as 0.
  SIM_JobInstance* held = Hold(mod, 0.5f);
  EXPECT_NE(held->GetBoundAttribute(0), nullptr);
  auto broken = SIM_JobBase::ReadCsvRow(
      "#,broken,T,m,f,E,W,civic,1000,2000,N/A,0,0.5,1,1,,no_such_value,confidence,iq,,#\n");
  ASSERT_NE(broken, nullptr);
  SIM_JobInstance instance(broken.get());
  EXPECT_EQ(instance.GetBoundAttribute(0), nullptr);
  EXPECT_FLOAT_EQ(instance.GetAttributeValue(0), 0.0f);
  instance.DailyUpdate();  // no crash on the missing attribute
  EXPECT_TRUE(instance.GetHistory()[0].valid);
}

class JobLoadTest : public JobsTest {
 protected:
  // Saves, loads the text back and saves again: the two texts must agree.
  void RoundTrip() {
    // The play time runs on the wall clock while any earlier game left its timer going: stop
    // it so both texts carry the same time.
    SIM_Statistics::Instance().PausePlayTimer();
    const std::string text = SIM_SaveGame::BuildText();
    ASSERT_TRUE(SIM_LoadGame::LoadText(text)) << SIM_LoadGame::LastError();
    EXPECT_EQ(SIM_SaveGame::BuildText(), text);
  }
};

TEST_F(JobLoadTest, ATableJobKeepsGradeHistoryCooldownsAndTheDaysOpenings) {
  SIM_JobBase* job = SIM_JobBase::FindByName("secretary");
  SIM_JobInstance* held = Hold(job, 0.75f);
  held->SetLevel(2);
  held->SetDaysSincePromotion(17);
  const float salary = held->GetSalary();
  SIM_JobBase::FindByName("nurse")->StartApplyCooldown();
  SIM_JobBase::FindByName("teacher")->SetOpenToday(true);
  RoundTrip();
  const SIM_JobInstance* loaded = SIM_Vesk::Instance()->GetJobInstance();
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetJob()->GetName(), "secretary");
  EXPECT_EQ(loaded->GetLevel(), 2);
  EXPECT_FLOAT_EQ(loaded->GetSalary(), salary);
  EXPECT_EQ(loaded->GetDaysSincePromotion(), 17);
  EXPECT_EQ(loaded->GetHistoryCount(), 10);
  EXPECT_FLOAT_EQ(loaded->GetAveragePerformance(), 0.75f);
  EXPECT_EQ(loaded->GetJob()->GetPrerequisites().size(), 1u);  // copied from the table's twin
  EXPECT_EQ(SIM_JobBase::FindByName("nurse")->GetApplyCooldown(), SIM_JobBase::kApplyCooldownDays);
  EXPECT_TRUE(SIM_JobBase::FindByName("teacher")->IsOpenToday());
  // The loaded job took its twin's place: one job of that name.
  const auto all = SIM_JobBase::All();
  EXPECT_EQ(std::count_if(all.begin(), all.end(),
                          [](const SIM_JobBase* j) { return j->GetName() == "secretary"; }),
            1);
}

TEST_F(JobLoadTest, AModJobAndALegalCaseSurviveAndAnUnknownApplicationIsRefused) {
  SIM_JobBase::SetUserFolder(std::string(TOVEL_SOURCE_DIR) + "/tests/data");
  SIM_JobBase::LoadAll();
  SIM_JobBase::RollOpenings();
  Hold(SIM_JobBase::FindByName("lighthouse_keeper"), 0.4f);
  RoundTrip();
  EXPECT_EQ(SIM_Vesk::Instance()->GetJob()->GetName(), "lighthouse_keeper");
  EXPECT_EQ(SIM_Vesk::Instance()->GetJob()->GetDuration(), 7);

  Hold(SIM_JobBase::FindByName("solicitor"), 0.6f);
  auto* legal = dynamic_cast<SIM_LegalJob*>(SIM_Vesk::Instance()->GetJobInstance());
  ASSERT_NE(legal, nullptr);
  legal->DailyUpdate();
  legal->DailyUpdate();
  const std::string title = legal->GetCaseTitle();
  RoundTrip();
  legal = dynamic_cast<SIM_LegalJob*>(SIM_Vesk::Instance()->GetJobInstance());
  ASSERT_NE(legal, nullptr);
  EXPECT_EQ(legal->GetCaseTitle(), title);
  EXPECT_EQ(legal->GetDaysIntoCase(), 2);
  SIM_JobBase::SetUserFolder("");

  SaveGameData d = SIM_SaveGame::Capture();
  d.jobsApplied.push_back({"no_such_job", 3});
  std::string error;
  EXPECT_FALSE(SIM_LoadGame::Check(d, error));
  EXPECT_NE(error.find("no_such_job"), std::string::npos);

  // A character's job beyond the pool is refused; one gone from the tables is the default job.
  d = SIM_SaveGame::Capture();
  ASSERT_FALSE(d.npcs.empty());
  d.npcs[0].heldJobPool = static_cast<int>(d.entertainJobs.size());
  EXPECT_FALSE(SIM_LoadGame::Check(d, error));
  d.npcs[0].heldJobPool = -1;
  d.npcs[0].heldJob = "no_such_job";
  ASSERT_TRUE(SIM_LoadGame::Check(d, error)) << error;
  SIM_LoadGame::Apply(d);
  EXPECT_EQ(SIM_NPC::All().front()->GetJob(), SIM_JobBase::FindDefaultJob());
}

}  // namespace
