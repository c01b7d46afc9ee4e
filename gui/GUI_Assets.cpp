// STAND-IN: the possessions' icons.
#include "gui/GUI_Assets.h"

#include "engine/CallTrace.h"

void GUI_Assets::RebuildIcons() { TraceCall("GUI_Assets::RebuildIcons"); }
