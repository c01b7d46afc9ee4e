// The player's social standing score: four components (relationships, earned, activities
// tried, memberships), each counting at most 250 towards the total. Only the earned part
// fades day by day; the others are recounted from the world.
#pragma once

#include <list>
#include <memory>
#include <string>
#include <vector>

class SIM_Tovel {
 public:
  struct Membership {
    float amount = 0.0f;
    std::string name;
  };
  static constexpr float kComponentCap = 250.0f;

  static SIM_Tovel& Instance();
  SIM_Tovel(const SIM_Tovel&) = delete;
  SIM_Tovel& operator=(const SIM_Tovel&) = delete;

  float GetTotal() const;
  // Earned standing (either sign); floored at 0. Gains also count in the earned statistic.
  // Returns how far the total moved: less than asked, or nothing, at the floor or the cap.
  float Add(float amount);
  // How far Add(amount) would move the total, changing nothing.
  float ChangeFor(float amount) const;
  // False (and nothing changes) for a name already tried; case matters.
  bool AddActivity(const std::string& name);
  Membership* AddMembership(float amount, const std::string& name);
  void RemoveMembership(Membership* record);
  // Relationships: the sum over the live relationships (ended ones no longer count).
  void Recount();
  void RecountMemberships();
  void RecountActivities();
  void Degrade();
  void DailyUpdate();
  void Reset();

  float GetComponent(int i) const { return i >= 0 && i < 4 ? components_[i] : 0.0f; }
  void SetEarned(float earned) { components_[1] = earned; }
  const std::vector<std::string>& ActivitiesTried() const { return activities_; }

 private:
  SIM_Tovel() = default;
  static float Total(const float (&components)[4]);
  float components_[4] = {};
  std::list<std::unique_ptr<Membership>> memberships_;
  std::vector<std::string> activities_;
};
