// The full-screen interlude of a dramatic moment of the day (a mugging, a burglary, a
// promotion, drink taking hold or let go): black, one large text fading in, and after three
// seconds a continue button that leads on to the work-day summary, which it hides meanwhile.
#pragma once

#include <string>

#include "engine/Timer.h"
#include "gui/GUI_WindowBase.h"

class GUI_ButtonText;

class GUI_FMVScreen : public GUI_WindowBase {
 public:
  Rank GetRank() const override { return Rank::kInterludePage; }
  static constexpr double kFadeMs = 2000.0;
  static constexpr double kButtonMs = 3000.0;

  // The one window, made on first use and kept for the program's life.
  static GUI_FMVScreen* Instance();
  static bool IsActive();
  static void SetActive(bool active);
  // Draws the active interlude (the in-game screen calls it in the day's first phase).
  void Draw() override;
  // Shows the interlude of that text key. A second one while the first shows replaces its
  // text and starts the fade again; the window is listed as modal once only.
  static void Show(const std::string& key);
  // The continue button: the interlude ends and the summary shows again.
  static void Close();

  const std::string& GetText() const { return text_; }
  GUI_ButtonText* ContinueButton() const { return continue_; }
  // The text's grey level at that age of the interlude (0 black .. 255 white).
  static int GreyAt(double elapsedMs);
  double ElapsedMs() const { return timer_.elapsed; }

 private:
  GUI_FMVScreen();

  std::string text_;
  bool active_ = false;
  GUI_ButtonText* continue_ = nullptr;
  Timer timer_;
};
