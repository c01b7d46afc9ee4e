// The front-end menu mode GUI_MenuIntro. Its screen arrives with the front end.
#pragma once

#include "gui/GUI_MenuBase.h"

class GUI_MenuIntro : public GUI_MenuBase {
 public:
  static GUI_MenuIntro& Instance();
  void OnEnter() override;

 private:
  GUI_MenuIntro() = default;
};
