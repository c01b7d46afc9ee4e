// Stand-in for the career panel until it is built: refreshing records it.
#pragma once

class GUI_Career {
 public:
  static void Refresh();
};
