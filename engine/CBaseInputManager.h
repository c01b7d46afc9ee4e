// Buffered keyboard and mouse input. The message loop appends events as they arrive; once a
// frame Update reads them and turns each into one of the virtual event operations, in the
// terms the game was written for: DirectInput scan codes, relative mouse motion scaled by the
// sensitivity, wheel steps of 120, two buttons and a double-click test.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "platform/Window.h"

struct MousePoint {
  int x = 0, y = 0;
};

class CBaseInputManager {
 public:
  static constexpr size_t kKeyboardBuffer = 32;
  static constexpr size_t kMouseBuffer = 16;
  static constexpr int kWheelStep = 120;
  static constexpr float kDoubleClickDistance = 32.0f;
  static constexpr float kStillDistance = 12.0f;

  CBaseInputManager() = default;
  virtual ~CBaseInputManager() = default;
  CBaseInputManager(const CBaseInputManager&) = delete;
  CBaseInputManager& operator=(const CBaseInputManager&) = delete;

  // Reads the mouse, then the keyboard.
  virtual void Update();
  virtual void OnWheelUp() {}
  virtual void OnWheelDown() {}
  // Holds the button and runs the double-click test.
  virtual void OnLeftButtonDown();
  virtual void OnLeftButtonUp();
  virtual void OnRightButtonDown() {}
  virtual void OnRightButtonUp() {}
  virtual void OnKeyDown(int scanCode) {}

  // (Re)starts reading for the window: buffers and key states cleared, double-click time
  // 500 ms. In full screen the mouse is relative (the game draws its own cursor); windowed,
  // the pointer follows the system cursor.
  bool Init(plat::WindowHandle window);
  bool IsKeyDown(int scanCode) const;
  // The player's mouse-speed option v makes movement v x 2.5 + 0.6 times as large.
  void SetMouseSensitivity(float option) { sensitivity = option * 2.5f + 0.6f; }
  MousePoint GetMousePoint() const {
    return MousePoint{static_cast<int>(mouseX), static_cast<int>(mouseY)};
  }

  // Appends a keyboard or mouse event; the oldest is dropped when a buffer is full. Key
  // repeats never arrive here; wheel events without vertical motion are dropped.
  void QueueEvent(const plat::Event& event);
  // Drops everything buffered and releases every key (focus changes: nothing typed elsewhere
  // reaches the game).
  void ClearBuffers();
  // Windowed or full screen (Init takes it from the renderer; tests set it).
  void SetWindowed(bool windowed) { windowed_ = windowed; }
  bool IsWindowed() const { return windowed_; }
  size_t PendingMouseEvents() const { return mouseEvents_.size(); }
  size_t PendingKeyboardEvents() const { return keyboardEvents_.size(); }

  // Convenience readers used by the screens.
  float GetMouseX() const { return mouseX; }
  float GetMouseY() const { return mouseY; }
  bool IsLeftDown() const { return leftDown; }
  bool IsDoubleClick() const { return doubleClick; }

  // The state the screens read directly.
  float mouseX = 100.0f, mouseY = 100.0f;
  bool leftDown = false;
  int stillFrames = 0;  // reads in which the pointer stayed within 12 px of the anchor
  float anchorX = 0.0f, anchorY = 0.0f;
  std::array<uint8_t, 256> keys{};  // the last keyboard state read (non-zero = down)
  int moveX = 0, moveY = 0, wheel = 0;
  float lastClickTime = 0.0f;  // ms on the timer clock
  bool doubleClick = false;
  float doubleClickTime = 500.0f;
  bool frameFlag = false;
  float lastClickX = 0.0f, lastClickY = 0.0f;
  float sensitivity = 1.0f;

 protected:
  void GetMouseData();
  void GetKeyboardData();
  // Reports a failed input step: the debug log and two boxes; the game goes on.
  void InputError(const std::string& step, const std::string& text);

 private:
  // Moves the pointer by this read's motion, counts still frames, clamps to the screen and,
  // when windowed, takes the system cursor's place.
  void ApplyMovement();

  std::deque<plat::Event> keyboardEvents_;
  std::deque<plat::Event> mouseEvents_;
  std::array<uint8_t, 256> liveKeys_{};  // the keyboard as the events left it
  int cursorX_ = 100, cursorY_ = 100;    // the system cursor as the last event read left it
  plat::WindowHandle window_ = nullptr;
  bool windowed_ = true;
};
