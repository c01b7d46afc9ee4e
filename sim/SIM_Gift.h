// A present for the player's partner: on the shelves only while there is a partner, and
// handed over as soon as it is bought, so it never stays among the player's things.
#pragma once

#include "sim/SIM_Asset.h"

class SIM_Gift : public SIM_Asset {
 public:
  SIM_Gift() = default;
  SIM_Gift(const SIM_Gift&) = delete;
  SIM_Gift& operator=(const SIM_Gift&) = delete;

  // Paid for, given to the partner, and back on the shelf for next time.
  void Buy() override;
  bool IsRebuyable() const override;

  static SIM_Asset* Create() { return new SIM_Gift(); }
};
