// Stand-in for the rumours until they are built: each operation records its call.
#pragma once

#include <string>

class SIM_Rumour {
 public:
  static void DeleteAll();
  // A rumour to pass on; none until rumours are built.
  static SIM_Rumour* PickRandom();
  // The rumour's text as a report shows it; none until rumours are built.
  static std::string TextOf(const SIM_Rumour* rumour);
};
