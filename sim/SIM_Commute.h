// Stand-in for the daily commute until they are built: each operation records its call.
#pragma once

class SIM_Commute {
 public:
  static void DailyCommute();
};
