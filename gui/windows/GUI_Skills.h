// Stand-in for the skills window until it is built: refreshing records it.
#pragma once

class GUI_Skills {
 public:
  static void Refresh();
};
