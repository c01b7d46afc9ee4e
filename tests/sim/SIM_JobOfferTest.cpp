// Applications, their answers by mail, the rejection's knock, accepting; and the pool of
// acting and music jobs.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "engine/CallTrace.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Vesk.h"
#include "SaveGameTestSupport.h"
#include "SimTestWorld.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_SaveGame.h"

namespace {

int Delivered() {
  return static_cast<int>(
      std::count(TracedCalls().begin(), TracedCalls().end(), "GUI_Email::AddJobOffer"));
}

void SetMood(float confidence, float happiness, float alcohol, float tiredness) {
  SIM_Vesk* vesk = SIM_Vesk::Instance();
  vesk->SetValue("confidence", confidence);
  vesk->SetValue("happiness", happiness);
  vesk->SetValue("alcohol", alcohol);
  vesk->SetValue("tiredness", tiredness);
}

// A table job the player does not hold.
SIM_JobBase* OtherJob() {
  for (SIM_JobBase* job : SIM_JobBase::All())
    if (job != SIM_Vesk::Instance()->GetJob() && job->GetName() != "unemployed" &&
        !SIM_EntertainJob::IsEntertainmentIndustry(job->GetIndustryName()))
      return job;
  return nullptr;
}

}  // namespace

class SIM_JobOfferTest : public SimWorldTest {};

TEST_F(SIM_JobOfferTest, TheInterviewChanceLosesAQuarterPerShortfallAndNamesTheLargest) {
  SetMood(0.5f, 0.5f, 0.0f, 0.0f);
  EXPECT_FLOAT_EQ(SIM_JobOffer::GetInterviewChance(), 0.75f);
  EXPECT_EQ(SIM_JobOffer::GetLastInterviewReason(), SIM_JobOffer::kConfidence);

  SetMood(1.0f, 1.0f, 0.0f, 0.8f);
  EXPECT_FLOAT_EQ(SIM_JobOffer::GetInterviewChance(), 0.8f);
  EXPECT_EQ(SIM_JobOffer::GetLastInterviewReason(), SIM_JobOffer::kTiredness);

  // A tie keeps the earlier reason: drink before confidence.
  SetMood(0.8f, 1.0f, 0.2f, 0.0f);
  SIM_JobOffer::GetInterviewChance();
  EXPECT_EQ(SIM_JobOffer::GetLastInterviewReason(), SIM_JobOffer::kAlcohol);
}

TEST_F(SIM_JobOfferTest, AnIllPlayerAlwaysFailsAndAFitOneAlwaysSucceeds) {
  SIM_JobBase* job = OtherJob();
  ASSERT_NE(job, nullptr);
  SetMood(1.0f, 1.0f, 0.0f, 0.0f);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(SIM_JobOffer::Apply(job)->IsSuccess());

  SIM_Health::Instance().SetHealthyForTesting(false);
  EXPECT_EQ(SIM_JobOffer::GetInterviewChance(), 0.0f);
  for (int i = 0; i < 5; ++i) {
    const SIM_JobOffer* offer = SIM_JobOffer::Apply(job);
    EXPECT_FALSE(offer->IsSuccess());
    EXPECT_EQ(offer->GetReason(), SIM_JobOffer::kIll);
  }
}

TEST_F(SIM_JobOfferTest, ANullJobMakesNoOffer) {
  EXPECT_EQ(SIM_JobOffer::Apply(nullptr), nullptr);
  EXPECT_TRUE(SIM_JobOffer::All().empty());
}

TEST_F(SIM_JobOfferTest, AnswersArriveByMailTwoStepsLaterAndLastTheirDay) {
  SIM_JobBase* job = OtherJob();
  SIM_JobOffer* first = SIM_JobOffer::Apply(job);
  SIM_JobOffer* second = SIM_JobOffer::Apply(job);
  EXPECT_EQ(first->GetPicture().empty(), false);

  SIM_JobOffer::DailyUpdate();
  EXPECT_EQ(Delivered(), 0);
  EXPECT_TRUE(first->IsPending());
  SIM_JobOffer::DailyUpdate();
  EXPECT_EQ(Delivered(), 2);
  EXPECT_FALSE(first->IsPending());
  EXPECT_FALSE(second->IsPending());
  ASSERT_EQ(SIM_JobOffer::All().size(), 2u);

  // The day's end took their mail items: nothing can reach them any more.
  SIM_JobOffer::DailyUpdate();
  EXPECT_TRUE(SIM_JobOffer::All().empty());
  EXPECT_EQ(Delivered(), 2);
}

