// The characters whose share of the player's evening the player pays ("subsidises"): added in
// the invitation step when someone cannot afford it, paid for by the evening and then emptied.
// The list points at characters (it owns none), so it is emptied whenever the characters are
// deleted.
#pragma once

#include <vector>

class SIM_NPC;

class SIM_Subsidies {
 public:
  // Appends the character (a soft assertion for none).
  static void Add(SIM_NPC* npc);
  static void Clear();
  // For each subsidised character in order: the player pays the amount (the evening's cost
  // per person) into the character's cash; a bond with the player grows, and its balance by
  // the amount.
  static void PayFor(int amount);
  static const std::vector<SIM_NPC*>& All();
};
