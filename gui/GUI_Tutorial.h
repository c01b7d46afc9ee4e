// The tutorial's gate on button clicks. Until the tutorial is built it allows every button,
// records the buttons it is told were used, and records the calls the screens make on it.
#pragma once

class GUI_Tutorial {
 public:
  // Whether a click on this button may go ahead (always while no tutorial runs).
  static bool IsAllowed(const void* button);
  // A button was used; only its identity is passed, since it may be gone already.
  static void ButtonUsed(const void* button);
  // Starts the tutorial game (the main menu's first button).
  static void Load();
  // While the tutorial runs it sees every key (alone) and every click (first).
  static bool IsActive();
  static void SetActive(bool active);
  static void OnKeyDown(int scanCode);
  static void OnClick(float x, float y);
  // Its highlight and window, drawn above the windows of the main scene.
  static void Draw();
};
