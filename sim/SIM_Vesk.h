// The player. For now it records the changes made to the player's values.
#pragma once

#include <map>
#include <string>

class SIM_JobBase;

class SIM_Vesk {
 public:
  static SIM_Vesk* Instance();
  SIM_Vesk(const SIM_Vesk&) = delete;
  SIM_Vesk& operator=(const SIM_Vesk&) = delete;

  // Changes a player value by name; degrade is the daily decay factor of the change and
  // source labels it in the player's history.
  void ModifyValue(const std::string& name, float amount, float degrade,
                   const std::string& source);

  // Until the player's values are built, they are the ones a test or the caller set; a
  // name never set is not a player value.
  bool HasValue(const std::string& name) const { return values_.count(name) != 0; }
  float GetValue(const std::string& name) const;
  void SetValue(const std::string& name, float value) { values_[name] = value; }

  // The job type the player holds (null before a game); the no-job entry when unemployed.
  SIM_JobBase* GetJob() const { return job_; }
  void SetJob(SIM_JobBase* job) { job_ = job; }

  // New game: the values are forgotten and the player starts as "waiter_0".
  void NewGame();
  void Recalculate();

 private:
  SIM_Vesk() = default;
  std::map<std::string, float> values_;
  SIM_JobBase* job_ = nullptr;
};
