// The front-end menu mode GUI_MenuLoad.
#include "gui/GUI_MenuLoad.h"

#include "engine/CallTrace.h"

GUI_MenuLoad& GUI_MenuLoad::Instance() {
  static GUI_MenuLoad menu;
  return menu;
}

void GUI_MenuLoad::OnEnter() { TraceCall("GUI_MenuLoad::OnEnter"); }
