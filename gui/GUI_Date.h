// The date panel of the main screen. Until the screen is built, a placeholder that records its calls.
#pragma once

class GUI_Date {
 public:
  // The panel's one instance (null while it is not shown).
  static GUI_Date* Instance();
  GUI_Date(const GUI_Date&) = delete;
  GUI_Date& operator=(const GUI_Date&) = delete;

  void Refresh();

  // The panel's own draw in the main scene.
  void Draw();
 private:
  GUI_Date() = default;
};
