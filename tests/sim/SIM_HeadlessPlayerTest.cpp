// The headless player's career: it stays where promotion is in reach, applies only where it
// would perform well enough to climb, takes only answers worth the move, and spends free
// slots on what its job rewards.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>

#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_HeadlessPlayer.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "SimTestWorld.h"
#include "support/PlayDays.h"

namespace {

bool Promotes(const SIM_JobBase& job, const std::string& attribute) {
  for (int i = 0; i < 3; ++i)
    if (job.GetPromoteAttribute(i) == attribute) return true;
  return false;
}

// A table job with a salary range that promotes on the attribute.
SIM_JobBase* JobPromotingOn(const std::string& attribute) {
  for (SIM_JobBase* job : SIM_JobBase::All())
    if (!job->IsDayFree() && job->GetMaxSalary() > job->GetMinSalary() &&
        !SIM_EntertainJob::IsEntertainmentIndustry(job->GetIndustryName()) &&
        Promotes(*job, attribute))
      return job;
  return nullptr;
}

void SetPromoteAttributes(const SIM_JobBase& job, float value) {
  for (int i = 0; i < 3; ++i)
    if (!job.GetPromoteAttribute(i).empty())
      SIM_Vesk::Instance()->SetValue(job.GetPromoteAttribute(i), value);
}

void FillHistory(float performance) {
  std::array<SIM_JobInstance::Performance, SIM_JobInstance::kHistory> history;
  history.fill({true, performance});
  SIM_Vesk::Instance()->GetJobInstance()->SetHistory(history);
}

}  // namespace

class SIM_HeadlessPlayerTest : public SimWorldTest {};

TEST_F(SIM_HeadlessPlayerTest, AJobIsWorthLeavingOnlyWhenItLeadsNowhere) {
  SIM_JobBase* job = JobPromotingOn("confidence");
  ASSERT_NE(job, nullptr);
  SIM_Vesk::Instance()->SetJob(job);
  SIM_JobInstance* held = SIM_Vesk::Instance()->GetJobInstance();
  const float step = (job->GetMaxSalary() - job->GetMinSalary()) / 5.0f;

  // Too new to tell: worth staying, so only the next grade's pay tempts.
  EXPECT_TRUE(headless::HeldJobHasProspects());
  EXPECT_FLOAT_EQ(headless::SalaryWorthMoving(), job->GetMinSalary() + step);

  // Ten days of good work keep the prospects; ten poor ones end them.
  FillHistory(0.4f);
  EXPECT_TRUE(headless::HeldJobHasProspects());
  FillHistory(0.1f);
  EXPECT_FALSE(headless::HeldJobHasProspects());
  EXPECT_FLOAT_EQ(headless::SalaryWorthMoving(), 0.9f * job->GetMinSalary());

  // The top grade leads nowhere however well the work goes.
  FillHistory(0.9f);
  held->SetLevel(SIM_JobInstance::kTopLevel);
  EXPECT_FALSE(headless::HeldJobHasProspects());

  // Nor does having no work.
  SIM_Vesk::Instance()->SetJob(SIM_JobBase::FindByName("unemployed", true));
  EXPECT_FALSE(headless::HeldJobHasProspects());
}

TEST_F(SIM_HeadlessPlayerTest, ExpectedPerformanceCountsAMissingAttributeAsNothing) {
  SIM_JobBase* known = JobPromotingOn("confidence");
  ASSERT_NE(known, nullptr);
  SIM_Vesk* player = SIM_Vesk::Instance();
  // A copy of the job whose second promotion attribute the player does not have.
  SaveJobType record;
  known->ToSave(record);
  record.promote[0] = "confidence";
  record.promote[1] = "no_such_value";
  record.promote[2] = "fitness";
  std::unique_ptr<SIM_JobBase> job = SIM_JobBase::FromSave(record);
  player->SetValue("confidence", 0.5f);
  player->SetValue("fitness", 0.7f);
  EXPECT_NEAR(headless::ExpectedPerformance(*job), 0.33f * 1.2f, 1e-4f);
  EXPECT_FALSE(player->HasValue("no_such_value"));  // asking made nothing
}

