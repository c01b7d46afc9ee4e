// Stand-in for a character's own window until it is built: opening it records the call.
#pragma once

class SIM_Person;

class GUI_NPC {
 public:
  static void Open(SIM_Person* person);
};
