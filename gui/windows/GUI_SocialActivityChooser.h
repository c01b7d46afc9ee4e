// Stand-in for the social activity chooser until it is built: each operation records its call.
#pragma once

class GUI_SocialActivityChooser {
 public:
  static void Open();
  static void Close();
  // The mouse wheel steps through the types; nothing while the chooser is closed.
  static void ScrollPrevious();
  static void ScrollNext();
};
