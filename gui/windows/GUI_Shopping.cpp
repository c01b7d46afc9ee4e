// STAND-IN: the shop window.
#include "gui/windows/GUI_Shopping.h"

#include <string>

#include "engine/CallTrace.h"

void GUI_Shopping::Open() { TraceCall("GUI_Shopping::Open"); }

void GUI_Shopping::SelectTab(int tab) {
  TraceCall("GUI_Shopping::SelectTab " + std::to_string(tab));
}
