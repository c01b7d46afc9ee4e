// Placeholder for the non-player characters until they are built; records the weekly step.
#pragma once

class SIM_NPC {
 public:
  // Every character's weekly money is filled again.
  static void RefillAllCash();
};
