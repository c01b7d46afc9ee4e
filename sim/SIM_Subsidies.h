// Stand-in for the subsidies the player pays towards characters' evenings until they are
// built: the list holds characters, so it is emptied whenever the characters are deleted.
#pragma once

class SIM_Subsidies {
 public:
  static void Clear();
  // Pays the evening's cost for every subsidised character (the player's money).
  static void PayFor(int cost);
};
