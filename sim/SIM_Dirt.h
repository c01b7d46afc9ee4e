// Placeholder for the dirt state until its rules are built; records its daily step.
#pragma once

class SIM_Dirt {
 public:
  static SIM_Dirt& Instance();
  SIM_Dirt(const SIM_Dirt&) = delete;
  SIM_Dirt& operator=(const SIM_Dirt&) = delete;

  void DailyUpdate();
  void Reset();

 private:
  SIM_Dirt() = default;
};