TEST_F(SIM_JobOfferTest, ARejectionKnocksConfidenceOnlyTheFirstTimeItIsRead) {
  SIM_JobOffer offer(OtherJob(), false, SIM_JobOffer::kConfidence);
  SIM_Vesk::Instance()->SetValue("confidence", 0.8f);
  offer.ApplyRejection();
  const float after = SIM_Vesk::Instance()->GetValue("confidence");
  EXPECT_LT(after, 0.8f);
  EXPECT_TRUE(offer.IsRejectionApplied());
  offer.ApplyRejection();
  EXPECT_FLOAT_EQ(SIM_Vesk::Instance()->GetValue("confidence"), after);
}

TEST_F(SIM_JobOfferTest, AcceptingTakesTheJobWithStressForMissingConfidence) {
  SIM_JobBase* job = OtherJob();
  SIM_Vesk::Instance()->SetValue("confidence", 0.0f);
  SIM_Vesk::Instance()->SetValue("stress", 0.0f);
  SIM_JobOffer offer(job, true, SIM_JobOffer::kOther);
  offer.Accept();
  EXPECT_EQ(SIM_Vesk::Instance()->GetJob(), job);
  ASSERT_NE(SIM_Vesk::Instance()->GetJobInstance(), nullptr);
  EXPECT_EQ(SIM_Vesk::Instance()->GetJobInstance()->GetJob(), job);
  EXPECT_GT(SIM_Vesk::Instance()->GetValue("stress"), 0.0f);
}

TEST_F(SIM_JobOfferTest, ANewGameDeletesTheRunningGamesOffers) {
  SIM_JobOffer::Apply(OtherJob());
  SIM_JobOffer::Apply(OtherJob());
  SIM_SIM::Instance().NewGame();
  EXPECT_TRUE(SIM_JobOffer::All().empty());
  // Nothing is delivered from the old game's catalogue.
  SIM_JobOffer::DailyUpdate();
  SIM_JobOffer::DailyUpdate();
  EXPECT_EQ(Delivered(), 0);
}

// ---- The acting and music pool ----

class SIM_EntertainJobTest : public SimWorldTest {};

TEST_F(SIM_EntertainJobTest, ThePoolHoldsTwentyOfEachAfterNewGameAndEveryDay) {
  EXPECT_EQ(SIM_EntertainJob::Acting().size(), 20u);
  EXPECT_EQ(SIM_EntertainJob::Music().size(), 20u);
  EXPECT_EQ(SIM_EntertainJob::All().size(), 40u);
  for (int day = 0; day < 4; ++day) {
    SIM_SIM::Instance().NextDay();
    EXPECT_EQ(SIM_EntertainJob::Acting().size(), 20u);
    EXPECT_EQ(SIM_EntertainJob::Music().size(), 20u);
  }
  // Every one of them is in the catalogue, under the one shared name.
  const auto all = SIM_JobBase::All();
  for (SIM_EntertainJob* job : SIM_EntertainJob::All()) {
    EXPECT_NE(std::find(all.begin(), all.end(), job), all.end());
    EXPECT_EQ(job->GetName(), SIM_EntertainJob::kName);
  }
}

