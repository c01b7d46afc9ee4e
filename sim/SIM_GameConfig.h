// What the new-game screen chose for the starting character: name, avatar picture and four
// starting percentages (intelligence, culture, happiness, confidence) that always sum to 200.
#pragma once

#include <array>
#include <string>

class SIM_GameConfig {
 public:
  static constexpr int kCount = 4;
  static constexpr int kTotal = 200;

  static SIM_GameConfig& Instance();
  SIM_GameConfig(const SIM_GameConfig&) = delete;
  SIM_GameConfig& operator=(const SIM_GameConfig&) = delete;

  // Adds up to 6 points to percentage i (never above 100) and takes the same amount back
  // from the others, 2 points at a time in index order. An index outside 0..3 warns and
  // changes nothing.
  void Raise(int i);
  // Percentage i as a fraction; 0 (with a warning) for an index outside 0..3.
  float Get(int i) const;
  int GetPercent(int i) const { return i >= 0 && i < kCount ? percent_[i] : 0; }

  std::string GetName() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  std::string GetAvatarName() const { return avatar_; }
  void SetAvatarName(const std::string& avatar) { avatar_ = avatar; }

  // Back to 50 each with no name or avatar (the state at start).
  void Reset();

 private:
  SIM_GameConfig() = default;
  std::string name_;
  std::string avatar_;
  std::array<int, kCount> percent_ = {50, 50, 50, 50};
};
