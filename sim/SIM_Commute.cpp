// The daily commute.
#include "sim/SIM_Commute.h"

#include <algorithm>

#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"

SIM_Commute& SIM_Commute::Instance() {
  static SIM_Commute instance;
  return instance;
}

void SIM_Commute::Reset() {
  for (float& a : amounts_) a = 0.0f;
  cost_ = 0.0f;
}

float SIM_Commute::GetAmount(int effect) const {
  return effect >= 0 && effect < 4 ? amounts_[effect] : 0.0f;
}

float SIM_Commute::Bounded(float value, float most) {
  if (!(value == value)) return 0.0f;
  return std::clamp(value, -most, most);
}

int SIM_Commute::LargestExcept(int skip) const {
  int best = 1;
  float bestAmount = -1.0f;
  for (int i = 0; i < 4; ++i) {
    if (i == skip) continue;
    if (amounts_[i] > bestAmount) {
      bestAmount = amounts_[i];
      best = i;
    }
  }
  return best;
}

int SIM_Commute::GetPrimaryEffect() const { return LargestExcept(-1); }

int SIM_Commute::GetSecondaryEffect() const { return LargestExcept(GetPrimaryEffect()); }

void SIM_Commute::DailyCommute() {
  if (CurrentDate().GetDayOfWeek() >= 5) return;
  SIM_CommuteMethod::ValidateChoice();
  Screens().RefreshCareer();
  const SIM_CommuteMethod* method = SIM_CommuteMethod::GetChosen();
  if (!method) return;
  SIM_Vesk* player = SIM_Vesk::Instance();
  const SIM_JobInstance* job = player->GetJobInstance();
  // A distance that came with a save is held as the job's own reading holds it.
  const float d = std::clamp(Bounded(job ? job->GetCommuteDistance() : 0.0f, kMostMiles), 0.0f,
                             kMostMiles);
  SIM_Commute& c = Instance();
  auto day = [d](float perMile) {
    return Bounded(Bounded(perMile, kMostPerMile) * d, kMostDayAmount);
  };

  c.cost_ = day(method->GetCostPerMile());
  if (c.cost_ > 0.0f) SIM_Finances::Instance().Spend(c.cost_);

  c.amounts_[kTiredness] = day(method->GetTirednessPerMile());
  player->ModifyValue("tiredness", c.amounts_[kTiredness], 0.0f, "commute");

  c.amounts_[kStress] = day(method->GetStressPerMile(SIM_Weather::Instance().GetType()));
  player->ModifyValue("stress", c.amounts_[kStress], 0.0f, "commute");

  // Music on the way makes the journey less dull.
  float boredomRate = method->GetBoredomPerMile();
  if (method->HasMp3() && GlobalNamedValues().IsSet("mp3player")) boredomRate *= 0.25f;
  c.amounts_[kBoredom] = day(boredomRate);
  player->ModifyValue("boredom", c.amounts_[kBoredom], 0.0f, "commute");

  c.amounts_[kFitness] = day(method->GetFitnessPerMile());
  player->ModifyValue("fitness", c.amounts_[kFitness], 0.5f, "commute");
}
