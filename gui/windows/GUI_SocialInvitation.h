// Stand-in for the invitation windows until they are built: each operation records its call.
#pragma once

class SIM_SocialInvitation;

class GUI_SocialInvitation {
 public:
  static void Open(SIM_SocialInvitation* invitation);
  static void CloseAll();
};
