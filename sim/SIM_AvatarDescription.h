// Stand-in for the player's description until they are built: rebuilding records its call.
#pragma once

#include <string>

class SIM_AvatarDescription {
 public:
  static void Rebuild();
  // The description the date panel shows each frame; empty until it is built.
  static const std::string& GetText();
};
