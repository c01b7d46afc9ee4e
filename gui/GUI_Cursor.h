// The mouse cursor. Until the in-game screen builds it, only its drag slot exists: the one
// place that holds what is being dragged (a window or a character icon), null when nothing is.
#pragma once

class GUI_Cursor {
 public:
  static GUI_Cursor& Instance();
  GUI_Cursor(const GUI_Cursor&) = delete;
  GUI_Cursor& operator=(const GUI_Cursor&) = delete;

  void* GetDragged() const { return dragged_; }
  void SetDragged(void* item) { dragged_ = item; }

 private:
  GUI_Cursor() = default;
  void* dragged_ = nullptr;
};
