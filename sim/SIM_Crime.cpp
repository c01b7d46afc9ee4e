// Crime.
#include "sim/SIM_Crime.h"

#include <algorithm>
#include <string>

#include "engine/Random.h"
#include "engine/Utilities.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

namespace {

int g_muggings = 0;
int g_burglaries = 0;

// Work-day summary line kinds.
constexpr int kLineArrested = 1;
constexpr int kLineDefeated = 2;
constexpr int kLineMugged = 3;
constexpr int kLineBurgled = 4;
constexpr int kLineAlarm = 5;
constexpr int kLineDog = 6;

constexpr int kNewsDays = 4;
// Below this the thief finds nothing worth taking.
constexpr float kPettyCash = 3.5f;

// Days until the next attempt, drawn between two whole numbers of days. A table may give
// bounds beyond any game; they are held within a lifetime of days, so the counter, which
// counts down a day at a time, stays in the range of an int and of a save.
constexpr int kLongestInterval = 1000000;

int Draw(float low, float high) {
  const auto days = [](float bound) {
    return static_cast<float>(std::clamp(ClampToInt(bound), -kLongestInterval, kLongestInterval));
  };
  return static_cast<int>(RandomFloat(days(low), days(high)));
}

int DrawInterval(const char* minName, const char* maxName, float factor) {
  const SIM_GlobalVariables& gv = SIM_GlobalVariables::Instance();
  return Draw(gv.Get(minName) * factor, gv.Get(maxName) * factor);
}

// A harder game brings crime sooner.
float DifficultyFactor() {
  const float d = SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
  return (1.0f - d) + 0.5f;
}

bool IsWorkingDay() { return CurrentDate().GetDayOfWeek() < 5; }

void TakeCash(float low, float high) {
  SIM_Finances& finances = SIM_Finances::Instance();
  const float cash = finances.GetCash();
  if (cash > kPettyCash) finances.Spend(cash * RandomFloat(low, high));
}

}  // namespace

SIM_Crime& SIM_Crime::Instance() {
  static SIM_Crime instance;
  return instance;
}

int SIM_Crime::MuggingsTried() { return g_muggings; }
int SIM_Crime::BurglariesTried() { return g_burglaries; }

void SIM_Crime::ResetTimers() {
  SIM_Crime& c = Instance();
  c.daysToMugging_ = DrawInterval("GV_MUGGING_INTERVAL_MIN", "GV_MUGGING_INTERVAL_MAX", 1.0f);
  c.daysToBurglary_ = DrawInterval("GV_BURGLARY_INTERVAL_MIN", "GV_BURGLARY_INTERVAL_MAX", 1.0f);
}

void SIM_Crime::DailyUpdate() {
  if (!SIM_Health::Instance().IsHealthy()) return;
  SIM_Crime& c = Instance();
  c.daysToMugging_ -= 1;
  if (c.daysToMugging_ < 1) {
    Mugging();
    return;
  }
  c.daysToBurglary_ -= 1;
  if (c.daysToBurglary_ <= 0) Burglary();
}

void SIM_Crime::Mugging() {
  SIM_Vesk* player = SIM_Vesk::Instance();
  // A strong player, or one who drives, is left alone; the count stays run out and the
  // mugger tries again the next day.
  if (player->GetValue("muscles") > 0.5f || !SIM_CommuteMethod::IsNotMotorised() ||
      !IsWorkingDay())
    return;
  ++g_muggings;
  Instance().daysToMugging_ =
      DrawInterval("GV_MUGGING_INTERVAL_MIN", "GV_MUGGING_INTERVAL_MAX", DifficultyFactor());
  const float defence = std::max(player->GetValue("kungfu"), player->GetValue("kickboxing"));
  const SIM_GlobalVariables& gv = SIM_GlobalVariables::Instance();
  SIM_Screens& screens = Screens();
  float confidence = 0.0f;
  float happiness = 0.0f;
  if (defence > 0.9f) {
    screens.AddWorkDayLine(kLineArrested, 0);
    SIM_Tovel::Instance().Add(gv.Get("GV_MUGGER_ARREST_TOVEL"));
    SIM_SmallTalk::AddNews("SMALLTALK_MUGGER_ARRESTED", kNewsDays);
    SIM_Sounds::PlaySound("data/sounds/kungfu.ogg");
    screens.ShowFMV("FMV_MUGGERARRESTED");
    UnlockAchievement("ACH_ARREST_MUGGER");
    confidence = 0.25f;
    happiness = 0.125f;
  } else if (defence > 0.5f) {
    screens.AddWorkDayLine(kLineDefeated, 0);
    SIM_Tovel::Instance().Add(gv.Get("GV_MUGGER_DEFEAT_TOVEL"));
    SIM_SmallTalk::AddNews("SMALLTALK_MUGGER_DEFEATED", kNewsDays);
    SIM_Sounds::PlaySound("data/sounds/kungfu.ogg");
    screens.ShowFMV("FMV_MUGGERDEFEATED");
    UnlockAchievement("ACH_FIGHT_MUGGER");
    confidence = 0.125f;
    happiness = 0.0625f;
  } else {
    screens.AddWorkDayLine(kLineMugged, 0);
    SIM_Tovel::Instance().Add(gv.Get("GV_MUGGED_TOVEL"));
    SIM_SmallTalk::AddNews("SMALLTALK_MUGGED", kNewsDays);
    screens.ShowFMV("FMV_MUGGED");
    UnlockAchievement("ACH_MUGGED");
    TakeCash(0.75f, 0.95f);
    confidence = -0.25f;
    happiness = -0.25f;
  }
  player->ModifyValue("confidence", confidence, 0.8f, "crime");
  player->ModifyValue("happiness", happiness, 0.6f, "crime");
}

void SIM_Crime::Burglary() {
  if (!IsWorkingDay()) return;
  ++g_burglaries;
  Instance().daysToBurglary_ =
      DrawInterval("GV_BURGLARY_INTERVAL_MIN", "GV_BURGLARY_INTERVAL_MAX", DifficultyFactor());
  SIM_Screens& screens = Screens();
  const SIM_NamedValueList& globals = GlobalNamedValues();
  if (globals.IsSet("alarm")) {
    screens.AddWorkDayLine(kLineAlarm, 0);
    SIM_Sounds::PlaySound("data/sounds/alarm.ogg");
    screens.ShowFMV("FMV_ATTEMPTEDBREAKIN");
  } else if (globals.IsSet("dog")) {
    screens.AddWorkDayLine(kLineDog, 0);
    screens.ShowFMV("FMV_DOGDEFENDED");
    SIM_SmallTalk::AddNews("SMALLTALK_DOGDEFENDED", kNewsDays);
    SIM_Sounds::PlaySound("data/sounds/dog_growl.ogg");
    SIM_Dog::CountBurglarAttack();
  } else {
    screens.ShowFMV("FMV_BURGLED");
    screens.AddWorkDayLine(kLineBurgled, 0);
    SIM_Asset::StealAssets();
    TakeCash(0.25f, 0.5f);
    SIM_SmallTalk::AddNews("SMALLTALK_BURGLED", kNewsDays);
    UnlockAchievement("ACH_BURGLED");
  }
}
