// Stand-in for the dialog telling that a character cannot afford an evening: opening it
// records the call.
#pragma once

class SIM_NPC;
class SIM_SocialiseType;

class GUI_NoMoneyDialog {
 public:
  static void Open(SIM_SocialiseType* type, SIM_NPC* npc);
};
