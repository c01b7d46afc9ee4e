// The tutorial's gate on button clicks. Until the tutorial is built it allows every button
// and records the buttons it is told were used.
#pragma once

class GUI_Tutorial {
 public:
  // Whether a click on this button may go ahead (always while no tutorial runs).
  static bool IsAllowed(const void* button);
  // A button was used; only its identity is passed, since it may be gone already.
  static void ButtonUsed(const void* button);
  // Whether the tutorial is running (hints keep quiet meanwhile). Never until it is built;
  // tests set it.
  static bool IsActive();
  static void SetActive(bool active);
};
