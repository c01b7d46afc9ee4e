// Stand-in for the drinking state until they are built: each operation records its call.
#pragma once

class SIM_Alcohol {
 public:
  static void DailyUpdate();
  // The drinking state the screens read: addiction strength and blood alcohol, 0..1. Held
  // here, settable, until the drinking rules are built.
  static float GetAddictionStrength();
  static float GetBloodAlcohol();
  static void SetState(float addictionStrength, float bloodAlcohol);
};
