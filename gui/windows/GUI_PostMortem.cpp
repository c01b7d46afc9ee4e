// GUI_PostMortem stand-in.
#include "gui/windows/GUI_PostMortem.h"

#include "engine/CallTrace.h"

void GUI_PostMortem::Close() { TraceCall("GUI_PostMortem::Close"); }
