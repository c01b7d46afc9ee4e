// Stand-in for the player's romance until they are built: each operation records its call.
#pragma once

class SIM_Romance {
 public:
  static void Reset();
};
