// Stand-in for the end-of-day summary until the window is built: it records its calls and
// keeps the open flag. Closing it sets day phase 1, as the window's continue button does.
#pragma once

class GUI_WorkDay {
 public:
  static GUI_WorkDay* Instance();
  GUI_WorkDay(const GUI_WorkDay&) = delete;
  GUI_WorkDay& operator=(const GUI_WorkDay&) = delete;

  void AddLine(int kind, int value);
  void Show();
  void Close();
  bool IsOpen() const { return open_; }

  // The summary screen, drawn in place of the main scene while the day phase is 0.
  void Draw();
 private:
  GUI_WorkDay() = default;
  bool open_ = false;
};
