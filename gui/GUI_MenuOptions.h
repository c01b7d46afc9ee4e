// The front-end menu mode GUI_MenuOptions. Its screen arrives with the front end.
#pragma once

#include "gui/GUI_MenuBase.h"

class GUI_MenuOptions : public GUI_MenuBase {
 public:
  static GUI_MenuOptions& Instance();
  void OnEnter() override;

 private:
  GUI_MenuOptions() = default;
};
