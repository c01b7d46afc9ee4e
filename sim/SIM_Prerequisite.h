// A condition an activity type puts on the player: a value at least (or, with the below flag,
// at most) a threshold. The same record, with the threshold read as a weight, is a quality
// factor of a social evening.
#pragma once

#include <string>

class SIM_Prerequisite {
 public:
  SIM_Prerequisite(const std::string& name, float threshold, bool first, bool below);
  // With the shown text already looked up ("nv_" + name, translated).
  SIM_Prerequisite(std::string name, std::string displayText, float threshold, bool first,
                   bool below);
  SIM_Prerequisite(const SIM_Prerequisite&) = delete;
  SIM_Prerequisite& operator=(const SIM_Prerequisite&) = delete;
  // Becomes what the second constructor makes, keeping the texts' storage: pool jobs that
  // come and go every day reuse their predecessors' prerequisites.
  void Reset(const std::string& name, const std::string& displayText, float threshold,
             bool first, bool below);

  // The value is the player's value of the name, else the global named value of the name; a
  // name found nowhere is never met. "tovel" compares the social standing score and always
  // means "at least"; "income" is the salary of the player's job.
  bool IsMet() const;

  const std::string& GetName() const { return name_; }
  const std::string& GetDisplayText() const { return displayText_; }
  float GetThreshold() const { return threshold_; }
  // Stored from the loader and not read by the availability tests.
  bool IsFirst() const { return first_; }
  bool IsBelow() const { return below_; }

 private:
  std::string displayText_;
  std::string name_;
  float threshold_;
  bool first_;
  bool below_;
};

// The player's value of the name, else the global named value; false when neither exists.
bool LookUpPlayerOrGlobalValue(const std::string& name, float& value);
