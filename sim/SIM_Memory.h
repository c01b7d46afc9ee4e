// What a character remembers of each kind of social evening: how it went, fading day by day.
#pragma once

#include <vector>

class SIM_SocialiseType;

class SIM_MemoryItem {
 public:
  SIM_MemoryItem(const SIM_SocialiseType* type, float happiness, float strength)
      : type(type), happiness(happiness), strength(strength) {}
  // Moves towards neutral (0.5) as the memory fades.
  float GetWeightedHappiness() const { return 0.5f + (happiness - 0.5f) * strength; }

  const SIM_SocialiseType* type;
  float happiness;
  float strength;
};

class SIM_Memory {
 public:
  SIM_Memory() = default;
  ~SIM_Memory() { Clear(); }
  SIM_Memory(const SIM_Memory&) = delete;
  SIM_Memory& operator=(const SIM_Memory&) = delete;

  // Replaces any memory of the type with a fresh one. A null type (unknown in old data) is
  // not remembered.
  void Add(const SIM_SocialiseType* type, float happiness, float strength = 1.0f);
  // 0.5 when there is no memory of the type.
  float GetHappinessFor(const SIM_SocialiseType* type) const;
  void Forget(const SIM_SocialiseType* type);
  void DailyUpdate();
  void Clear();
  const std::vector<SIM_MemoryItem*>& Items() const { return items_; }

 private:
  std::vector<SIM_MemoryItem*> items_;
};
