// Stand-in for the special events until they are built: each operation records its call.
#pragma once

class SIM_SpecialEvent {
 public:
  static void LoadAll();
  static void DeleteAll();
  static void TriggerCheck();
};
