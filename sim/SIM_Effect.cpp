// Attribute effects.
#include "sim/SIM_Effect.h"

#include <algorithm>

namespace {

std::vector<SIM_Effect*>& AllEffects() {
  static std::vector<SIM_Effect*> effects;
  return effects;
}

float ClampUnit(float v) { return v < -1.0f ? -1.0f : (v > 1.0f ? 1.0f : v); }

}  // namespace

SIM_Effect::SIM_Effect(float amount, float degrade, const std::string& debugName,
                       std::vector<SIM_Effect*>* owner)
    : degrade_(degrade), amount_(ClampUnit(amount)), debugName_(debugName), owner_(owner) {
  if (owner_) owner_->push_back(this);
  AllEffects().push_back(this);
}

SIM_Effect::~SIM_Effect() {
  if (owner_) owner_->erase(std::remove(owner_->begin(), owner_->end(), this), owner_->end());
  auto& all = AllEffects();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void SIM_Effect::DailyUpdate() { amount_ = ClampUnit(amount_ * degrade_); }

bool SIM_Effect::IsSpent() const { return amount_ > -0.001f && amount_ < 0.001f; }

void SIM_Effect::DailyUpdateAll() {
  // A copy: an effect's step must not be able to disturb the walk.
  const std::vector<SIM_Effect*> effects = AllEffects();
  for (SIM_Effect* effect : effects) effect->DailyUpdate();
  for (;;) {
    auto& all = AllEffects();
    auto spent = std::find_if(all.begin(), all.end(), [](SIM_Effect* e) { return e->IsSpent(); });
    if (spent == all.end()) break;
    delete *spent;
  }
}

size_t SIM_Effect::CountAll() { return AllEffects().size(); }
