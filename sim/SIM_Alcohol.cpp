// Drinking.
#include "sim/SIM_Alcohol.h"

#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Vesk.h"

namespace {

// Heavy drinking: above this the blood alcohol builds up; at or below it, it falls.
constexpr float kHeavyDrinking = 0.75f;
// Past this blood alcohol the player is an alcoholic.
constexpr float kAddicted = 1.0f;
// An alcoholic this sober gains on the addiction; this drunk, it takes hold again.
constexpr float kSober = 0.05f;
constexpr float kRelapse = 0.8f;
// Withdrawal bites only while the player's alcohol is below this.
constexpr float kWithdrawal = 0.5f;
// A meeting counts as this many sober days.
constexpr float kMeetingDays = 5.0f;
// The work-day summary's line for drink taking hold.
constexpr int kAlcoholicLine = 9;
// The alcoholic's sober days in a row, kept among the world's values so that a saved game
// keeps the count; the interlude of recovery says how long the player has been dry.
constexpr const char* kDaysDry = "alcoholic_drydays";

int DaysDry() {
  const SIM_NamedValue* days = GlobalNamedValues().Find(kDaysDry);
  return days ? ClampToInt(days->GetValue()) : 0;
}

struct State {
  float addictionStrength = 0.0f;
  bool alcoholic = false;
  float bloodAlcohol = 0.0f;
};

State& TheState() {
  static State state;
  return state;
}

float Var(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

}  // namespace

void SIM_Alcohol::Reset() { TheState() = State(); }

void SIM_Alcohol::Restore(float addictionStrength, bool alcoholic, float bloodAlcohol) {
  State& s = TheState();
  s.addictionStrength = addictionStrength;
  s.alcoholic = alcoholic;
  s.bloodAlcohol = bloodAlcohol < 0.0f ? 0.0f : bloodAlcohol;
  // The saved globals normally hold the mirror already; a game that never had the flag keeps
  // no value of that name, so that the load adds nothing the saved game did not have.
  if (alcoholic || GlobalNamedValues().Find("alcoholic"))
    SetGlobalValue("alcoholic", alcoholic ? 1.0f : 0.0f);
}

float SIM_Alcohol::GetAddictionStrength() { return TheState().addictionStrength; }
float SIM_Alcohol::GetBloodAlcohol() { return TheState().bloodAlcohol; }
bool SIM_Alcohol::IsAlcoholic() { return TheState().alcoholic; }

void SIM_Alcohol::DailyUpdate() {
  State& s = TheState();
  const float alcohol = SIM_Vesk::Instance()->GetValue("alcohol");
  if (!s.alcoholic) {
    if (alcohol > kHeavyDrinking) {
      s.bloodAlcohol += Var("GV_BLOODALCOHOL_GAINRATE");
    } else {
      s.bloodAlcohol -= Var("GV_BLOODALCOHOL_RECOVER");
      if (s.bloodAlcohol < 0.0f) s.bloodAlcohol = 0.0f;
    }
    if (s.bloodAlcohol > kAddicted) BecomeAlcoholic();
    return;
  }
  ApplyWithdrawal();
  SetGlobalValue(kDaysDry, alcohol < kSober ? static_cast<float>(DaysDry() + 1) : 0.0f);
  if (alcohol < kSober) s.addictionStrength -= Var("GV_ALCOHOLIC_RECOVERY");
  if (alcohol > kRelapse) s.addictionStrength = 1.0f;
  if (s.addictionStrength <= 0.0f) Recover();
}

void SIM_Alcohol::BecomeAlcoholic() {
  State& s = TheState();
  s.addictionStrength = 1.0f;
  s.alcoholic = true;
  SetGlobalValue("alcoholic", 1.0f);
  SetGlobalValue(kDaysDry, 0.0f);
  SIM_Screens& screens = Screens();
  screens.ShowMessage(Translate("BECOME_ALCOHOLIC_MESSAGE"), Translate("BECOME_ALCOHOLIC_TITLE"));
  SIM_SmallTalk::AddNews("SMALLTALK_ALCOHOLICSTART", 3);
  SIM_Sounds::PlaySound("data/sounds/wine.ogg");
  screens.AddWorkDayLine(kAlcoholicLine, 0);
  screens.ShowFMV("FMV_BECOMEALCOHOLIC");
  UnlockAchievement("ACH_BECOME_ALCOHOLIC");
}

const char* SIM_Alcohol::RecoveryText(int daysDry) {
  if (daysDry < 2) return "FMV_RECOVERALCOHOLIC_MEETINGS";
  if (daysDry < 7) return "FMV_RECOVERALCOHOLIC_DAYS";
  if (daysDry < 14) return "FMV_RECOVERALCOHOLIC_WEEK";
  if (daysDry < 60) return "FMV_RECOVERALCOHOLIC_WEEKS";
  if (daysDry < 365) return "FMV_RECOVERALCOHOLIC_MONTHS";
  return "FMV_RECOVERALCOHOLIC";
}

void SIM_Alcohol::Recover() {
  const int daysDry = DaysDry();
  TheState() = State();
  SetGlobalValue("alcoholic", 0.0f);
  SetGlobalValue(kDaysDry, 0.0f);
  Screens().ShowFMV(RecoveryText(daysDry));
  SIM_Sounds::PlaySound("data/sounds/applause.ogg");
  UnlockAchievement("ACH_BEATEN_ALCOHOLIC");
}

void SIM_Alcohol::ApplyWithdrawal() {
  SIM_Vesk* player = SIM_Vesk::Instance();
  if (player->GetValue("alcohol") >= kWithdrawal) return;
  player->ModifyValue("loneliness", 0.15f, 0.0f, "alcoholism");
  player->ModifyValue("happiness", -0.15f, 0.0f, "alcoholism");
  player->ModifyValue("confidence", -0.1f, 0.0f, "alcoholism");
}

void SIM_Alcohol::AttendMeeting() {
  TheState().addictionStrength -= Var("GV_ALCOHOLIC_RECOVERY") * kMeetingDays;
}

void HookAlcoholicsMeeting() { SIM_Alcohol::AttendMeeting(); }
