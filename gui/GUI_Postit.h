// Stand-in for the post-it notes until they are built: the slots and their draw.
#pragma once

class GUI_Postit {
 public:
  static void PrepareSlots();
  static void ReleaseSlots();
  static void DrawAll();
};
