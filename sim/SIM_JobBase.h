// Stand-in for the job types until they are built: two entries, the starting job "waiter_0"
// and the no-job entry "unemployed", and operations that record their calls.
#pragma once

#include <string>

#include "sim/SIM_ModifierContainer.h"

class SIM_JobBase : public SIM_ModifierContainer {
 public:
  explicit SIM_JobBase(const std::string& name);

  // Makes the two entries again.
  static void LoadAll();
  static void DeleteAll();
  static void RollOpenings();
  // Null when there is no such entry.
  static SIM_JobBase* FindByName(const std::string& name);

  // The player's work day on the current job.
  void WorkDay();
  // Only the no-job entry leaves the day free.
  bool IsDayFree() const { return GetName() == "unemployed"; }
};
