// STAND-IN: the skills panel.
#include "gui/windows/GUI_Skills.h"

#include "engine/CallTrace.h"

void GUI_Skills::Refresh() { TraceCall("GUI_Skills::Refresh"); }
