// Buffered keyboard and mouse input. The message loop appends events as they arrive; once a
// frame Update reads them and turns each into one of the virtual event operations.
#pragma once

#include <array>
#include <cstdint>
#include <deque>

#include "platform/Window.h"

class CBaseInputManager {
 public:
  CBaseInputManager() = default;
  virtual ~CBaseInputManager() = default;
  CBaseInputManager(const CBaseInputManager&) = delete;
  CBaseInputManager& operator=(const CBaseInputManager&) = delete;

  virtual void Update();
  virtual void OnWheelUp() {}
  virtual void OnWheelDown() {}
  virtual void OnLeftButtonDown();
  virtual void OnLeftButtonUp();
  virtual void OnRightButtonDown() {}
  virtual void OnRightButtonUp() {}
  virtual void OnKeyDown(int scanCode) {}

  // (Re)starts reading for the window: buffers and key states are cleared.
  bool Init(plat::WindowHandle window);
  bool IsKeyDown(int scanCode) const;

  // Appends a keyboard or mouse event; the oldest is dropped when a buffer is full
  // (32 keyboard events, 16 mouse events, as the devices buffered them).
  void QueueEvent(const plat::Event& event);
  // Drops everything buffered (focus changes: nothing typed elsewhere reaches the game).
  void ClearBuffers();

  float GetMouseX() const { return mouseX_; }
  float GetMouseY() const { return mouseY_; }
  bool IsLeftDown() const { return leftDown_; }

 protected:
  void GetMouseData();
  void GetKeyboardData();

  float mouseX_ = 100.0f, mouseY_ = 100.0f;
  bool leftDown_ = false;
  std::array<uint8_t, 256> keys_{};
  std::deque<plat::Event> keyboardEvents_;
  std::deque<plat::Event> mouseEvents_;
  plat::WindowHandle window_ = nullptr;
};