TEST_F(SIM_HeadlessPlayerTest, ApplicationsGoOnlyWhereThePlayerCouldClimbAndPayIsWorthIt) {
  SIM_SIM& sim = SIM_SIM::Instance();
  SIM_Vesk* player = SIM_Vesk::Instance();
  player->SetJob(SIM_JobBase::FindDefaultJob());
  for (SIM_JobBase* job : SIM_JobBase::All()) job->SetOpenToday(true);

  // With every promotion attribute at nothing no job is worth the slot.
  for (SIM_JobBase* job : SIM_JobBase::All()) SetPromoteAttributes(*job, 0.0f);
  for (int i = 0; i < 40; ++i) {
    sim.SetActs(2, 0);
    EXPECT_EQ(headless::MaybeApplyForAJob(), nullptr);
  }
  EXPECT_TRUE(SIM_JobOffer::All().empty());

  // With every one high, some day an application goes, spends a slot and starts the job's
  // cool-down; the job pays at least what staying would.
  for (SIM_JobBase* job : SIM_JobBase::All()) SetPromoteAttributes(*job, 0.8f);
  int applied = 0;
  for (int i = 0; i < 40; ++i) {
    sim.SetActs(2, 0);
    const float least = std::min(headless::SalaryWorthMoving(),
                                 player->GetJobInstance()->GetSalary());
    SIM_JobBase* job = headless::MaybeApplyForAJob();
    if (!job) {
      EXPECT_EQ(sim.GetActsLeft(), 2);
      continue;
    }
    ++applied;
    EXPECT_NE(job, player->GetJob());
    EXPECT_GE(job->GetMinSalary(), least);
    EXPECT_GT(job->GetApplyCooldown(), 0);
    EXPECT_EQ(sim.GetActsLeft(), 1);
  }
  EXPECT_GT(applied, 0);
  EXPECT_EQ(SIM_JobOffer::All().size(), static_cast<size_t>(applied));

  // No free slot, no application.
  sim.SetActs(1, 1);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(headless::MaybeApplyForAJob(), nullptr);
}

TEST_F(SIM_HeadlessPlayerTest, AnswersAreTakenOnlyWhenTheMovePaysAndPendingOnesWait) {
  SIM_Vesk* player = SIM_Vesk::Instance();
  SIM_JobBase* held = JobPromotingOn("confidence");
  ASSERT_NE(held, nullptr);
  player->SetJob(held);
  const float nextGrade = headless::SalaryWorthMoving();
  SIM_JobBase* richer = nullptr;
  SIM_JobBase* slightlyRicher = nullptr;
  for (SIM_JobBase* job : SIM_JobBase::All()) {
    if (job == held || job->IsDayFree()) continue;
    if (!richer && job->GetMinSalary() >= nextGrade) richer = job;
    if (!slightlyRicher && job->GetMinSalary() > held->GetMinSalary() &&
        job->GetMinSalary() < nextGrade)
      slightlyRicher = job;
  }
  ASSERT_NE(richer, nullptr);
  for (SIM_JobBase* job : SIM_JobBase::All()) SetPromoteAttributes(*job, 0.8f);

  // A small rise is not worth restarting the climb; a refusal is never taken.
  if (slightlyRicher) {
    SIM_JobOffer* small = new SIM_JobOffer(slightlyRicher, true, SIM_JobOffer::kOther);
    small->Restore(false, 0, false);
  }
  (new SIM_JobOffer(richer, false, SIM_JobOffer::kOther))->Restore(false, 0, false);
  SIM_JobOffer* waiting = new SIM_JobOffer(richer, true, SIM_JobOffer::kOther);
  EXPECT_EQ(headless::AnswerOffers(), 0);
  EXPECT_EQ(player->GetJob(), held);
  ASSERT_EQ(SIM_JobOffer::All().size(), 1u);
  EXPECT_EQ(SIM_JobOffer::All().front(), waiting);

  // Once it arrives, the better job is taken and its answer put aside.
  waiting->Restore(false, 0, false);
  EXPECT_EQ(headless::AnswerOffers(), 1);
  EXPECT_EQ(player->GetJob(), richer);
  EXPECT_TRUE(SIM_JobOffer::All().empty());
}

