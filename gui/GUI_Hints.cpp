// GUI_Hints stand-in.
#include "gui/GUI_Hints.h"

#include "engine/CallTrace.h"

void LoadHints() { TraceCall("LoadHints"); }

void ClearHints() { TraceCall("ClearHints"); }