TEST_F(SIM_EntertainJobTest, OldJobsGoUnlessAppliedForHeldOrAwaitingAnAnswer) {
  // The jobs are known by names of their own: a job made to top the pool up may take the
  // address of one that went, so a pointer could not tell them apart.
  const char* const kApplied = "applied for";
  const char* const kHeld = "held";
  const char* const kAwaited = "awaiting an answer";
  const char* const kUntouched = "untouched";
  SIM_EntertainJob* applied = SIM_EntertainJob::Acting()[0];
  SIM_EntertainJob* held = SIM_EntertainJob::Acting()[1];
  SIM_EntertainJob* untouched = SIM_EntertainJob::Acting()[2];
  SIM_EntertainJob* awaited = SIM_EntertainJob::Music()[0];
  applied->SetGuiName(kApplied);
  held->SetGuiName(kHeld);
  untouched->SetGuiName(kUntouched);
  awaited->SetGuiName(kAwaited);
  applied->StartApplyCooldown();
  SIM_Vesk::Instance()->SetJob(held);
  // An answer on its way, for a job whose cool-down has already run out.
  SIM_JobOffer::Apply(awaited);
  awaited->SetApplyCooldown(0);
  SIM_EntertainJob::UpdatePool();
  SIM_EntertainJob::UpdatePool();
  auto count = [](const char* name) {
    const auto& all = SIM_EntertainJob::All();
    return std::count_if(all.begin(), all.end(),
                         [name](const SIM_EntertainJob* job) { return job->GetGuiName() == name; });
  };
  EXPECT_EQ(count(kApplied), 1);
  EXPECT_EQ(count(kHeld), 1);
  EXPECT_EQ(count(kAwaited), 1);
  EXPECT_EQ(count(kUntouched), 0);
  EXPECT_EQ(SIM_EntertainJob::Acting().size(), 20u);
  EXPECT_EQ(SIM_EntertainJob::Music().size(), 20u);
  EXPECT_EQ(SIM_Vesk::Instance()->GetJob()->GetGuiName(), kHeld);
  EXPECT_EQ(held->GetAge(), 2);
  SIM_JobOffer::DeleteAll();
}

TEST_F(SIM_EntertainJobTest, TheSalaryFollowsTheLevel) {
  EXPECT_FLOAT_EQ(SIM_EntertainJob::BaseSalary(0.8f), 25100.0f);
  EXPECT_FLOAT_EQ(SIM_EntertainJob::BaseSalary(1.0f), 65100.0f);
  for (SIM_EntertainJob* job : SIM_EntertainJob::All()) {
    EXPECT_EQ(job->GetMinSalary(), job->GetMaxSalary());  // never promoted
    const float base = SIM_EntertainJob::BaseSalary(job->GetLevel());
    const float spread = job->GetLevel() >= 0.8f ? 1.1f : 1.1f * 1.1f;
    EXPECT_LE(job->GetMinSalary(), base * spread + 1.0f);
    EXPECT_GE(job->GetMinSalary(), (job->GetLevel() >= 0.8f ? base * 0.9f
                                                            : job->GetLevel() * 22000.0f * 0.9f + 7500.0f) *
                                       0.9f - 1.0f);
  }
}

TEST_F(SIM_EntertainJobTest, GeneratedJobsCarryTheirFamilysTextsAndConditions) {
  for (SIM_EntertainJob* job : SIM_EntertainJob::Acting()) {
    EXPECT_EQ(job->GetIndustryName(), "acting");
    EXPECT_EQ(job->GetFamily(), "acting");
    EXPECT_FALSE(job->GetEmployer().empty());
    EXPECT_FALSE(job->GetSpecialty().empty());
    EXPECT_GE(job->GetDuration(), 7);
    EXPECT_LE(job->GetDuration(), 28);
    EXPECT_EQ(job->GetGuiName(), Translate(("job_acting_" + job->GetSpecialty()).c_str()));
    // The figure condition is an upper limit.
    ASSERT_FALSE(job->GetPrerequisites().empty());
    EXPECT_EQ(job->GetPrerequisites()[0]->GetName(), "weight");
    EXPECT_TRUE(job->GetPrerequisites()[0]->IsBelow());
  }
  for (SIM_EntertainJob* job : SIM_EntertainJob::Music()) {
    EXPECT_EQ(job->GetIndustryName(), "music");
    EXPECT_EQ(job->GetDuration(), -1);
    EXPECT_EQ(job->GetDescription(true), job->GetGuiName());
    // The instrument itself closes the list, with its first flag.
    ASSERT_FALSE(job->GetPrerequisites().empty());
    EXPECT_EQ(job->GetPrerequisites().back()->GetName(), job->GetSpecialty());
    EXPECT_TRUE(job->GetPrerequisites().back()->IsFirst());
    EXPECT_EQ(job->GetPrerequisites()[0]->GetName(), "music_" + job->GetSpecialty());
  }
}

