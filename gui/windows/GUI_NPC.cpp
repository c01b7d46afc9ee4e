// STAND-IN: a character's window.
#include "gui/windows/GUI_NPC.h"

#include "engine/CallTrace.h"

void GUI_NPC::Open(SIM_Person*) { TraceCall("GUI_NPC::Open"); }
