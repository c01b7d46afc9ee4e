// Stand-in for the rumours until they are built: each operation records its call.
#pragma once

class SIM_Rumour {
 public:
  static void DeleteAll();
  // A rumour to pass on; none until rumours are built.
  static SIM_Rumour* PickRandom();
};
