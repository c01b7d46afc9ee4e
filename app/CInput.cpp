// Input forwarding to the current mode.
#include "app/CInput.h"

#include "app/Game.h"
#include "gui/GUI_GUI.h"

CInput& CInput::Instance() {
  static CInput input;
  return input;
}

void CInput::Update() {
  CBaseInputManager::Update();
  mouseTaken = false;
}

void CInput::OnWheelUp() { Game::Instance().OnWheelUp(); }

void CInput::OnWheelDown() { Game::Instance().OnWheelDown(); }

void CInput::OnLeftButtonDown() {
  CBaseInputManager::OnLeftButtonDown();
  Game::Instance().OnLeftButtonDown();
}

void CInput::OnLeftButtonUp() {
  GUI_GUI::Instance().OnLeftButtonUp();
  CBaseInputManager::OnLeftButtonUp();
}

void CInput::OnRightButtonDown() { Game::Instance().OnRightButtonDown(); }

void CInput::OnKeyDown(int scanCode) { Game::Instance().OnKeyDown(scanCode); }
