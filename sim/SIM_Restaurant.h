// Stand-in for the restaurants until they are built: each operation records its call.
#pragma once

class SIM_Restaurant {
 public:
  static void LoadAll();
  static void DailyUpdateAll();
};
