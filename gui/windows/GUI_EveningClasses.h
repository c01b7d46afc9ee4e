// Stand-in for the evening classes window until it is built: each operation records its call.
#pragma once

class GUI_EveningClasses {
 public:
  static void Open();
  static void Close();
};
