// The front-end menu mode GUI_MenuSave.
#include "gui/GUI_MenuSave.h"

#include "engine/CallTrace.h"

GUI_MenuSave& GUI_MenuSave::Instance() {
  static GUI_MenuSave menu;
  return menu;
}

void GUI_MenuSave::OnEnter() { TraceCall("GUI_MenuSave::OnEnter"); }
