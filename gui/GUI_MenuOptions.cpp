// The front-end menu mode GUI_MenuOptions.
#include "gui/GUI_MenuOptions.h"

#include "engine/CallTrace.h"

GUI_MenuOptions& GUI_MenuOptions::Instance() {
  static GUI_MenuOptions menu;
  return menu;
}

void GUI_MenuOptions::OnEnter() { TraceCall("GUI_MenuOptions::OnEnter"); }
