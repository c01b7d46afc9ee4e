// Stand-in for the rumours until they are built: each operation records its call.
#pragma once

class SIM_Rumour {
 public:
  static void DeleteAll();
};
