// Contact icons stand-in.
#include "gui/windows/GUI_NPCIcon.h"

#include "engine/CallTrace.h"

void LayOutNPCIcons() { TraceCall("LayOutNPCIcons"); }
