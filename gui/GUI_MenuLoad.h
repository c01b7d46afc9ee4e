// The front-end menu mode GUI_MenuLoad. Its screen arrives with the front end.
#pragma once

#include "gui/GUI_MenuBase.h"

class GUI_MenuLoad : public GUI_MenuBase {
 public:
  static GUI_MenuLoad& Instance();
  void OnEnter() override;

 private:
  GUI_MenuLoad() = default;
};
