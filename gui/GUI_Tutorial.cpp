// STAND-IN: the tutorial (allows every button).
#include "gui/GUI_Tutorial.h"

#include "engine/CallTrace.h"

namespace {
bool g_active = false;
}

bool GUI_Tutorial::IsAllowed(const void* /*button*/) { return true; }

void GUI_Tutorial::ButtonUsed(const void* /*button*/) { TraceCall("GUI_Tutorial::ButtonUsed"); }

void GUI_Tutorial::Load() { TraceCall("GUI_Tutorial::Load"); }

bool GUI_Tutorial::IsActive() { return g_active; }

void GUI_Tutorial::SetActive(bool active) { g_active = active; }

void GUI_Tutorial::OnKeyDown(int scanCode) {
  TraceCall("GUI_Tutorial::OnKeyDown " + std::to_string(scanCode));
}

void GUI_Tutorial::OnClick(float /*x*/, float /*y*/) { TraceCall("GUI_Tutorial::OnClick"); }

void GUI_Tutorial::Draw() {
  if (g_active) TraceCall("GUI_Tutorial::Draw");
}
