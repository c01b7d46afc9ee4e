// STAND-IN: the calendar panel.
#include "gui/GUI_Calendar.h"

#include "engine/CallTrace.h"

GUI_Calendar* GUI_Calendar::Instance() {
  static GUI_Calendar panel;
  return &panel;
}

void GUI_Calendar::Refresh() { TraceCall("GUI_Calendar::Refresh"); }
