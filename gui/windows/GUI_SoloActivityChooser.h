// Stand-in for the solo activity chooser until they are built: each operation records its call.
#pragma once

class GUI_SoloActivityChooser {
 public:
  static void Close();
  // The mouse wheel steps through the types; nothing while the chooser is closed.
  static void ScrollPrevious();
  static void ScrollNext();
};
