// The end-of-game summary. Until the window is built, a placeholder that records its calls
// and keeps the open flag the day cycle tests.
#pragma once

class GUI_EndGame {
 public:
  static GUI_EndGame* Instance();
  GUI_EndGame(const GUI_EndGame&) = delete;
  GUI_EndGame& operator=(const GUI_EndGame&) = delete;

  void Show();
  void Close() { open_ = false; }
  bool IsOpen() const { return open_; }

  // Drawn by the in-game screen in place of the main scene while it shows.
  void Draw();
 private:
  GUI_EndGame() = default;
  bool open_ = false;
};
