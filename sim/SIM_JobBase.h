// Stand-in for the job types until they are built: two entries, the starting job "waiter_0"
// and the no-job entry "unemployed", and operations that record their calls.
#pragma once

#include <memory>
#include <string>

#include <vector>

#include "sim/SIM_TimeChunkType.h"

class SIM_NPC;

class SIM_JobBase : public SIM_TimeChunkType {
 public:
  static constexpr int kApplyCooldownDays = 7;
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

  // Appends a job type to the table; returns it.
  static SIM_JobBase* Add(std::unique_ptr<SIM_JobBase> job);
  // Fills SearchResult() with the industry's jobs open today that are not the player's and
  // not in cool-down; with `qualifiedOnly` also not locked and with the prerequisites met.
  static void SearchJobs(const std::string& industry, bool qualifiedOnly);
  static const std::vector<SIM_JobBase*>& SearchResult();
  const std::string& GetEmployer() const { return employer_; }
  const std::string& GetPromoteAttribute(int i) const { return promote_[i]; }
  float GetMinSalary() const { return minSalary_; }
  float GetMaxSalary() const { return maxSalary_; }
  void SetSalaryRange(float minSalary, float maxSalary) {
    minSalary_ = minSalary;
    maxSalary_ = maxSalary;
  }
  bool IsLocked() const { return locked_; }
  void SetLocked(bool locked) { locked_ = locked; }
  bool IsOpenToday() const { return openToday_; }
  void SetOpenToday(bool open) { openToday_ = open; }
  void StartApplyCooldown() { applyCooldown_ = kApplyCooldownDays; }
  int GetApplyCooldown() const { return applyCooldown_; }
  float GetCommuteDistance() const { return commuteDistance_; }
  void SetCommuteDistance(float miles) { commuteDistance_ = miles; }
  float EnsureCommuteDistance() { return commuteDistance_; }

  // The player's work day on the current job.
  void WorkDay();
  // Only the no-job entry leaves the day free.
  bool IsDayFree() const { return GetName() == "unemployed"; }

 private:
  std::string industry_;
  std::string employer_;
  std::string promote_[3] = {"confidence", "confidence", "confidence"};
  float minSalary_ = 0.0f;
  float maxSalary_ = 0.0f;
  bool locked_ = false;
  bool openToday_ = false;
  int applyCooldown_ = 0;
  float commuteDistance_ = 0.0f;
};
