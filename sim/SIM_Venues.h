// The venues of a social evening that bring rules of their own: the pub (which can end in a
// brawl), the night club (dance music), game night (a match decided by the players' skill at
// the game) and the casino (up to five spins at the roulette window). The films, the
// restaurants and bowling have files of their own.
#pragma once

#include <array>

#include "sim/SIM_SocialiseInstance.h"

class SIM_BeerInstance : public SIM_SocialiseInstance {
 public:
  // A brawl needs a player known as a drinker ("alcoholic"), drunk (alcohol 0.75 or more),
  // and luck: stress plus unhappiness, at most 0.8.
  static float BrawlChance();
  bool IsBrawl() const;
  void Run() override;
  // The brawl replaces the whole evening: tiredness, lost standing and friendships, the bill,
  // and the police report; no rating, memories or statistics.
  void Brawl();
  // How far the brawl moved the standing (none when it was already at its floor).
  float GetTovelChange() const { return tovelChange_; }

 private:
  float tovelChange_ = 0.0f;
};

class SIM_NightclubInstance : public SIM_SocialiseInstance {
 public:
  SIM_NightclubInstance();
  void Run() override;
};

class SIM_GameInstance : public SIM_SocialiseInstance {
 public:
  // The match is played when the report opens, at the end of the evening.
  void ShowPostMortem() override;
  // Win chance from the skill difference, the skill gains and the confidence change; returns
  // the chance (above 0.5 is a win).
  float PlayMatch();
  float GetWinChance() const { return winChance_; }
  // The mean skill at the game of the invitees other than the player; 0.5 with none.
  float MeanOpponentSkill() const;

 private:
  float winChance_ = 0.5f;
};

class SIM_RouletteInstance : public SIM_SocialiseInstance {
 public:
  static constexpr int kSpins = 5;
  // Opens the roulette window; the evening goes on when the window calls Complete.
  void Run() override;
  void RateEvening() override;
  bool CanSpin() const { return spinsMade_ < kSpins; }
  // Records one spin's winnings (negative for a loss); a spin past the fifth is ignored.
  void AddSpinResult(int amount);
  int GetSpinResult(unsigned i) const { return i < kSpins ? spins_[i] : 0; }
  int GetSpinsMade() const { return spinsMade_; }
  int GetTotalWinnings() const;
  // The evening proper; only the first call counts.
  void Complete();
  bool IsComplete() const { return complete_; }

 private:
  std::array<int, kSpins> spins_ = {};
  int spinsMade_ = 0;
  bool complete_ = false;
};
