// The front-end menu mode GUI_MenuSave. Its screen arrives with the front end.
#pragma once

#include "gui/GUI_MenuBase.h"

class GUI_MenuSave : public GUI_MenuBase {
 public:
  static GUI_MenuSave& Instance();
  void OnEnter() override;

 private:
  GUI_MenuSave() = default;
};
