// Stand-in for the solo activity chooser until they are built: each operation records its call.
#pragma once

class GUI_SoloActivityChooser {
 public:
  static void Close();
};
