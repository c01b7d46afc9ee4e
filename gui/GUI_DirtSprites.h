// Stand-in for the dirt blots of the room picture until they are built: each operation records its call.
#pragma once

class GUI_DirtSprites {
 public:
  static void Refresh();
};
