// The day's journey to work: what it cost and how it changed the player, kept for the
// work-day summary.
#pragma once

class SIM_Commute {
 public:
  // The effect indices of the summary: 0 stress, 1 boredom, 2 fitness, 3 tiredness.
  static constexpr int kStress = 0;
  static constexpr int kBoredom = 1;
  static constexpr int kFitness = 2;
  static constexpr int kTiredness = 3;
  // A commute table's rates (money and each effect per mile) are held within this either
  // way, a job's distance within kMostMiles, and a day's cost and each amount, whatever the
  // distance a save brings, within kMostDayAmount: an amount the player's values take stays
  // below the 1000 they are made for.
  static constexpr float kMostPerMile = 5.0f;
  static constexpr float kMostMiles = 100.0f;
  static constexpr float kMostDayAmount = 500.0f;
  // A number read or worked out for the commute held to ±most (NaN to 0).
  static float Bounded(float value, float most);

  static SIM_Commute& Instance();
  SIM_Commute(const SIM_Commute&) = delete;
  SIM_Commute& operator=(const SIM_Commute&) = delete;

  // The trip of a work day by the chosen method (nothing at the weekend).
  static void DailyCommute();

  // The index of the largest of the day's four amounts (an earlier one wins a tie); 1 when
  // none is above -1.
  int GetPrimaryEffect() const;
  // The same over the other three.
  int GetSecondaryEffect() const;
  float GetAmount(int effect) const;
  float GetCost() const { return cost_; }
  // A new game or a load: no journey made yet.
  void Reset();

 private:
  SIM_Commute() = default;
  int LargestExcept(int skip) const;

  // Stress, boredom, fitness, tiredness.
  float amounts_[4] = {};
  float cost_ = 0.0f;
};
