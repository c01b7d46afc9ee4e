// One decaying change of an attribute: each day its amount is multiplied by its degrade
// factor until it is too small to matter.
#pragma once

#include <string>
#include <vector>

class SIM_Effect {
 public:
  // Links the effect into the owner's list (when given) and into the list of all effects.
  SIM_Effect(float amount, float degrade, const std::string& debugName,
             std::vector<SIM_Effect*>* owner);
  // Unlinks it from both lists.
  virtual ~SIM_Effect();
  SIM_Effect(const SIM_Effect&) = delete;
  SIM_Effect& operator=(const SIM_Effect&) = delete;

  // amount *= degrade, kept within -1..1.
  virtual void DailyUpdate();
  // Too small to matter: strictly between -0.001 and 0.001.
  bool IsSpent() const;

  float GetAmount() const { return amount_; }
  float GetDegrade() const { return degrade_; }
  const std::string& GetDebugName() const { return debugName_; }

  // The daily step of every effect, then every spent effect is deleted.
  static void DailyUpdateAll();
  static size_t CountAll();

 private:
  float degrade_;
  float amount_;
  std::string debugName_;
  std::vector<SIM_Effect*>* owner_;
};
