// Stand-in for the crime timers until they are built: each operation records its call.
#pragma once

class SIM_Crime {
 public:
  static void ResetTimers();
  static void DailyUpdate();
};
