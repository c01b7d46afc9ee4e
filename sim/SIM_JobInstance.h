// Stand-in for the player's hold on a job until they are built: each operation records its call.
#pragma once

class SIM_JobInstance {
 public:
  static void DailyUpdate();
};
