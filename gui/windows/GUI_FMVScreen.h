// Stand-in for the full-screen movie interludes until they are built: whether one is
// playing, and its draw, which records the call.
#pragma once

#include <string>

class GUI_FMVScreen {
 public:
  static bool IsActive();
  static void SetActive(bool active);
  static void Draw();
  // Plays the interlude of that text key (recorded until the screen is built).
  static void Show(const std::string& key);
};
