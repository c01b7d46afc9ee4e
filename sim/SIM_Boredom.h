// How bored one person is of each activity; it wears off a little every day.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/ProcessBase.h"

class SIM_Boredom : public ProcessBase {
 public:
  SIM_Boredom() = default;

  // The item of that name grows by amount, or a new item starts at amount.
  void AddBoredom(const std::string& name, float amount);
  // 0 when there is no item of that name.
  float GetBoredom(const std::string& name) const;
  // Daily: every item falls by difficulty x 0.1 + 0.05; items below 0.05 are removed.
  void Process() override;
  void Clear() { items_.clear(); }

  const std::vector<std::pair<std::string, float>>& Items() const { return items_; }

 private:
  std::vector<std::pair<std::string, float>> items_;
};