TEST_F(SIM_HeadlessPlayerTest, FreeSlotsLeanTowardsWhatTheJobPromotesOn) {
  SIM_JobBase* job = JobPromotingOn("fitness");
  ASSERT_NE(job, nullptr);
  SIM_Vesk::Instance()->SetJob(job);
  auto helps = [&](const SIM_SoloActivityType* type) {
    for (const SIM_Modifier* m : type->GetModifiers())
      if (m->amount > 0.0f && Promotes(*job, m->name)) return true;
    return false;
  };
  size_t offered = 0, helping = 0;
  for (const auto& type : SIM_SoloActivityType::All())
    if (type->IsAvailableToday() && type->IsAffordable()) {
      ++offered;
      if (helps(type.get())) ++helping;
    }
  ASSERT_GT(helping, 0u);
  ASSERT_LT(helping, offered);

  // Half the picks go on the best helper, a quarter at random (the last quarter on the
  // player's mood): far more help than chance.
  std::map<const SIM_SoloActivityType*, int> picks;
  int helped = 0;
  constexpr int kDraws = 400;
  for (int i = 0; i < kDraws; ++i) {
    const SIM_SoloActivityType* type = headless::ChooseActivity();
    ASSERT_NE(type, nullptr);
    ASSERT_TRUE(type->IsAvailableToday() && type->IsAffordable());
    ++picks[type];
    if (helps(type)) ++helped;
  }
  const float chance = static_cast<float>(helping) / static_cast<float>(offered);
  EXPECT_GT(static_cast<float>(helped) / kDraws, 0.5f + 0.25f * chance - 0.1f);
  // Still a mix, not one activity for ever.
  EXPECT_GT(picks.size(), 2u);
}

// Evenings go to a kind the friend is expected to like and has not had enough of; when no
// pairing promises that, the slot is left for something else.
TEST_F(SIM_HeadlessPlayerTest, EveningsGoOnlyWhereTheFriendIsExpectedToLikeThem) {
  ClearPlayerFriendCountForTesting();
  SIM_Finances::Instance().SetCash(1000.0f);
  SIM_Vesk* player = SIM_Vesk::Instance();
  player->SetValue("happiness", 1.0f);
  std::vector<SIM_NPC*> friends;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) {
      npc->SetCash(1000.0f);
      friends.push_back(npc);
    }
  ASSERT_FALSE(friends.empty());
  // Of the kinds a friend would like today, every one but the last has been had too often.
  SIM_SocialiseType* left = nullptr;
  for (const auto& type : SIM_SocialiseType::All())
    if (type->IsAvailableToday() && type->minGuests <= 2 && type->category != "ROMANTIC" &&
        headless::ExpectedRating(*type, *friends.front()) >= 0.5f)
      left = type.get();
  ASSERT_NE(left, nullptr);
  for (const auto& type : SIM_SocialiseType::All())
    if (type.get() != left)
      for (SIM_NPC* npc : friends) npc->GetBoredom()->AddBoredom(type->GetName(), 0.9f);
  SIM_SIM::Instance().SetActs(2, 0);
  SIM_SocialiseInstance* evening = headless::OrganiseEvening();
  ASSERT_NE(evening, nullptr);
  EXPECT_EQ(evening->GetType(), left);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);

  // Once they have had enough of that too, nothing is organised and the slot stays free.
  for (SIM_NPC* npc : friends) npc->GetBoredom()->AddBoredom(left->GetName(), 0.9f);
  EXPECT_EQ(headless::OrganiseEvening(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
}

// Paying for a friend is returned: the player pays for a friend short of the money, and that
// friend's next invitation offers to pay, which, accepted, brings the balance back down.
TEST_F(SIM_HeadlessPlayerTest, AFriendThePlayerPaidForOffersToPayNextTime) {
  ClearPlayerFriendCountForTesting();
  SIM_Finances::Instance().SetCash(1000.0f);
  SIM_Vesk::Instance()->SetValue("happiness", 1.0f);
  for (SIM_NPC* npc : SIM_NPC::All()) {
    npc->SetCash(0.0f);
    // Only evenings with a price to pay for are left.
    for (const auto& type : SIM_SocialiseType::All())
      if (type->GetCost() == 0) npc->GetBoredom()->AddBoredom(type->GetName(), 0.9f);
  }
  SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
  SIM_SIM::Instance().SetActs(2, 0);
  SIM_SocialiseInstance* evening = headless::OrganiseEvening();
  ASSERT_NE(evening, nullptr);
  auto* paidFor = dynamic_cast<SIM_NPC*>(evening->Invitees().front());
  ASSERT_NE(paidFor, nullptr);
  const SIM_SocialiseType* kind = evening->GetType();
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(),
                  1000.0f - static_cast<float>(kind->GetHostCost() + kind->GetCost()));
  SIM_Relationship* bond = paidFor->FindRelationship(SIM_Vesk::Instance());
  ASSERT_NE(bond, nullptr);
  const float owed = bond->GetBalance();
  EXPECT_GT(owed, 0.0f);

  paidFor->SetCash(1000.0f);
  ASSERT_TRUE(paidFor->InvitePlayer());
  SIM_SocialInvitation* invitation = SIM_SocialInvitation::All().back();
  EXPECT_TRUE(invitation->HasPayOffer());
  invitation->Accept();
  EXPECT_FLOAT_EQ(bond->GetBalance(), owed - static_cast<float>(invitation->GetType()->GetCost()));
}

