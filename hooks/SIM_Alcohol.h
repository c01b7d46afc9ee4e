// Stand-in for the drinking state until they are built: each operation records its call.
#pragma once

class SIM_Alcohol {
 public:
  static void DailyUpdate();
};
