// GUI_ControlPanel stand-in.
#include "gui/GUI_ControlPanel.h"

#include "engine/CallTrace.h"

void GUI_ControlPanel::OnActsUsedUp() { TraceCall("GUI_ControlPanel::OnActsUsedUp"); }
