// The characters whose share of the player's evening the player pays ("subsidises"). The
// list belongs to the evening being organised in the social chooser: a character joins it
// when the player offers to pay for them, the chooser empties it when the player changes the
// kind of evening or walks away, and starting the evening hands it to that evening, which
// pays for the people on it when (and only if) it is paid for. So no later evening, of any
// kind, ever pays for someone who was not there. The list points at characters (it owns
// none), so it is emptied whenever the characters are deleted.
#pragma once

#include <vector>

class SIM_NPC;

class SIM_Subsidies {
 public:
  // Appends the character (a soft assertion for none).
  static void Add(SIM_NPC* npc);
  static void Clear();
  // Hands the list to the evening that starts, leaving it empty.
  static std::vector<SIM_NPC*> Take();
  // For each subsidised character in order: the player pays the amount (the evening's cost
  // per person) for the character, whose own cash is left alone; a bond with the player
  // grows, and its balance by the amount.
  static void PayFor(const std::vector<SIM_NPC*>& subsidised, int amount);
  static const std::vector<SIM_NPC*>& All();
};
