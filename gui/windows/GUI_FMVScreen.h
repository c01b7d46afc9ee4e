// Stand-in for the full-screen movie interludes until they are built: whether one is
// playing, and its draw, which records the call.
#pragma once

class GUI_FMVScreen {
 public:
  static bool IsActive();
  static void SetActive(bool active);
  static void Draw();
};
