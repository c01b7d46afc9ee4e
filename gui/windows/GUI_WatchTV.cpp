// STAND-IN: the television window.
#include "gui/windows/GUI_WatchTV.h"

#include "engine/CallTrace.h"

void GUI_WatchTV::Open() { TraceCall("GUI_WatchTV::Open"); }
