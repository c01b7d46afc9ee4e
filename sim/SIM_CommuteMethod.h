// Stand-in for the ways to get to work until they are built: each operation records its call.
#pragma once

#include <string>

class SIM_CommuteMethod {
 public:
  static void DeleteAll();
  // The chosen way to work is checked against the new job.
  static void ValidateChoice();
  static void SelectByName(const std::string& name);
};

// Reads the commute methods table (start-up).
void LoadCommuteMethods();
