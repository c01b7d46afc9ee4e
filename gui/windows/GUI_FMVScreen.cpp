// STAND-IN: the film screen.
#include "gui/windows/GUI_FMVScreen.h"

#include "engine/CallTrace.h"

namespace {
bool g_fmvActive = false;
}

bool GUI_FMVScreen::IsActive() { return g_fmvActive; }

void GUI_FMVScreen::SetActive(bool active) { g_fmvActive = active; }

void GUI_FMVScreen::Draw() { TraceCall("GUI_FMVScreen::Draw"); }

void GUI_FMVScreen::Show(const std::string& key) { TraceCall("GUI_FMVScreen::Show " + key); }
