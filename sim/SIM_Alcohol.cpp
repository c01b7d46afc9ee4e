// STAND-IN: drinking (a settable state only).
#include "sim/SIM_Alcohol.h"

#include "engine/CallTrace.h"

void SIM_Alcohol::DailyUpdate() { TraceCall("SIM_Alcohol::DailyUpdate"); }

namespace {
float g_addiction = 0.0f;
float g_bloodAlcohol = 0.0f;
}  // namespace

float SIM_Alcohol::GetAddictionStrength() { return g_addiction; }

float SIM_Alcohol::GetBloodAlcohol() { return g_bloodAlcohol; }

void SIM_Alcohol::SetState(float addictionStrength, float bloodAlcohol) {
  g_addiction = addictionStrength;
  g_bloodAlcohol = bloodAlcohol;
}
