// A front-end menu: a game mode whose drawing, hover update and clicks are its button list's.
#pragma once

#include "gui/GUI_GameModeBase.h"
#include "gui/GUIButtonList.h"

class GUI_MenuBase : public GUI_GameModeBase, public GUIButtonList {
 public:
  void Draw() override { DrawButtons(); }
  void Update() override { GUIButtonList::Update(); }
  void OnLeftButtonDown() override { ClickButtons(); }
};
