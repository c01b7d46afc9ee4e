// STAND-IN: the date panel.
#include "gui/GUI_Date.h"

#include "engine/CallTrace.h"

GUI_Date* GUI_Date::Instance() {
  static GUI_Date panel;
  return &panel;
}

void GUI_Date::Refresh() { TraceCall("GUI_Date::Refresh"); }

void GUI_Date::Draw() { TraceCall("GUI_Date::Draw"); }
