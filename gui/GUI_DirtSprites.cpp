// GUI_DirtSprites stand-in.
#include "gui/GUI_DirtSprites.h"

#include "engine/CallTrace.h"

void GUI_DirtSprites::Refresh() { TraceCall("GUI_DirtSprites::Refresh"); }
