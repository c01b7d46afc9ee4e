// Stand-in for the royalty report window until they are built: each operation records its call.
#pragma once

class SIM_RoyaltyStream;

class GUI_RoyaltyReport {
 public:
  static void Open(SIM_RoyaltyStream* stream);
  static void Close();
};
