// STAND-IN: the end-game window.
#include "gui/windows/GUI_EndGame.h"

#include "engine/CallTrace.h"

GUI_EndGame* GUI_EndGame::Instance() {
  static GUI_EndGame window;
  return &window;
}

void GUI_EndGame::Show() {
  TraceCall("GUI_EndGame::Show");
  open_ = true;
}

void GUI_EndGame::Draw() { TraceCall("GUI_EndGame::Draw"); }
