// GUI_Tutorial placeholder.
#include "gui/GUI_Tutorial.h"

#include "engine/CallTrace.h"

bool GUI_Tutorial::IsAllowed(const void* /*button*/) { return true; }

void GUI_Tutorial::ButtonUsed(const void* /*button*/) { TraceCall("GUI_Tutorial::ButtonUsed"); }

namespace {
bool g_tutorialActive = false;
}

bool GUI_Tutorial::IsActive() { return g_tutorialActive; }

void GUI_Tutorial::SetActive(bool active) { g_tutorialActive = active; }
