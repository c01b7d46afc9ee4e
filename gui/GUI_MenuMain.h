// The front-end menu mode GUI_MenuMain. Its screen arrives with the front end.
#pragma once

#include "gui/GUI_MenuBase.h"

class GUI_MenuMain : public GUI_MenuBase {
 public:
  static GUI_MenuMain& Instance();
  void OnEnter() override;

 private:
  GUI_MenuMain() = default;
};
