// Placeholder for the non-player characters until they are built; records the weekly step.
#pragma once

class SIM_NPC {
 public:
  // Every character's weekly money is filled again.
  static void RefillAllCash();
  // New game: every character deleted, then the starting friends set up.
  static void ResetAll();
  static void DailyAll();
  static void ClearInvitedToday();
  static void DeleteAll();
};
