// A lottery ticket: good for the draw of the day it was bought, after which it lapses and
// the shop sells another. It has no other effect.
#pragma once

#include "sim/SIM_Asset.h"

class SIM_LotteryTicket : public SIM_Asset {
 public:
  SIM_LotteryTicket() = default;
  SIM_LotteryTicket(const SIM_LotteryTicket&) = delete;
  SIM_LotteryTicket& operator=(const SIM_LotteryTicket&) = delete;

  // An owned ticket lapses at the first daily step after its purchase.
  void DailyUpdate() override {
    if (IsOwned()) OnUpkeepUnpaid();
  }

  static SIM_Asset* Create() { return new SIM_LotteryTicket(); }
};
