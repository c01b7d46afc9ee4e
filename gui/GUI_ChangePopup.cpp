// Change pop-ups.
#include "gui/GUI_ChangePopup.h"

#include <algorithm>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/Utilities.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"

namespace {
constexpr int kGoodFrame = 3;  // texture-set entries: green fill, red fill
constexpr int kBadFrame = 4;
constexpr float kBorder = 12.0f;
}  // namespace

namespace {
// Whole hundredths, cut toward zero; the nudge keeps a float's 0.29 (28.99999...) a 29.
int WholeHundredths(float amount) {
  const double hundredths = static_cast<double>(amount) * 100.0;
  return ClampToInt(hundredths + (hundredths < 0 ? -1e-3 : 1e-3));
}
}  // namespace

std::string GUI_ChangePopup::TextFor(float amount) {
  const int whole = WholeHundredths(amount);
  return (whole > 0 ? "+" : "") + std::to_string(whole);
}

void GUI_ChangePopup::Show(float amount, float x, float y, bool riseIsGood) {
  // A change under a hundredth would read "+0": it is not shown.
  if (WholeHundredths(amount) == 0) return;
  timer_.Start();
  value_ = amount * 100.0f;
  text_ = TextFor(amount);
  good_ = value_ > 0 ? riseIsGood : !riseIsGood;
  box_ = {static_cast<int>(x - 45.0f), static_cast<int>(y - 12.0f), static_cast<int>(x),
          static_cast<int>(y + 12.0f)};
  connector_ = {box_.right - 4, static_cast<int>(y - 2.0f), static_cast<int>(x + 3.0f),
                static_cast<int>(y + 2.0f)};
  active_ = true;
}

double GUI_ChangePopup::ElapsedMs() {
  timer_.Update();
  return timer_.elapsed;
}

float GUI_ChangePopup::AlphaAt(double t) {
  if (t < 0.0 || t >= kLifeMs) return 0.0f;
  double a = 1.0;
  if (t < kFadeMs) a = t / kFadeMs;
  else if (t > kLifeMs - kFadeMs) a = 1.0 - (t - (kLifeMs - kFadeMs)) / kFadeMs;
  return static_cast<float>(std::min(a, static_cast<double>(kMaxAlpha)));
}

void GUI_ChangePopup::Draw() {
  if (!active_) return;
  const double t = ElapsedMs();
  if (t >= kLifeMs) {
    active_ = false;
    return;
  }
  const float a = AlphaAt(t);
  const uint32_t alpha = static_cast<uint32_t>(std::trunc(a * 255.0f));
  D3DEngine::Instance().FillRect(connector_.left, connector_.top, connector_.right,
                                 connector_.bottom, alpha << 24 | 0xE0E0E0u);
  DrawFrameById(static_cast<float>(box_.left), static_cast<float>(box_.top),
                static_cast<float>(box_.right), static_cast<float>(box_.bottom),
                good_ ? kGoodFrame : kBadFrame, kBorder, a);
  // The text cannot fade with its box: it shows only while the box is there to read it on.
  if (a < kTextAlpha) return;
  GUI_Services::QueueText(static_cast<float>(box_.left + 9), static_cast<float>(box_.top + 3),
                          text_, "tahoma bold", 16, 0, 0, 255, 255, 255);
}
