// The home's dirt.
#include "sim/SIM_Dirt.h"

#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Screens.h"

namespace {

constexpr int kLineMessy = 8;
constexpr float kMessy = 0.5f;

SIM_NamedValue* DirtValue() {
  SIM_NamedValueList& globals = GlobalNamedValues();
  SIM_NamedValue* dirt = globals.Find("glob_dirt");
  if (!dirt) {
    dirt = new SIM_NamedValue("glob_dirt", "Dirt", 0.0f);
    globals.Add(dirt);
  }
  return dirt;
}

}  // namespace

SIM_Dirt& SIM_Dirt::Instance() {
  static SIM_Dirt instance;
  return instance;
}

void SIM_Dirt::Reset() {
  DirtValue()->SetValue(0.0f);
  dirt_ = 0.0f;
}

void SIM_Dirt::DailyUpdate() {
  const SIM_NamedValueList& globals = GlobalNamedValues();
  SIM_NamedValue* dirt = DirtValue();
  if (globals.IsSet("cleaner")) {
    dirt->SetValue(0.0f);
    dirt_ = 0.0f;
    return;
  }
  const SIM_GlobalVariables& gv = SIM_GlobalVariables::Instance();
  float rate = gv.Get("GV_DIRT_ACCUMULATE_RATE");
  if (globals.IsSet("dog")) rate += gv.Get("GV_DIRT_PET_BONUS");
  if (globals.IsSet("cat")) rate += gv.Get("GV_DIRT_PET_BONUS");
  dirt->Apply("+=", rate);
  dirt_ = dirt->GetValue();
  if (dirt_ > kMessy) {
    Screens().AddWorkDayLine(kLineMessy, 0);
    Screens().ShowHint("dirt_threshhold");
  }
}
