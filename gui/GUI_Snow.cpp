// STAND-IN: snow and snowdrops.
#include "gui/GUI_Snow.h"

#include "engine/CallTrace.h"

void GUI_Snow::Draw() { TraceCall("GUI_Snow::Draw"); }

void GUI_Snow::ResetSnowdrops() { TraceCall("GUI_Snow::ResetSnowdrops"); }

void GUI_Snow::DrawSnowdrops() { TraceCall("GUI_Snow::DrawSnowdrops"); }
