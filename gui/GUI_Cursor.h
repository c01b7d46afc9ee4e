// The game's own mouse cursor, drawn last by every mode, and the drag slot: the one place that
// holds what is being dragged (a window or a character icon), null when nothing is.
#pragma once

class GUI_Cursor {
 public:
  static constexpr const char* kTexture = "cursor.dds";
  static constexpr float kSize = 38.0f;  // at a UI scale of 1

  static GUI_Cursor& Instance();
  GUI_Cursor(const GUI_Cursor&) = delete;
  GUI_Cursor& operator=(const GUI_Cursor&) = delete;

  // Draws the arrow with its top-left corner at the mouse; nothing while hidden or while the
  // renderer's cursor-off flag is set.
  void Draw();
  bool IsHidden() const { return hidden_; }
  void SetHidden(bool hidden) { hidden_ = hidden; }

  void* GetDragged() const { return dragged_; }
  void SetDragged(void* item) { dragged_ = item; }

 private:
  GUI_Cursor() = default;
  bool hidden_ = false;
  void* dragged_ = nullptr;
};
