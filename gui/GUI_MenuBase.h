// A front-end menu: a game mode whose drawing, hover update and clicks are its button list's.
#pragma once

#include "gui/GUI_GameModeBase.h"
#include "gui/GUIButtonList.h"

class GUI_MenuBase : public GUI_GameModeBase, public GUIButtonList {
 public:
  void Draw() override { DrawButtons(); }
  void Update() override { GUIButtonList::Update(); }
  void OnLeftButtonDown() override { ClickButtons(); }

  // Alt+Return switches between full screen and a window on every screen, whatever else the
  // screen (or a box over it) does with Return or with typed keys; true when the key was
  // taken for it.
  static bool ToggleWindowedOnAltReturn(int scanCode);
};