// The figures of each job come from its own level, as they read once written into a row
// with two decimals (the standing with six); the effects are the job's own copies.
TEST_F(SIM_EntertainJobTest, EachJobsFiguresFollowItsLevelAsWrittenAndItsEffectsAreItsOwn) {
  auto written = [](float value, int decimals) {
    return ParseFloatPrefix(FormatFixed(value, decimals).c_str());
  };
  auto clamp01 = [](float value) { return std::clamp(value, 0.0f, 1.0f); };
  auto threshold = [](const SIM_EntertainJob* job, const std::string& name) {
    for (const auto& p : job->GetPrerequisites())
      if (p->GetName() == name) return p->GetThreshold();
    return -1.0f;
  };
  std::set<float> tiredness;
  for (SIM_EntertainJob* job : SIM_EntertainJob::Music()) {
    const float level = job->GetLevel();
    const std::string& skill = job->GetSpecialty();
    EXPECT_EQ(threshold(job, "music_" + skill), written(clamp01(2.0f * level), 2));
    EXPECT_EQ(threshold(job, "xp_music_" + skill),
              level > 0.2f ? written(clamp01(level - 0.2f), 2) : -1.0f);
    ASSERT_EQ(job->GetModifiers().size(), 4u);
    const SIM_Modifier* tired = job->GetModifiers()[1];
    ASSERT_EQ(tired->name, "tiredness");
    EXPECT_EQ(tired->amount, written(0.6f - level * 0.55f, 2));
    tiredness.insert(tired->amount);
  }
  EXPECT_GT(tiredness.size(), 1u);
  for (SIM_EntertainJob* job : SIM_EntertainJob::Acting()) {
    const float level = job->GetLevel();
    EXPECT_EQ(threshold(job, "tovel"), level > 0.33f ? written(level * 60.0f, 6) : -1.0f);
    if (level >= 0.66f)
      EXPECT_EQ(threshold(job, "acting_adv"), written(clamp01((level - 0.66f) / 0.33f), 2));
    else if (level >= 0.33f)
      EXPECT_EQ(threshold(job, "acting_inter"), written(clamp01((level - 0.33f) * 3.0f), 2));
    else
      EXPECT_EQ(threshold(job, "acting_basic"), written(clamp01(level * 3.0f), 2));
  }
  for (SIM_EntertainJob* job : SIM_EntertainJob::All()) {
    for (const SIM_Modifier* m : job->GetModifiers()) {
      EXPECT_EQ(m->source, SIM_EntertainJob::kName);
      EXPECT_EQ(m->displayText, Translate(("nv_" + m->name).c_str()));
    }
  }

  // What one job's effects go through (a loaded record is written into them) reaches no job
  // made later.
  for (SIM_EntertainJob* job : SIM_EntertainJob::All()) {
    for (SIM_Modifier* m : job->GetModifiers()) {
      m->name += "_changed";
      m->amount = 0.77f;
    }
  }
  SIM_EntertainJob::UpdatePool();
  SIM_EntertainJob::UpdatePool();
  int made = 0;
  for (SIM_EntertainJob* job : SIM_EntertainJob::All()) {
    if (job->GetAge() != 0) continue;
    ++made;
    for (const SIM_Modifier* m : job->GetModifiers()) {
      EXPECT_EQ(m->name.find("_changed"), std::string::npos);
      EXPECT_NE(m->amount, 0.77f);
    }
  }
  EXPECT_GT(made, 0);
}

// ---- Saving: the pool whole, the offers, and an acting job from the pool in the player's hands ----

class JobOfferSaveTest : public SaveWorldTest {
 protected:
  static std::string Text() { return MaskPlayTime(SIM_SaveGame::BuildText()); }
};

