// GUI_Weather placeholder.
#include "gui/GUI_Weather.h"

#include "engine/CallTrace.h"

GUI_Weather* GUI_Weather::Instance() {
  static GUI_Weather panel;
  return &panel;
}

void GUI_Weather::RefreshTooltip() { TraceCall("GUI_Weather::RefreshTooltip"); }
