// STAND-IN: the evening classes window.
#include "gui/windows/GUI_EveningClasses.h"

#include "engine/CallTrace.h"

void GUI_EveningClasses::Open() { TraceCall("GUI_EveningClasses::Open"); }

void GUI_EveningClasses::Close() { TraceCall("GUI_EveningClasses::Close"); }
