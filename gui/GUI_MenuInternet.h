// The front-end menu mode GUI_MenuInternet. Its screen arrives with the front end.
#pragma once

#include "gui/GUI_MenuBase.h"

class GUI_MenuInternet : public GUI_MenuBase {
 public:
  static GUI_MenuInternet& Instance();
  void OnEnter() override;

 private:
  GUI_MenuInternet() = default;
};
