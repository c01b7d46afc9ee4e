// Stand-in for the royalty report window until they are built: each operation records its call.
#pragma once

class GUI_RoyaltyReport {
 public:
  static void Close();
};
