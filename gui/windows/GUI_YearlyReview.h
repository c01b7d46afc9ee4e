// The year review window, opened when a review date is reached. Until the screen is built, a placeholder that records its calls.
#pragma once

class GUI_YearlyReview {
 public:
  // The panel's one instance (null while it is not shown).
  static GUI_YearlyReview* Instance();
  GUI_YearlyReview(const GUI_YearlyReview&) = delete;
  GUI_YearlyReview& operator=(const GUI_YearlyReview&) = delete;

  void Show();
  // The continue button.
  void Close() { open_ = false; }
  bool IsOpen() const { return open_; }
  // How many times it has opened since the program started.
  int TimesShown() const { return timesShown_; }

  // While it shows it alone is drawn, updated and clicked.
  void Draw();
  void Update();
  void OnClick(float x, float y);
 private:
  GUI_YearlyReview() = default;
  bool open_ = false;
  int timesShown_ = 0;
};
