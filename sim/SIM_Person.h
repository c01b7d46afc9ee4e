// The person base of the player and the other characters. For now only the portrait reload
// the shell calls after the display is rebuilt.
#pragma once

class SIM_Person {
 public:
  // Loads every person's portrait texture again (after the display was lost).
  static void ReloadAllPortraits();
};
