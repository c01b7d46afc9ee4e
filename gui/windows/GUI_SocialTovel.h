// Stand-in for the social-standing screen until it is built: each operation records its call.
#pragma once

class GUI_SocialTovel {
 public:
  static void Show();
};
