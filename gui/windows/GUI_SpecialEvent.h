// Stand-in for the special-event window until it is built: each operation records its call.
#pragma once

class SIM_SpecialEvent;

class GUI_SpecialEvent {
 public:
  static void Open(SIM_SpecialEvent* event);
};
