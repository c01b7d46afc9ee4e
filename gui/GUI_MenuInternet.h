// The front-end menu mode GUI_MenuInternet. Until the downloads are built it is a titled page
// with a note and the way back to the main menu.
#pragma once

#include "gui/GUI_MenuBase.h"

class GUI_ButtonText;

class GUI_MenuInternet : public GUI_MenuBase {
 public:
  static GUI_MenuInternet& Instance();
  void OnEnter() override;
  void Draw() override;

  GUI_ButtonText* GetMainMenuButton() const { return mainMenu_; }

 private:
  GUI_MenuInternet();
  GUI_ButtonText* mainMenu_ = nullptr;
};
