// STAND-IN: the internet menu mode (its screen arrives with the front end).
#include "gui/GUI_MenuInternet.h"

#include "engine/CallTrace.h"

GUI_MenuInternet& GUI_MenuInternet::Instance() {
  static GUI_MenuInternet menu;
  return menu;
}

void GUI_MenuInternet::OnEnter() { TraceCall("GUI_MenuInternet::OnEnter"); }