TEST_F(JobOfferSaveTest, AnActingJobFromThePoolAndTheOffersSurviveTheTrip) {
  PlayDays(2);
  // The days played may have sent applications of their own: the two below are the only ones.
  SIM_JobOffer::DeleteAll();
  SIM_EntertainJob* acting = SIM_EntertainJob::Acting()[3];
  const std::string guiName = acting->GetGuiName();
  const float salary = acting->GetMinSalary();
  SIM_Vesk::Instance()->SetJob(acting);
  // One answer on its way, for a pool job, and one delivered today.
  SIM_EntertainJob* music = SIM_EntertainJob::Music()[5];
  music->StartApplyCooldown();
  SIM_JobOffer* pending = SIM_JobOffer::Apply(music);
  SIM_JobOffer* delivered = new SIM_JobOffer(OtherJob(), false, SIM_JobOffer::kHappiness);
  delivered->Restore(false, 0, true);
  Screens().AddJobOffer(delivered);  // delivered as the day's update delivers it
  const std::string raw = SIM_SaveGame::BuildText();
  const std::string a = MaskPlayTime(raw);
  ASSERT_NE(a.find("<entertainment_jobs>"), std::string::npos);
  ASSERT_NE(pending, nullptr);

  // The game played on without the trip.
  PlayDays(12);
  const std::string straight = Text();

  ClearTracedCalls();
  ASSERT_TRUE(SIM_LoadGame::LoadText(raw)) << SIM_LoadGame::LastError();
  EXPECT_EQ(Delivered(), 1);  // the delivered answer has its mail item back

  SIM_JobBase* held = SIM_Vesk::Instance()->GetJob();
  ASSERT_NE(held, nullptr);
  const auto& pool = SIM_EntertainJob::All();
  EXPECT_NE(std::find(pool.begin(), pool.end(), held), pool.end());
  EXPECT_EQ(held->GetIndustryName(), "acting");
  EXPECT_EQ(held->GetGuiName(), guiName);
  EXPECT_EQ(held->GetMinSalary(), salary);
  EXPECT_EQ(SIM_Vesk::Instance()->GetJobInstance()->GetSalary(), salary);
  EXPECT_EQ(SIM_EntertainJob::Acting().size(), 20u);
  EXPECT_EQ(SIM_EntertainJob::Music().size(), 20u);
  ASSERT_EQ(SIM_JobOffer::All().size(), 2u);
  EXPECT_EQ(SIM_JobOffer::All()[0]->GetJob(), SIM_EntertainJob::Music()[5]);
  EXPECT_TRUE(SIM_JobOffer::All()[1]->IsRejectionApplied());

  // Saved again at once, the pool and the offers are the saved ones.
  const std::string again = Text();
  EXPECT_EQ(again.substr(again.find("<entertainment_jobs>")), a.substr(a.find("<entertainment_jobs>")));
  PlayDays(12);
  EXPECT_EQ(SIM_EntertainJob::Acting().size(), 20u);
  (void)straight;
}

TEST_F(JobOfferSaveTest, AFileWithoutThePoolMakesANewOneAndHasNoOffers) {
  SIM_JobOffer::Apply(OtherJob());
  SaveGameData d = SIM_SaveGame::Capture();
  d.hasEntertainJobs = false;
  d.entertainJobs.clear();
  d.jobOffers.clear();
  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d))) << SIM_LoadGame::LastError();
  EXPECT_TRUE(SIM_JobOffer::All().empty());
  EXPECT_EQ(SIM_EntertainJob::Acting().size(), 20u);
  EXPECT_EQ(SIM_EntertainJob::Music().size(), 20u);
}

TEST_F(JobOfferSaveTest, AnOfferOfAnUnknownJobOrAPlaceOutsideThePoolIsRefused) {
  SaveGameData d = SIM_SaveGame::Capture();
  std::string error;
  d.jobOffers = {{"no_such_job", -1, true, true, 1, 0, false}};
  EXPECT_FALSE(SIM_LoadGame::Check(d, error));
  d.jobOffers = {{"procedural_job", 40, true, true, 1, 0, false}};
  EXPECT_FALSE(SIM_LoadGame::Check(d, error));
  d.jobOffers.clear();
  d.heldPoolJob = 40;
  EXPECT_FALSE(SIM_LoadGame::Check(d, error));
  d.heldPoolJob = -1;
  d.entertainJobs[0].industryName = "banking";
  EXPECT_FALSE(SIM_LoadGame::Check(d, error));
}

// Rebuilding the catalogue (a mod folder read again, a new game, a load) takes the offers
// with it: none may be left pointing at a freed job.
TEST_F(SIM_JobOfferTest, RebuildingTheCatalogueTakesThePendingAndDeliveredOffers) {
  SIM_JobBase* job = OtherJob();
  ASSERT_NE(job, nullptr);
  SIM_JobOffer::Apply(job);
  SIM_JobOffer::Apply(job)->Restore(false, 0, false);
  ASSERT_EQ(SIM_JobOffer::All().size(), 2u);
  SIM_JobBase::LoadAll();
  EXPECT_TRUE(SIM_JobOffer::All().empty());
  // The save of the rebuilt game holds no offer of the old catalogue.
  EXPECT_TRUE(SIM_JobOffer::Capture().empty());
  SIM_JobBase::RollOpenings();
}
