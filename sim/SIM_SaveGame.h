// Stand-in for the save writer until it is built: a save records its name.
#pragma once

#include <string>

class SIM_SaveGame {
 public:
  static void Save(const std::string& name);
  // A person's identifier, unique within the run.
  static int NewSLID();
};
