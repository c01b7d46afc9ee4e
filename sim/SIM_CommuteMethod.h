// Stand-in for the ways to get to work until they are built: each operation records its call.
#pragma once

class SIM_CommuteMethod {
 public:
  static void DeleteAll();
};

// Reads the commute methods table (start-up).
void LoadCommuteMethods();
