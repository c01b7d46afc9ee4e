// Stand-in for the invitation windows until they are built: each operation records its call.
#pragma once

class GUI_SocialInvitation {
 public:
  static void CloseAll();
};
