// The player's cash. It may go below 0.
#pragma once

class SIM_Finances {
 public:
  // The cash stays within this either way, whatever the tables pay or charge: far beyond what
  // play earns, and within what a save keeps.
  static constexpr float kMostCash = 1.0e9f;

  static SIM_Finances& Instance();
  virtual ~SIM_Finances() = default;
  SIM_Finances(const SIM_Finances&) = delete;
  SIM_Finances& operator=(const SIM_Finances&) = delete;

  float GetCash() const { return cash_; }
  // Each change refreshes the window backgrounds, which follow the player's wealth.
  void SetCash(float cash);
  void Spend(float amount);
  // Also keeps the highest cash statistic.
  void Earn(float amount);
  // "GV_STARTINGCASH" less the difficulty's share (nothing at the hardest setting).
  void NewGameCash();

 private:
  SIM_Finances() = default;
  float cash_ = 0.0f;
};

// Applies "data/cheats.txt" (when there is one) to the player: each row names a player value
// and an amount. A row whose amount is 1000 or more either way is left out (logged). Runs at
// the end of every new game.
void LoadCheats(const char* file = "data/cheats.txt");
