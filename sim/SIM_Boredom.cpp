// Boredom.
#include "sim/SIM_Boredom.h"

#include <algorithm>

#include "sim/SIM_PlayerOptions.h"

void SIM_Boredom::AddBoredom(const std::string& name, float amount) {
  for (auto& [item, value] : items_) {
    if (item == name) {
      value += amount;
      return;
    }
  }
  items_.emplace_back(name, amount);
}

float SIM_Boredom::GetBoredom(const std::string& name) const {
  for (const auto& [item, value] : items_)
    if (item == name) return value;
  return 0.0f;
}

void SIM_Boredom::Process() {
  const float d = SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
  for (auto& item : items_) item.second -= d * 0.1f + 0.05f;
  items_.erase(std::remove_if(items_.begin(), items_.end(),
                              [](const auto& item) { return item.second < 0.05f; }),
               items_.end());
}
