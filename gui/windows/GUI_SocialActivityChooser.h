// Stand-in for the social activity chooser until it is built: each operation records its call.
#pragma once

class GUI_SocialActivityChooser {
 public:
  static void Open();
  static void Close();
};
