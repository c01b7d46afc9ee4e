// One solo activity being done. Every instance is kept in a list until DeleteAll (new game,
// load, shutdown).
#pragma once

#include <cstddef>

#include "sim/SIM_TimeChunk.h"

class SIM_SoloActivityType;

class SIM_SoloActivityInstance : public SIM_TimeChunk {
 public:
  explicit SIM_SoloActivityInstance(SIM_SoloActivityType* type);
  ~SIM_SoloActivityInstance() override;

  // The type's action (a hook or a sound), its cost, its modifiers unless it skips them, the
  // slot, the dirt picture after "clean", the chance of a new friend, and the statistics.
  // This is the one place where an activity pays, applies its modifiers and uses its slot.
  void Run() override;

  SIM_SoloActivityType* GetType() const { return type_; }

  static void DeleteAll();
  static size_t Count();

 private:
  SIM_SoloActivityType* type_;
};
