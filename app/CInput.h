// The game's input manager: every event goes on to the current game mode through Game.
#pragma once

#include "engine/CBaseInputManager.h"

class CInput : public CBaseInputManager {
 public:
  static CInput& Instance();

  void Update() override;
  void OnWheelUp() override;
  void OnWheelDown() override;
  void OnLeftButtonDown() override;
  void OnLeftButtonUp() override;
  void OnRightButtonDown() override;
  void OnRightButtonUp() override {}
  void OnKeyDown(int scanCode) override;

 private:
  CInput() = default;
  bool frameFlag_ = false;  // cleared every frame; nothing reads it yet
  [[maybe_unused]] float spare_ = 4.0f;  // kept from the design; nothing reads it yet
};
