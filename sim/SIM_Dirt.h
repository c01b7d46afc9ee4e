// The home's dirt: the global value "glob_dirt" (0..1), which rises a little every day (faster
// with a dog or a cat) unless a cleaner is employed. Above one half it shows in the work-day
// summary and breeds germs (see SIM_Health).
#pragma once

class SIM_Dirt {
 public:
  static SIM_Dirt& Instance();
  SIM_Dirt(const SIM_Dirt&) = delete;
  SIM_Dirt& operator=(const SIM_Dirt&) = delete;

  void DailyUpdate();
  // New game and load: a clean home ("glob_dirt" made when missing).
  void Reset();
  // The dirt as last computed.
  float GetDirt() const { return dirt_; }

 private:
  SIM_Dirt() = default;
  float dirt_ = 0.0f;
};
