// The player's illness state and the sound each state makes.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "SimTestWorld.h"
#include "engine/CallTrace.h"
#include "engine/Random.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Sounds.h"
#include "support/RecordingSounds.h"

namespace {

class SIM_HealthTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SIM_Sounds::SetBackend(testsupport::RecordingSounds());  // requests are recorded
    ClearTracedCalls();
    SeedRandom(11);
  }
  void TearDown() override {
    health.SetState(saved);
    ClearTracedCalls();
  }

  SIM_Health& health = SIM_Health::Instance();
  int saved = SIM_Health::Instance().GetState();
};

TEST_F(SIM_HealthTest, StatesOutsideTheKnownOnesCountAsWell) {
  for (int state : {SIM_Health::kSneezing, SIM_Health::kCoughing, SIM_Health::kStressed}) {
    health.SetState(state);
    EXPECT_EQ(health.GetState(), state);
    EXPECT_FALSE(health.IsHealthy());
  }
  for (int damaged : {-1, 4, 1000}) {
    health.SetState(SIM_Health::kCoughing);
    health.SetState(damaged);
    EXPECT_EQ(health.GetState(), SIM_Health::kWell) << damaged;
    EXPECT_TRUE(health.IsHealthy());
  }
  health.SetState(SIM_Health::kCoughing);
  health.Reset();
  EXPECT_TRUE(health.IsHealthy());
  health.SetHealthyForTesting(false);
  EXPECT_EQ(health.GetState(), SIM_Health::kStressed);
}

TEST_F(SIM_HealthTest, SneezingPicksEitherSneezeCoughingTheCoughOthersNothing) {
  health.SetState(SIM_Health::kSneezing);
  std::set<std::string> heard;
  for (int i = 0; i < 64; ++i) heard.insert(health.PickIllnessSound());
  EXPECT_EQ(heard, (std::set<std::string>{"data/sounds/sneeze1.wav", "data/sounds/sneeze2.wav"}));

  health.SetState(SIM_Health::kCoughing);
  EXPECT_EQ(health.PickIllnessSound(), "data/sounds/cough.ogg");
  // Silent states draw no random number: the sequence goes on as if nothing was asked.
  for (int state : {SIM_Health::kWell, SIM_Health::kStressed}) {
    health.SetState(state);
    const uint32_t before = GetRandomState();
    EXPECT_EQ(health.PickIllnessSound(), "");
    EXPECT_EQ(GetRandomState(), before);
  }
}

TEST_F(SIM_HealthTest, TheIllnessSoundGoesToTheSoundManager) {
  health.SetState(SIM_Health::kCoughing);
  health.PlayIllnessSound();
  health.SetState(SIM_Health::kStressed);
  health.PlayIllnessSound();
  health.SetState(SIM_Health::kWell);
  health.PlayIllnessSound();
  EXPECT_EQ(TracedCalls(), std::vector<std::string>{"GUI_Sounds::PlaySound data/sounds/cough.ogg"});

  std::vector<std::string> played;
  SIM_Sounds::Backend backend;
  backend.playSound = [&](const std::string& file) { played.push_back(file); };
  SIM_Sounds::SetBackend(std::move(backend));
  health.SetState(SIM_Health::kSneezing);
  health.PlayIllnessSound();
  SIM_Sounds::SetBackend(testsupport::RecordingSounds());
  ASSERT_EQ(played.size(), 1u);
  EXPECT_EQ(played[0].rfind("data/sounds/sneeze", 0), 0u);
}

// A player who never cleans, from a new game with the shipped tuning, the days passing
// through the simulation's own day change: the flat is past the mess line in two weeks, the
// germs past theirs in about four (not in three), and the cough comes a few weeks in, not
// after a year of squalor.
class NeglectedFlatTest : public SimWorldTest {};

TEST_F(NeglectedFlatTest, ANeverCleanedFlatMakesThePlayerCoughWithinAFewWeeks) {
  SIM_SIM& sim = SIM_SIM::Instance();
  auto* screens = dynamic_cast<SIM_HeadlessScreens*>(&Screens());
  ASSERT_NE(screens, nullptr);
  ASSERT_FALSE(GlobalNamedValues().IsSet("cleaner"));
  int messy = 0, germy = 0, coughing = 0;
  for (int day = 1; day <= 8 * 7 && coughing == 0; ++day) {
    sim.NextDay();
    screens->AnswerScreens();
    if (messy == 0 && GlobalNamedValues().Find("glob_dirt")->GetValue() > 0.5f) messy = day;
    if (germy == 0 && GlobalNamedValues().Find("glob_germs")->GetValue() > 0.5f) germy = day;
    if (SIM_Health::Instance().GetState() == SIM_Health::kCoughing) coughing = day;
  }
  EXPECT_EQ(messy, 13);
  EXPECT_GT(germy, 3 * 7);
  EXPECT_LE(germy, 5 * 7);
  // Each day past the line the player's health wards the cough off only now and then.
  EXPECT_GE(coughing, germy);
  EXPECT_GT(coughing, 0) << "no cough in eight weeks of dirt";
}

}  // namespace
