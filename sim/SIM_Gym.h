// Gym membership: a service whose use turns the solo chooser to a visit to the gym, and
// whose lapse for want of money is told in a message of its own.
#pragma once

#include "sim/SIM_Asset.h"

class SIM_Gym : public SIM_Asset {
 public:
  static constexpr const char* kActivity = "visitgym";

  SIM_Gym() = default;
  SIM_Gym(const SIM_Gym&) = delete;
  SIM_Gym& operator=(const SIM_Gym&) = delete;

  void OnSelect() override;
  void OnUpkeepUnpaid() override;

  static SIM_Asset* Create() { return new SIM_Gym(); }
};
