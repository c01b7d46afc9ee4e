// Stand-in for the entertainment jobs until they are built: each operation records its call.
#pragma once

class SIM_EntertainJob {
 public:
  static void UpdatePool();
};
