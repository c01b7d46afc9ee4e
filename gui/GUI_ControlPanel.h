// Stand-in for the control panel until they are built: each operation records its call.
#pragma once

class GUI_ControlPanel {
 public:
  static void OnActsUsedUp();
  // Made once, when the first game starts; asks whether to quit the game.
  static void CreateIfNeeded();
  static void AskQuit();
};
