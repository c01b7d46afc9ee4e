// Jobs: the catalogue and its tables, a mod job, the job instance's promotion and contract
// end, and the job's state through a save and a load.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/Files.h"
#include "sim/SIM_Industry.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_NPC.h"
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
