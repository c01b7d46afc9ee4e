// STAND-IN: rain.
#include "gui/GUI_Rain.h"

#include "engine/CallTrace.h"

void GUI_Rain::Draw() { TraceCall("GUI_Rain::Draw"); }
