// Stand-in for the job types until they are built: two entries, the starting job "waiter_0"
// and the no-job entry "unemployed", and operations that record their calls.
#pragma once

#include <memory>
#include <string>

#include "sim/SIM_ModifierContainer.h"

class SIM_NPC;

class SIM_JobBase : public SIM_ModifierContainer {
 public:
  explicit SIM_JobBase(const std::string& name);

  // Makes the two entries again.
  static void LoadAll();
  static void DeleteAll();
  static void RollOpenings();
  // Null when there is no such entry.
  static SIM_JobBase* FindByName(const std::string& name);
  // Puts a job type into the table in place of the entry of the same name (a loaded game's
  // own record of the player's job); returns it.
  static SIM_JobBase* Install(std::unique_ptr<SIM_JobBase> job);
  // The starting job, "waiter_0" (null before the jobs are loaded).
  static SIM_JobBase* FindDefaultJob() { return FindByName("waiter_0"); }
  // Gives the character a locked job it can open to the player (none yet).
  static void AssignLockedJobToNpc(SIM_NPC* npc);
  // The industry whose global value marks the player's job ("" for none).
  const std::string& GetIndustryName() const { return industry_; }
  void SetIndustryName(const std::string& industry) { industry_ = industry; }
  bool ArePrerequisitesMet() const { return true; }

  // The player's work day on the current job.
  void WorkDay();
  // Only the no-job entry leaves the day free.
  bool IsDayFree() const { return GetName() == "unemployed"; }

 private:
  std::string industry_;
};
