// STAND-IN: the activity result window.
#include "gui/windows/GUI_PostMortem.h"

#include "engine/CallTrace.h"

void GUI_PostMortem::Close() { TraceCall("GUI_PostMortem::Close"); }

namespace {
bool g_postMortemOpen = false;
}

bool GUI_PostMortem::IsOpen() { return g_postMortemOpen; }

void GUI_PostMortem::SetOpen(bool open) { g_postMortemOpen = open; }

void GUI_PostMortem::DrawOpen() {
  if (g_postMortemOpen) TraceCall("GUI_PostMortem::DrawOpen");
}

void GUI_PostMortem::UpdateOpen() {
  if (g_postMortemOpen) TraceCall("GUI_PostMortem::UpdateOpen");
}

void GUI_PostMortem::ClickOpen(float /*x*/, float /*y*/) {
  if (g_postMortemOpen) TraceCall("GUI_PostMortem::ClickOpen");
}
