// The small "+12" / "-5" marker a value bar shows beside itself when its value changes.
// Until the screen is built, a placeholder that records its calls.
#pragma once

class GUI_ChangePopup {
 public:
  // amount is a change of the 0..1 value; the right edge of the marker is at x, centred on y.
  void Show(float amount, float x, float y, bool riseIsGood);
};
