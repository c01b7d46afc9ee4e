// The player: one program-long object. Besides the person fields it owns the attributes (from
// the attributes table), the skills learnt in play and the hold on the current job. Every
// other part reads and changes the player by name through GetValue and ModifyValue; each
// change is followed by a fixed recalculation of the derived values and the happiness.
#pragma once

#include <string>

#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Person.h"

class SIM_JobInstance;

class SIM_Vesk : public SIM_Person {
 public:
  static SIM_Vesk* Instance();

  bool IsIntroduced() const override { return true; }
  // The job type, its new instance, and everything that follows a change of job.
  void SetJob(SIM_JobBase* job) override;
  SIM_JobInstance* GetJobInstance() const { return jobInstance_; }

  // "tovel", "income", an attribute, a skill, else 0.
  float GetValue(const std::string& name) const;
  // Attribute, else skill; a missing one is created as a skill when create is set.
  SIM_NamedValue* GetNamedValue(const std::string& name, bool create);
  // Whether the player has an attribute or skill of that name.
  bool HasValue(const std::string& name) const;
  // HasValue and then GetValue in one search: false when the player has no value of the name.
  bool LookUpValue(const std::string& name, float& value) const;
  // Sets an attribute's base and value, or a skill's value (made when missing), without
  // history or recalculation: for set-up and tests.
  void SetValue(const std::string& name, float value);
  void ModifyValue(const std::string& name, float amount, float degrade,
                   const std::string& source);
  void ApplyOperation(SIM_NamedValue* value, const std::string& operation, float amount);
  // The recalculation, as the day's step and the friends set-up ask for it (recorded).
  void Recalculate();
  // The same without the record: after every change of a value.
  void RecalculateValues();

  float GetAlertness() const;
  bool IsExhausted() const;
  int GetSkillCount() const { return static_cast<int>(skills_.Size()); }
  float GetSkillPoints() const;
  int CountGoodSkills() const;
  void SetGenderFromAvatar(const std::string& avatar);
  void LoadAttributes(const std::string& path = "data/simulation/attributes.csv");
  void SetAttributeBase(const std::string& name, float value);
  void NewGame();
  void Cheat(const std::string& name, float amount) { ModifyValue(name, amount, 1.0f, "cheat"); }

  // How well the last work day went, 0..1 (the work-day summary's text).
  float GetWorkPerformance() const { return workPerformance_; }
  void SetWorkPerformance(float performance) { workPerformance_ = performance; }

  SIM_NamedValueList& Attributes() { return attributes_; }
  SIM_NamedValueList& Skills() { return skills_; }

 private:
  SIM_Vesk();
  ~SIM_Vesk() override;

  SIM_NamedValueList attributes_{"attributes"};
  SIM_NamedValueList skills_{"skills"};
  SIM_JobInstance* jobInstance_ = nullptr;
  float workPerformance_ = 0.5f;
};
