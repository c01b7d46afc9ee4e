// The front-end menu mode GUI_MenuNew. Its screen arrives with the front end.
#pragma once

#include "gui/GUI_MenuBase.h"

class GUI_MenuNew : public GUI_MenuBase {
 public:
  static GUI_MenuNew& Instance();
  void OnEnter() override;

 private:
  GUI_MenuNew() = default;
};
