// STAND-IN: the special-event window.
#include "gui/windows/GUI_SpecialEvent.h"

#include "engine/CallTrace.h"

void GUI_SpecialEvent::Open(SIM_SpecialEvent*) { TraceCall("GUI_SpecialEvent::Open"); }
