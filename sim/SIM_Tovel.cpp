// Social standing score.
#include "sim/SIM_Tovel.h"

#include <algorithm>

#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Statistics.h"

SIM_Tovel& SIM_Tovel::Instance() {
  static SIM_Tovel tovel;
  return tovel;
}

float SIM_Tovel::Total(const float (&components)[4]) {
  float total = 0.0f;
  for (float c : components) total += std::min(c, kComponentCap);
  return std::max(total, 0.0f);
}

float SIM_Tovel::GetTotal() const { return Total(components_); }

float SIM_Tovel::ChangeFor(float amount) const {
  const float after[4] = {components_[0], std::max(components_[1] + amount, 0.0f),
                          components_[2], components_[3]};
  return Total(after) - GetTotal();
}

float SIM_Tovel::Add(float amount) {
  const float before = GetTotal();
  components_[1] += amount;
  if (amount > 0.0f) SIM_Statistics::Instance().AddFloat(amount, 0);
  if (components_[1] < 0.0f) components_[1] = 0.0f;
  return GetTotal() - before;
}

bool SIM_Tovel::AddActivity(const std::string& name) {
  if (std::find(activities_.begin(), activities_.end(), name) != activities_.end()) return false;
  activities_.push_back(name);
  components_[2] = static_cast<float>(activities_.size());
  return true;
}

SIM_Tovel::Membership* SIM_Tovel::AddMembership(float amount, const std::string& name) {
  memberships_.push_back(std::make_unique<Membership>(Membership{amount, name}));
  return memberships_.back().get();
}

void SIM_Tovel::RemoveMembership(Membership* record) {
  memberships_.remove_if([record](const auto& m) { return m.get() == record; });
}

void SIM_Tovel::Recount() {
  float sum = 0.0f;
  for (const SIM_Relationship* r : SIM_Relationship::All())
    if (r->active) sum += r->GetTovel();
  components_[0] = std::max(sum, 0.0f);
}

void SIM_Tovel::RecountMemberships() {
  float sum = 0.0f;
  for (const auto& m : memberships_) sum += m->amount;
  components_[3] = sum;
}

void SIM_Tovel::RecountActivities() { components_[2] = static_cast<float>(activities_.size()); }

void SIM_Tovel::Degrade() {
  const float g = SIM_GlobalVariables::Instance().Get("GV_TOVEL_DEGRADE");
  const float d = SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
  components_[1] = std::max(components_[1] * (1.0f - (d + 0.5f) * g), 0.0f);
}

void SIM_Tovel::DailyUpdate() {
  RecountActivities();
  RecountMemberships();
  Recount();
  Degrade();
  SIM_Statistics::Instance().SetMaxFloat(GetTotal(), 1);
}

void SIM_Tovel::Reset() {
  components_[0] = components_[1] = components_[3] = 0.0f;
  activities_.clear();
}
