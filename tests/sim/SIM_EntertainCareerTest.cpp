// A player who studies can act and play in a band: the drama and music classes, the
// instruments the shop sells, practising at home and the gym raise what the acting and music
// jobs of the daily pool ask for.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Shop.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Vesk.h"
#include "SimTestWorld.h"

namespace {

class EntertainCareerTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    SIM_Finances::Instance().SetCash(100000.0f);
    Rest();
  }

  // Fresh and sober, so a class teaches its whole lesson.
  static void Rest() {
    for (const char* name : {"tiredness", "stress", "alcohol"}) SIM_Vesk::Instance()->SetValue(name, 0.0f);
  }
  static void NextSlot() {
    SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
    SIM_SIM::Instance().SetActs(2, 0);
  }

  // Enrols on the class and attends it, an evening at a time, until the course is complete.
  static void Study(const std::string& name) {
    HOOK_EveningClassType* course = HOOK_EveningClassType::FindByName(name);
    ASSERT_NE(course, nullptr) << name;
    ASSERT_TRUE(course->ArePrerequisitesMet()) << name;
    course->Enrol();
    for (int evening = 0; evening < 40 && !course->IsCompleted(); ++evening) {
      NextSlot();
      Rest();
      course->Start();
    }
    EXPECT_TRUE(course->IsCompleted()) << name;
  }

  // Does the solo activity until the test holds, at most `times` times; false if it never did.
  template <class Test>
  static bool DoUntil(const std::string& activity, int times, Test holds) {
    SIM_SoloActivityType* type = SIM_SoloActivityType::FindByName(activity);
    for (int i = 0; i < times && !holds(); ++i) {
      EXPECT_TRUE(type->IsAvailableToday()) << activity;
      NextSlot();
      Rest();
      type->Start();
    }
    return holds();
  }

  // A pool job of the given level and specialty, made as the pool makes its jobs (the
  // specialty is drawn, so jobs are made until one of it comes up).
  template <class Job>
  static std::unique_ptr<SIM_EntertainJob> Offer(float level, const std::string& specialty) {
    for (int tries = 0; tries < 500; ++tries) {
      auto job = std::make_unique<Job>(false);
      job->SetLevel(level);
      job->Generate();
      if (job->GetSpecialty() == specialty) return job;
    }
    ADD_FAILURE() << "no " << specialty << " job was made";
    return nullptr;
  }

  static bool Asks(const SIM_JobBase& job, const std::string& value) {
    for (const auto& p : job.GetPrerequisites())
      if (p->GetName() == value) return true;
    return false;
  }
};

TEST_F(EntertainCareerTest, TheBeginnersClassOpensFirstPartsAndTheGymTheActionRoles) {
  std::unique_ptr<SIM_EntertainJob> drama = Offer<SIM_ActingJob>(0.3f, "drama");
  std::unique_ptr<SIM_EntertainJob> action = Offer<SIM_ActingJob>(0.3f, "action");
  ASSERT_TRUE(drama && action);
  EXPECT_TRUE(Asks(*drama, "weight"));  // a slim figure, which a new player has
  EXPECT_TRUE(Asks(*drama, "acting_basic"));
  EXPECT_FALSE(Asks(*drama, "xp_acting_drama"));  // a first part needs no experience
  EXPECT_FALSE(drama->ArePrerequisitesMet());

  Study("acting_basic");
  EXPECT_TRUE(drama->ArePrerequisitesMet());
  // An action star also needs muscles, which the gym builds.
  ASSERT_TRUE(Asks(*action, "muscles"));
  EXPECT_FALSE(action->ArePrerequisitesMet());
  SIM_Shop::Buy(SIM_Asset::FindByName("gymmembership"));
  EXPECT_TRUE(DoUntil("visitgym", 20, [&] { return action->ArePrerequisitesMet(); }));

  // The better parts follow the further classes, each on the ones before it.
  Study("stagecraft");
  Study("acting_inter");
  EXPECT_GE(SIM_Vesk::Instance()->GetValue("acting_inter"), 1.0f);
  Study("voicecoaching");
  Study("acting_singing");
  Study("improvisation");
  Study("screenacting");
  Study("acting_adv");
  EXPECT_GE(SIM_Vesk::Instance()->GetValue("acting_adv"), 1.0f);
  // The experience they also ask for is the parts' own: a first part gives it.
  const float before = SIM_Vesk::Instance()->GetValue("xp_acting_drama");
  drama->ApplyModifiers(1.0f);
  EXPECT_GT(SIM_Vesk::Instance()->GetValue("xp_acting_drama"), before);
}

TEST_F(EntertainCareerTest, AnInstrumentAndItsPracticeOrItsClassMakeAMusicianForABand) {
  for (const std::string instrument : {"drums", "bass", "vocals"}) {
    std::unique_ptr<SIM_EntertainJob> gig = Offer<SIM_MusicJob>(0.15f, instrument);
    ASSERT_TRUE(gig);
    EXPECT_FALSE(Asks(*gig, "xp_music_" + instrument)) << instrument;  // a first gig needs none
    EXPECT_FALSE(gig->ArePrerequisitesMet()) << instrument;

    // The shop sells the instrument; its use is practising it, which only owning it allows.
    SIM_Asset* owned = SIM_Asset::FindByName(instrument);
    ASSERT_NE(owned, nullptr) << instrument;
    EXPECT_EQ(owned->GetCategory(), "music");
    const std::vector<SIM_Asset*> shelf = SIM_Shop::Offered("music");
    EXPECT_NE(std::find(shelf.begin(), shelf.end(), owned), shelf.end()) << instrument;
    SIM_SoloActivityType* practice = SIM_SoloActivityType::FindByName(owned->GetUseActivity());
    EXPECT_FALSE(practice->IsAvailableToday()) << instrument;
    // The job search shows every requirement, the instrument by the name the shop sells it
    // under, crossed until it is bought.
    auto instrumentRow = [&] {
      const std::vector<SIM_JobBase::Requirement> rows = gig->Requirements();
      EXPECT_EQ(rows.size(), gig->GetPrerequisites().size()) << instrument;
      return rows.empty() ? SIM_JobBase::Requirement{} : rows.back();
    };
    EXPECT_EQ(instrumentRow().label, owned->GetGuiName());
    EXPECT_FALSE(instrumentRow().met) << instrument;
    SIM_Shop::Buy(owned);
    EXPECT_TRUE(instrumentRow().met) << instrument;
    EXPECT_FALSE(gig->RequirementsMet()) << instrument;  // owning is not playing
    EXPECT_TRUE(DoUntil(practice->GetName(), 20, [&] { return gig->RequirementsMet(); }))
        << instrument;
  }
  // The class teaches the whole skill that the better bands ask for.
  std::unique_ptr<SIM_EntertainJob> band = Offer<SIM_MusicJob>(0.6f, "drums");
  ASSERT_TRUE(band);
  Study("music_drums");
  EXPECT_GE(SIM_Vesk::Instance()->GetValue("music_drums"), 1.0f);
  const float before = SIM_Vesk::Instance()->GetValue("xp_music_drums");
  band->ApplyModifiers(1.0f);  // and a gig its experience
  EXPECT_GT(SIM_Vesk::Instance()->GetValue("xp_music_drums"), before);
}

}  // namespace
