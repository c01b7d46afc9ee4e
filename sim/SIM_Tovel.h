// Stand-in for the social standing score until it is built: the operations record their
// calls and the total stays 0.
#pragma once

class SIM_Tovel {
 public:
  static SIM_Tovel& Instance();
  SIM_Tovel(const SIM_Tovel&) = delete;
  SIM_Tovel& operator=(const SIM_Tovel&) = delete;

  void Reset();
  void DailyUpdate();
  float GetTotal() const { return 0.0f; }

 private:
  SIM_Tovel() = default;
};
