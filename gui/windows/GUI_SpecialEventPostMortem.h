// Stand-in for the special-event result window until it is built: whether one is open, and
// its draw, which records the call.
#pragma once

class GUI_SpecialEventPostMortem {
 public:
  static bool IsOpen();
  static void SetOpen(bool open);
  static void DrawOpen();
};
