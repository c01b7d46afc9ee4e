// Stand-in for the player's description until they are built: each operation records its call.
#pragma once

class SIM_AvatarDescription {
 public:
  static void Rebuild();
};
