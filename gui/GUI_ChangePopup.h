// The small "+12" / "-5" box a value bar shows just left of itself when its value changes. It
// fades in over half a second, stays at most 85 % opaque, fades out over its last half second
// and is gone 4.5 s after it was shown; a new change restarts it.
#pragma once

#include <string>

#include "engine/Timer.h"
#include "gui/GUI_BaseElement.h"

class GUI_ChangePopup {
 public:
  static constexpr double kLifeMs = 4500.0;
  static constexpr double kFadeMs = 500.0;
  static constexpr float kMaxAlpha = 0.85f;
  // The number is drawn only while its box is at full strength.
  static constexpr float kTextAlpha = kMaxAlpha;

  // amount is a change of the 0..1 value; the box's right edge is at x, centred on y. A rise
  // is good when rising is good for the value, a fall when it is not.
  void Show(float amount, float x, float y, bool riseIsGood);
  // Draws while active; past its life it turns inactive.
  void Draw();

  // The opacity t ms after Show (0 once the pop-up's life is over).
  static float AlphaAt(double elapsedMs);
  // "+3" for a rise, "-2" for a fall: the change in whole hundredths of the bar.
  static std::string TextFor(float amount);

  bool IsActive() const { return active_; }
  bool IsGood() const { return good_; }
  const std::string& GetText() const { return text_; }
  const GUI_Rect& GetBox() const { return box_; }
  const GUI_Rect& GetConnector() const { return connector_; }
  // The time since Show on the timers' clock.
  double ElapsedMs();

 private:
  Timer timer_;
  float value_ = 0.0f;
  std::string text_;
  bool good_ = false;
  GUI_Rect box_;
  GUI_Rect connector_;
  bool active_ = false;
};
