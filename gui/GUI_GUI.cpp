// The in-game screen mode.
#include "gui/GUI_GUI.h"

#include "app/GUI_Sounds.h"
#include "engine/CallTrace.h"
#include "gui/GUI_WindowBase.h"

GUI_GUI& GUI_GUI::Instance() {
  static GUI_GUI screen;
  return screen;
}

void GUI_GUI::Draw() { GUI_Sounds::Instance().UpdateSounds(); }

void GUI_GUI::OnEnter() { TraceCall("GUI_GUI::OnEnter"); }

void GUI_GUI::OnRightButtonDown() { TraceCall("GUI_GUI::OnRightButtonDown"); }

void GUI_GUI::OnLeftButtonUp() {}

void GUI_GUI::LoadResources() {
  if (resourcesLoaded_) return;
  TraceCall("GUI_GUI::LoadResources");
  GUI_Sounds::Instance().BuildMusicPlayList();
  resourcesLoaded_ = true;
}

void GUI_GUI::ReleaseResources() {
  TraceCall("GUI_GUI::ReleaseResources");
  resourcesLoaded_ = false;
}

void GUI_GUI::StartGame() { TraceCall("GUI_GUI::StartGame"); }

void GUI_GUI::OnKeyDown(int scanCode) {
  if (keyCapture_) keyCapture_->OnKeyDown(scanCode);
}
