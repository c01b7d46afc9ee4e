// GUI_ControlPanel stand-in.
#include "gui/GUI_ControlPanel.h"

#include "engine/CallTrace.h"

void GUI_ControlPanel::OnActsUsedUp() { TraceCall("GUI_ControlPanel::OnActsUsedUp"); }

void GUI_ControlPanel::CreateIfNeeded() { TraceCall("GUI_ControlPanel::CreateIfNeeded"); }

void GUI_ControlPanel::AskQuit() { TraceCall("GUI_ControlPanel::AskQuit"); }
