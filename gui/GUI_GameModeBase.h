// A screen mode of the game: the main menu, each front-end menu, the in-game screen.
#pragma once

class GUI_GameModeBase {
 public:
  virtual ~GUI_GameModeBase() = default;

  virtual void Draw() {}
  virtual void OnKeyDown(int scanCode) {}  // DirectInput scan code
  virtual void Update() {}
  virtual void OnLeftButtonDown() {}
  virtual void OnEnter() {}  // the mode has just become current
  virtual void OnWheelUp() {}
  virtual void OnWheelDown() {}
};
