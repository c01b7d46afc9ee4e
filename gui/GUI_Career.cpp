// STAND-IN: the career panel.
#include "gui/GUI_Career.h"

#include "engine/CallTrace.h"

void GUI_Career::Refresh() { TraceCall("GUI_Career::Refresh"); }
