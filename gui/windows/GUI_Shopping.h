// Stand-in for the shop window until the hobbies build it: each operation records its call.
#pragma once

class GUI_Shopping {
 public:
  static void Open();
  // Turns the open shop to a tab (0 the first).
  static void SelectTab(int tab);
};
