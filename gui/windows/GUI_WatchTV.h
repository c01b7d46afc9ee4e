// Stand-in for the television window until it is built: opening it records the call.
#pragma once

class GUI_WatchTV {
 public:
  static void Open();
};
