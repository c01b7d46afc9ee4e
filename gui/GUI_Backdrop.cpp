// The front-end backdrop.
#include "gui/GUI_Backdrop.h"

#include "engine/CallTrace.h"

GUI_Backdrop& GUI_Backdrop::Instance() {
  static GUI_Backdrop backdrop;
  return backdrop;
}

void GUI_Backdrop::Load() {
  TraceCall("GUI_Backdrop::Load");
  loaded_ = true;
}
