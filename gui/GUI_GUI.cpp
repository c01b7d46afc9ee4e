// The in-game screen mode.
#include "gui/GUI_GUI.h"

#include "app/GUI_Sounds.h"
#include "engine/CallTrace.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_WindowBase.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WorkDay.h"
#include "sim/SIM_SIM.h"

GUI_GUI& GUI_GUI::Instance() {
  static GUI_GUI screen;
  return screen;
}

void GUI_GUI::Draw() {
  GUI_Sounds::Instance().UpdateSounds();
  GUI_WindowManager& manager = GUI_WindowManager::Instance();
  manager.BeginFrame();
  GUI_WorkDay* summary = GUI_WorkDay::Instance();
  if (SIM_SIM::Instance().GetPhase() == 0 && summary->IsOpen()) summary->Draw();
  manager.DrawAll();
  DrawTooltips();
}

void GUI_GUI::Update() {
  GUI_Services::BeginInputFrame();
  GUI_WindowManager::Instance().UpdateAll();
}

void GUI_GUI::OnLeftButtonDown() { GUI_WindowManager::Instance().ClickAll(); }

void GUI_GUI::OnWheelUp() { GUI_SoloActivityChooser::ScrollPrevious(); }

void GUI_GUI::OnWheelDown() { GUI_SoloActivityChooser::ScrollNext(); }

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

void GUI_GUI::StartGame() {
  TraceCall("GUI_GUI::StartGame");
  GUI_WindowManager::Instance().CloseAllWindows();
  keyCapture_ = nullptr;
  GUI_ControlPanel::CreateIfNeeded();
  LoadHints();
}

void GUI_GUI::OnKeyDown(int scanCode) {
  if (keyCapture_) keyCapture_->OnKeyDown(scanCode);
}
