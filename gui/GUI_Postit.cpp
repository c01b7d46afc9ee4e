// STAND-IN: the post-it notes.
#include "gui/GUI_Postit.h"

#include "engine/CallTrace.h"

void GUI_Postit::PrepareSlots() { TraceCall("GUI_Postit::PrepareSlots"); }

void GUI_Postit::ReleaseSlots() { TraceCall("GUI_Postit::ReleaseSlots"); }

void GUI_Postit::DrawAll() { TraceCall("GUI_Postit::DrawAll"); }
