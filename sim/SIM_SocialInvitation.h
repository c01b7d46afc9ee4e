// Stand-in for the invitations to social evenings until they are built: each operation records its call.
#pragma once

class SIM_SocialInvitation {
 public:
  static void DeleteAll();
  static void LapseAllOpen();
};
