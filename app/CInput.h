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

  // Set by a window while the mouse is over it, cleared at every input update: buttons and
  // icons under a window leave the mouse alone.
  bool mouseTaken = false;
  float spare = 4.0f;  // kept from the design; nothing reads it

 private:
  CInput() = default;
};
