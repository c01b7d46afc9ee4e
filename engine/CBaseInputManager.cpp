// Buffered input reads.
#include "engine/CBaseInputManager.h"

namespace {
constexpr size_t kKeyboardBuffer = 32;
constexpr size_t kMouseBuffer = 16;
}  // namespace

bool CBaseInputManager::Init(plat::WindowHandle window) {
  window_ = window;
  ClearBuffers();
  keys_.fill(0);
  return true;
}

bool CBaseInputManager::IsKeyDown(int scanCode) const {
  return scanCode >= 0 && scanCode < 256 && keys_[static_cast<size_t>(scanCode)] != 0;
}

void CBaseInputManager::QueueEvent(const plat::Event& event) {
  switch (event.type) {
    case plat::EventType::KeyDown:
    case plat::EventType::KeyUp:
      if (keyboardEvents_.size() >= kKeyboardBuffer) keyboardEvents_.pop_front();
      keyboardEvents_.push_back(event);
      break;
    case plat::EventType::MouseMove:
    case plat::EventType::MouseButtonDown:
    case plat::EventType::MouseButtonUp:
    case plat::EventType::MouseWheel:
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
}

void CBaseInputManager::Update() {
  GetMouseData();
  GetKeyboardData();
}

void CBaseInputManager::GetMouseData() {
  while (!mouseEvents_.empty()) {
    const plat::Event e = mouseEvents_.front();
    mouseEvents_.pop_front();
    switch (e.type) {
      case plat::EventType::MouseMove:
        mouseX_ = static_cast<float>(e.x);
        mouseY_ = static_cast<float>(e.y);
        break;
      case plat::EventType::MouseWheel:
        if (e.wheel >= 0) OnWheelUp(); else OnWheelDown();
        break;
      case plat::EventType::MouseButtonDown:
        mouseX_ = static_cast<float>(e.x);
        mouseY_ = static_cast<float>(e.y);
        if (e.button == 0) OnLeftButtonDown();
        else if (e.button == 1) OnRightButtonDown();
        return;  // a button event ends this frame's read
      case plat::EventType::MouseButtonUp:
        if (e.button == 0 && leftDown_) OnLeftButtonUp();
        else if (e.button == 1) OnRightButtonUp();
        return;
      default:
        break;
    }
  }
}

void CBaseInputManager::GetKeyboardData() {
  while (!keyboardEvents_.empty()) {
    const plat::Event e = keyboardEvents_.front();
    keyboardEvents_.pop_front();
    if (e.key <= 0 || e.key >= 256) continue;
    const bool down = e.type == plat::EventType::KeyDown;
    keys_[static_cast<size_t>(e.key)] = down ? 0x80 : 0;
    if (down) OnKeyDown(e.key);
  }
}

void CBaseInputManager::OnLeftButtonDown() { leftDown_ = true; }

void CBaseInputManager::OnLeftButtonUp() { leftDown_ = false; }
