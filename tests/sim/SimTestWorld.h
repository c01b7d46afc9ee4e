// A started simulation for tests: the shipped data (tests run in the source folder), player
// options in a temporary folder, a fixed seed and a new game, with the recorded calls cleared.
#pragma once

#include <gtest/gtest.h>

#include "engine/CallTrace.h"
#include "engine/Random.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Friends.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Vesk.h"
#include "support/TestSupport.h"

#include <string>
#include <vector>

// The effects one source left on one of the player's attributes, oldest first.
inline std::vector<const SIM_Effect*> PlayerEffects(const char* attribute, const std::string& source) {
  std::vector<const SIM_Effect*> found;
  if (const SIM_Attribute* a = SIM_Attribute::Find(attribute))
    for (const SIM_Effect* effect : a->GetEffects())
      if (effect->GetDebugName() == source) found.push_back(effect);
  return found;
}

// A state of the game's generator whose next unit draw (RandomUnit, and so RandomChance and
// RandomFloat) is `unit`, to within one step of the 15-bit draw; found by trying states, so a
// test can set up a lucky or an unlucky day without knowing the generator's arithmetic.
inline uint32_t StateDrawingUnit(float unit) {
  const uint32_t kept = GetRandomState();
  uint32_t found = 0;
  for (uint32_t state = 1; state < (1u << 24); ++state) {
    SetRandomState(state);
    const float drawn = RandomUnit();
    if (drawn >= unit - 0.5f / kRandomMax && drawn <= unit + 0.5f / kRandomMax) {
      found = state;
      break;
    }
  }
  SetRandomState(kept);
  EXPECT_NE(found, 0u) << "no state draws " << unit;
  return found;
}

class SimWorldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A test that stopped half-way may have left the simulation started. Its start-up would
    // then be skipped below, and with it the reading of this test's options (autosave,
    // difficulty): stop it first, writing no options anywhere.
    if (SIM_SIM::Instance().IsInitialised()) {
      SIM_PlayerOptions::Instance().SetFolder("");
      SIM_SIM::Instance().Shutdown();
    }
    SIM_PlayerOptions::Instance().Clear();
    SIM_PlayerOptions::Instance().SetFolder(dir.Str());
    SetFixedRandomSeed(1234);
    // No avatar is chosen here, and a new game without one keeps the gender the player has:
    // whatever a test does to it (a picture, a loaded game) is put back afterwards, or every
    // later test would play its days as the other gender.
    gender_ = SIM_Vesk::Instance()->GetGender();
    SIM_SIM::Instance().Init();
    SIM_SIM::Instance().NewGame();
    SetPlayerFriendCountForTesting(0);  // activity rules are tested as for a player alone
    ClearTracedCalls();
  }
  void TearDown() override {
    SIM_SIM::Instance().Shutdown();
    SIM_Attribute::ClearRegistry();  // the player's attributes are no one else's to find
    GUI_EndGame::Instance()->Hide();
    GUI_WorkDay::Instance()->Close();
    GUI_YearlyReview::Instance()->Dismiss();
    SIM_Health::Instance().SetHealthyForTesting(true);
    ClearPlayerFriendCountForTesting();
    ClearFixedRandomSeed();
    SIM_PlayerOptions::Instance().SetFolder("");
    SIM_Vesk::Instance()->RestoreGender(gender_);
  }

  testsupport::TempDir dir;

 private:
  int gender_ = kFemale;
};
