// Buffered input reads.
#include "engine/CBaseInputManager.h"

#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Timer.h"
#include "platform/MessageBox.h"

namespace {

// One motion step times the sensitivity, truncated. The sensitivity comes from a file the
// player can edit: a step far beyond any screen (or not a number) must not reach the integer
// conversion, whose result would be undefined; the pointer is clamped to the screen anyway.
int ScaledStep(float sensitivity, int delta) {
  constexpr double kLimit = 1.0e6;
  const double step = static_cast<double>(sensitivity) * static_cast<double>(delta);
  if (!(step == step)) return 0;
  if (step > kLimit) return static_cast<int>(kLimit);
  if (step < -kLimit) return -static_cast<int>(kLimit);
  return static_cast<int>(static_cast<float>(step));
}

}  // namespace

bool CBaseInputManager::Init(plat::WindowHandle window) {
  doubleClickTime = 500.0f;
  window_ = window;
  doubleClick = false;
  lastClickTime = static_cast<float>(Timer::NowMs());
  ClearBuffers();
  keys.fill(0);
  D3DEngine& engine = D3DEngine::Instance();
  windowed_ = !engine.IsInitialised() || engine.IsWindowed();
  std::string error;
  if (window_ && !plat::SetRelativeMouseMode(!windowed_, error)) {
    InputError("SetCooperativeLevel(mouse)", error);
    return false;
  }
  return true;
}

bool CBaseInputManager::IsKeyDown(int scanCode) const {
  return scanCode >= 0 && scanCode < 256 && keys[static_cast<size_t>(scanCode)] != 0;
}

void CBaseInputManager::QueueEvent(const plat::Event& event) {
  switch (event.type) {
    case plat::EventType::KeyDown:
    case plat::EventType::KeyUp:
      if (event.key > 0 && event.key < 256)
        liveKeys_[static_cast<size_t>(event.key)] =
            event.type == plat::EventType::KeyDown ? 0x80 : 0;
      if (keyboardEvents_.size() >= kKeyboardBuffer) keyboardEvents_.pop_front();
      keyboardEvents_.push_back(event);
      break;
    case plat::EventType::MouseWheel:
      // Sideways scrolling has no vertical part; it must not count as a step up.
      if (event.wheel == 0) break;
      [[fallthrough]];
    case plat::EventType::MouseMove:
    case plat::EventType::MouseButtonDown:
    case plat::EventType::MouseButtonUp:
      if ((event.type == plat::EventType::MouseButtonDown ||
           event.type == plat::EventType::MouseButtonUp) &&
          event.button != 0 && event.button != 1)
        break;  // only the two buttons the game knows
      if (mouseEvents_.size() >= kMouseBuffer) mouseEvents_.pop_front();
      mouseEvents_.push_back(event);
      break;
    default:
      break;
  }
}

void CBaseInputManager::ClearBuffers() {
  keyboardEvents_.clear();
  mouseEvents_.clear();
  liveKeys_.fill(0);
}

void CBaseInputManager::Update() {
  GetMouseData();
  GetKeyboardData();
  frameFlag = false;
}

void CBaseInputManager::ApplyMovement() {
  mouseX += static_cast<float>(moveX);
  mouseY += static_cast<float>(moveY);
  if (std::fabs(anchorX - mouseX) < kStillDistance && std::fabs(anchorY - mouseY) < kStillDistance) {
    ++stillFrames;
  } else {
    stillFrames = 0;
    anchorX = mouseX;
    anchorY = mouseY;
  }
  if (mouseX < 0.0f) mouseX = 0.0f;
  if (mouseY < 0.0f) mouseY = 0.0f;
  if (mouseX > g_screenWidth) mouseX = g_screenWidth;
  if (mouseY > g_screenHeight) mouseY = g_screenHeight;
  if (windowed_) {
    mouseX = static_cast<float>(cursorX_);
    mouseY = static_cast<float>(cursorY_);
  }
}

void CBaseInputManager::GetMouseData() {
  moveX = moveY = wheel = 0;
  while (!mouseEvents_.empty()) {
    const plat::Event e = mouseEvents_.front();
    mouseEvents_.pop_front();
    switch (e.type) {
      case plat::EventType::MouseMove:
        cursorX_ = e.x;
        cursorY_ = e.y;
        moveX += ScaledStep(sensitivity, e.dx);
        moveY += ScaledStep(sensitivity, e.dy);
        break;
      case plat::EventType::MouseWheel:
        if (e.wheel >= 0) OnWheelUp(); else OnWheelDown();
        wheel += e.wheel * kWheelStep;
        break;
      case plat::EventType::MouseButtonDown:
      case plat::EventType::MouseButtonUp: {
        const bool down = e.type == plat::EventType::MouseButtonDown;
        if (e.button == 0 && !down && !leftDown) {  // a release nobody saw pressed
          cursorX_ = e.x;
          cursorY_ = e.y;
          break;
        }
        // A button event ends this frame's read; the events after it stay for the next
        // frame, so a press and its release in one frame both arrive. The motion before the
        // click is applied first, so the click lands where the pointer was.
        cursorX_ = e.x;
        cursorY_ = e.y;
        ApplyMovement();
        if (e.button == 0) {
          if (down) OnLeftButtonDown(); else OnLeftButtonUp();
        } else {
          if (down) OnRightButtonDown(); else OnRightButtonUp();
        }
        return;
      }
      default:
        break;
    }
  }
  ApplyMovement();
}

void CBaseInputManager::GetKeyboardData() {
  // Each press is handled with the keys as they were when it came, so a combination typed
  // within one frame (Alt down, Return, Alt up) still reads Alt as held.
  while (!keyboardEvents_.empty()) {
    const plat::Event e = keyboardEvents_.front();
    keyboardEvents_.pop_front();
    if (e.key <= 0 || e.key >= 256) continue;
    const bool down = e.type == plat::EventType::KeyDown;
    keys[static_cast<size_t>(e.key)] = down ? 0x80 : 0;
    if (down) OnKeyDown(e.key);
  }
  // Events dropped from a full buffer leave no stale key behind.
  keys = liveKeys_;
}

void CBaseInputManager::OnLeftButtonDown() {
  leftDown = true;
  const float now = static_cast<float>(Timer::NowMs());
  const float elapsed = now - lastClickTime;
  lastClickTime = now;
  doubleClick = false;
  const float dx = lastClickX - mouseX, dy = lastClickY - mouseY;
  if (elapsed < doubleClickTime && std::sqrt(dx * dx + dy * dy) < kDoubleClickDistance)
    doubleClick = true;
  lastClickX = mouseX;
  lastClickY = mouseY;
}

void CBaseInputManager::OnLeftButtonUp() { leftDown = false; }

void CBaseInputManager::InputError(const std::string& step, const std::string& text) {
  const std::string shortText = text.substr(0, 128);
  DebugLog::Instance().Write(step);
  DebugLog::Instance().Write(shortText);
  // The game's own boxes, drawn in its window: full screen stays.
  plat::ShowMessageBox("ERROR IN FUNCTION:", step, plat::BoxIcon::Warning);
  plat::ShowMessageBox("D3DENGINE ERROR", shortText, plat::BoxIcon::Warning);
}
