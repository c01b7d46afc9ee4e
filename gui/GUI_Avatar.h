// Stand-in for the player's avatar picture until it is built: setting the mood records it.
#pragma once

#include <string>

class GUI_Avatar {
 public:
  static void SetMood(int mood);
};