// Without work to climb in, the player still looks after its mood: the activity that lifts it
// most is picked far more often than chance would.
TEST_F(SIM_HeadlessPlayerTest, WithoutWorkFreeSlotsLeanTowardsWhatLiftsTheMood) {
  SIM_Vesk::Instance()->SetJob(SIM_JobBase::FindByName("unemployed", true));
  auto lifts = [](const SIM_SoloActivityType* type) {
    for (const SIM_Modifier* m : type->GetModifiers())
      if (m->name == "happiness" && m->amount > 0.0f) return true;
    return false;
  };
  size_t offered = 0, lifting = 0;
  for (const auto& type : SIM_SoloActivityType::All())
    if (type->IsAvailableToday() && type->IsAffordable()) {
      ++offered;
      if (lifts(type.get())) ++lifting;
    }
  ASSERT_GT(lifting, 0u);
  ASSERT_LT(lifting, offered);
  int lifted = 0;
  constexpr int kDraws = 400;
  for (int i = 0; i < kDraws; ++i)
    if (lifts(headless::ChooseActivity())) ++lifted;
  const float chance = static_cast<float>(lifting) / static_cast<float>(offered);
  // Three quarters of the draws go to the best lifter, the rest at random.
  EXPECT_GT(static_cast<float>(lifted) / kDraws, 0.75f + 0.25f * chance - 0.1f);
}

// A drinker goes for a drink whenever it can. Of the evenings its friends would come to, the
// one that serves drink comes first, even a kind had so often this year that the default
// player asks for something else; every other free slot goes on a drink at home while the
// cash covers one (never on the support group, which pours none); without the money the
// slots are filled as the default player fills them.
TEST_F(SIM_HeadlessPlayerTest, ADrinkerTakesADrinkWheneverItCan) {
  ClearPlayerFriendCountForTesting();
  SIM_Finances::Instance().SetCash(1000.0f);
  SIM_Vesk::Instance()->SetValue("happiness", 1.0f);
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) npc->SetCash(1000.0f);
  const SIM_SocialiseType* pub = nullptr;
  for (const auto& type : SIM_SocialiseType::All()) {
    if (type->GetCategory() == "BEER") pub = type.get();
    // Only an evening at the pub serves drink.
    EXPECT_EQ(headless::AlcoholOf(*type) > 0.0f, type->GetCategory() == "BEER") << type->GetName();
  }
  ASSERT_NE(pub, nullptr);
  for (int i = 0; i < 60; ++i) SIM_Statistics::Instance().CountActivity(pub->GetGuiName());
  SIM_SIM& sim = SIM_SIM::Instance();

  sim.SetActs(2, 0);
  const SIM_SocialiseInstance* evening = headless::OrganiseEvening();
  ASSERT_NE(evening, nullptr);
  EXPECT_NE(evening->GetType(), pub);
  SIM_NPC::ClearInvitedToday();
  sim.SetActs(2, 0);
  evening = headless::OrganiseEvening(headless::Habits::kDrinker);
  ASSERT_NE(evening, nullptr);
  EXPECT_EQ(evening->GetType(), pub);
  EXPECT_EQ(sim.GetActsUsed(), 1);

  // The day's other slot: a drink at home.
  const SIM_SoloActivityType* home = headless::DrinkToTake();
  ASSERT_NE(home, nullptr);
  EXPECT_GT(headless::AlcoholOf(*home), 0.0f);
  const float cash = SIM_Finances::Instance().GetCash();
  headless::FillTheDay(headless::Habits::kDrinker);
  EXPECT_EQ(sim.GetActsUsed(), 2);
  EXPECT_EQ(PlayerEffects("alcohol", home->GetTypeName()).size(), 1u);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), cash - home->GetCost());

  // An alcoholic is offered the meeting too, and still reaches for the bottle; with no money
  // for one there is no drink to take, and the day is filled all the same.
  SIM_Alcohol::Restore(1.0f, true, 1.1f);
  ASSERT_TRUE(SIM_SoloActivityType::FindByName("alcoholicsmeeting")->IsAvailableToday());
  EXPECT_EQ(headless::DrinkToTake(), home);
  SIM_Finances::Instance().SetCash(0.0f);
  EXPECT_EQ(headless::DrinkToTake(), nullptr);
  sim.SetActs(2, 0);
  headless::FillTheDay(headless::Habits::kDrinker);
  EXPECT_EQ(sim.GetActsLeft(), 0);
  EXPECT_EQ(PlayerEffects("alcohol", home->GetTypeName()).size(), 1u);
}

