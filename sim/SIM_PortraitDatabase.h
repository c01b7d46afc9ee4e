// Stand-in for the portrait folders until they are built: each operation records its call.
#pragma once

class SIM_PortraitDatabase {
 public:
  static void Load();
};
