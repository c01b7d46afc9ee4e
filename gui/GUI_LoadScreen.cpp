// The loading screen.
#include "gui/GUI_LoadScreen.h"

#include "engine/CallTrace.h"
#include "engine/Utilities.h"

GUI_LoadScreen& GUI_LoadScreen::Instance() {
  static GUI_LoadScreen screen;
  return screen;
}

void GUI_LoadScreen::Draw(float progress) {
  TraceCall("GUI_LoadScreen::Draw " + FormatFixed(progress, 2));
  lastProgress_ = progress;
}
