// Placeholder for the health state until its rules are built; records its daily step.
#pragma once

class SIM_Health {
 public:
  static SIM_Health& Instance();
  SIM_Health(const SIM_Health&) = delete;
  SIM_Health& operator=(const SIM_Health&) = delete;

  void DailyUpdate();

 private:
  SIM_Health() = default;
};
