// The front-end menu mode GUI_MenuMain.
#include "gui/GUI_MenuMain.h"

#include "engine/CallTrace.h"

GUI_MenuMain& GUI_MenuMain::Instance() {
  static GUI_MenuMain menu;
  return menu;
}

void GUI_MenuMain::OnEnter() { TraceCall("GUI_MenuMain::OnEnter"); }
