// The player's illness.
#include "sim/SIM_Health.h"

#include "engine/Random.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Vesk.h"

namespace {

constexpr float kGermLine = 0.5f;
constexpr float kStressLine = 0.9f;

SIM_NamedValue* GermsValue() {
  SIM_NamedValueList& globals = GlobalNamedValues();
  SIM_NamedValue* germs = globals.Find("glob_germs");
  if (!germs) {
    germs = new SIM_NamedValue("glob_germs", "Germs", 0.0f);
    globals.Add(germs);
  }
  return germs;
}

float GlobalOrZero(const char* name) {
  const SIM_NamedValue* value = GlobalNamedValues().Find(name);
  return value ? value->GetValue() : 0.0f;
}

}  // namespace

SIM_Health& SIM_Health::Instance() {
  static SIM_Health instance;
  return instance;
}

void SIM_Health::DailyUpdate() {
  // Germs breed in a dirty home and die off in a clean one.
  SIM_NamedValue* germs = GermsValue();
  const float dirt = GlobalOrZero("glob_dirt");
  const float growth =
      (dirt - kGermLine) * 0.25f * SIM_GlobalVariables::Instance().Get("GV_GERM_ACCUMULATE_RATE");
  if (dirt > kGermLine && growth > 0.0f) {
    germs->Apply("+=", growth);
  } else {
    germs->Apply("-=", 0.1f);
  }

  const SIM_Vesk* player = SIM_Vesk::Instance();
  if (state_ == kWell) {
    if (germs->GetValue() > kGermLine && RandomChance(1.0f - player->GetValue("health"))) {
      state_ = kCoughing;
      FallIll();
    }
    // Only very high stress makes the player ill, and the higher it is the less likely.
    const float stress = player->GetValue("stress");
    if (stress > kStressLine && RandomChance(1.0f - stress)) {
      state_ = kStressed;
      duration_ = 5 + RandomBelow(4);
    }
    return;
  }
  switch (state_) {
    case kCoughing:
      if (germs->GetValue() < kGermLine && RandomChance(kGermLine - germs->GetValue()))
        state_ = kWell;
      break;
    case kSneezing:
    case kStressed:
      if (--duration_ < 1) {
        state_ = kWell;
        duration_ = 0;
      }
      break;
    default:
      break;
  }
}

void SIM_Health::Reset() {
  GermsValue()->SetValue(0.0f);
  state_ = kWell;
  duration_ = 0;
}

void SIM_Health::CatchCold() {
  if (!RandomChance(1.0f - SIM_Vesk::Instance()->GetValue("health"))) return;
  state_ = kSneezing;
  duration_ = 2 + RandomBelow(3);
  FallIll();
}

void SIM_Health::FallIll() const {
  Screens().ShowHint("ill");
  PlayIllnessSound();
}

void SIM_Health::SetState(int state) {
  state_ = state >= kWell && state <= kStressed ? state : kWell;
}

std::string SIM_Health::PickIllnessSound() const {
  switch (state_) {
    case kSneezing:
      return RandomChance(0.5f) ? "data/sounds/sneeze1.wav" : "data/sounds/sneeze2.wav";
    case kCoughing:
      return "data/sounds/cough.ogg";
    default:
      return {};
  }
}

void SIM_Health::PlayIllnessSound() const {
  const std::string file = PickIllnessSound();
  if (!file.empty()) SIM_Sounds::PlaySound(file);
}
