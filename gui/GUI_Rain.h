// Stand-in for the rain effect until it is built: its draw records the call.
#pragma once

class GUI_Rain {
 public:
  static void Draw();
};