// Played day by day, the drinker's habit takes hold within a few months; the default player,
// who drinks only now and then, never becomes an alcoholic in a year.
TEST_F(SIM_HeadlessPlayerTest, PlayedForAYearTheDrinkerBecomesAnAlcoholicAndTheDefaultDoesNot) {
  ClearPlayerFriendCountForTesting();
  // The days need no autosave (the fixture's next set-up clears the options).
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
  auto play = [](headless::Habits habits) {
    SIM_SIM::Instance().NewGame();
    const int year = SIM_Date::kMonthsPerYear * SIM_Date::kDaysPerMonth;
    for (int day = 1; day <= year; ++day) {
      testsupport::PlayDays(1, habits);
      if (SIM_Alcohol::IsAlcoholic()) return day;
    }
    return 0;
  };
  const int drinker = play(headless::Habits::kDrinker);
  EXPECT_GT(drinker, 0);
  EXPECT_LE(drinker, 9 * SIM_Date::kDaysPerMonth);
  EXPECT_EQ(play(headless::Habits::kDefault), 0);
}

// The free slots that go on a project go on one that can earn royalties while every project
// is just begun, and on the one furthest on once one is: a project is finished by keeping at
// it, whatever it is.
TEST_F(SIM_HeadlessPlayerTest, ProjectTimeGoesOnAWorkThatCanEarnRoyaltiesThenOnTheFurthestOn) {
  SIM_Vesk::Instance()->SetJob(SIM_JobBase::FindByName("unemployed", true));
  SIM_Vesk* player = SIM_Vesk::Instance();
  player->SetValue("culture", 0.5f);
  player->SetValue("iq", 0.5f);
  const SIM_SoloActivityType* screenplay = SIM_SoloActivityType::FindByName("writescreenplay");
  const SIM_SoloActivityType* story = SIM_SoloActivityType::FindByName("investigatestory");
  ASSERT_NE(screenplay, nullptr);
  ASSERT_NE(story, nullptr);
  ASSERT_TRUE(screenplay->IsAvailableToday() && screenplay->IsAffordable());
  ASSERT_TRUE(story->IsAvailableToday() && story->IsAffordable());
  for (SIM_AchievementBase* project : AllProjects()) ASSERT_EQ(project->GetProgress(), 0.0f);
  auto picks = [](const SIM_SoloActivityType* type) {
    int n = 0;
    for (int i = 0; i < 400; ++i)
      if (headless::ChooseActivity() == type) ++n;
    return n;
  };
  // A tenth of the draws go on a project; a draw at random seldom lands on one activity.
  const int screenplays = picks(screenplay);
  const int stories = picks(story);
  EXPECT_GT(screenplays, 25);
  EXPECT_LT(stories, 15);

  SIM_NewsStory::Instance().Restore(0.5f, 0.0f, "Half Told", {});
  EXPECT_GT(picks(story), 25);
  EXPECT_LT(picks(screenplay), 15);
}
