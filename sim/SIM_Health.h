// Placeholder for the health state until its rules are built; records its daily step.
#pragma once

class SIM_Health {
 public:
  static SIM_Health& Instance();
  SIM_Health(const SIM_Health&) = delete;
  SIM_Health& operator=(const SIM_Health&) = delete;

  void DailyUpdate();
  void Reset();
  // The player caught a cold outdoors in the rain.
  void CatchCold();
  // The player is well unless a test made them ill.
  bool IsHealthy() const { return healthy_; }
  void SetHealthyForTesting(bool healthy) { healthy_ = healthy; }

 private:
  SIM_Health() = default;
  bool healthy_ = true;
};
