// The player. For now it records the changes made to the player's values.
#pragma once

#include <string>

class SIM_Vesk {
 public:
  static SIM_Vesk* Instance();
  SIM_Vesk(const SIM_Vesk&) = delete;
  SIM_Vesk& operator=(const SIM_Vesk&) = delete;

  // Changes a player value by name; degrade is the daily decay factor of the change and
  // source labels it in the player's history.
  void ModifyValue(const std::string& name, float amount, float degrade,
                   const std::string& source);

 private:
  SIM_Vesk() = default;
};
