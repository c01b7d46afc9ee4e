// The front-end menu mode GUI_MenuIntro.
#include "gui/GUI_MenuIntro.h"

#include "engine/CallTrace.h"

GUI_MenuIntro& GUI_MenuIntro::Instance() {
  static GUI_MenuIntro menu;
  return menu;
}

void GUI_MenuIntro::OnEnter() { TraceCall("GUI_MenuIntro::OnEnter"); }
