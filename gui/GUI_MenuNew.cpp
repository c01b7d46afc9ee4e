// The front-end menu mode GUI_MenuNew.
#include "gui/GUI_MenuNew.h"

#include "engine/CallTrace.h"

GUI_MenuNew& GUI_MenuNew::Instance() {
  static GUI_MenuNew menu;
  return menu;
}

void GUI_MenuNew::OnEnter() { TraceCall("GUI_MenuNew::OnEnter"); }
