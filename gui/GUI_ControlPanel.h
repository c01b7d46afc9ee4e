// The button bar at the bottom right of the in-game screen: the social standing screen, the
// four activity choosers, the next-day button and the quit button. Every frame its draw
// enables the buttons from the simulation's day phase; once the day's slots are used it
// points at the next-day button with an arrow and a framed hint. One panel for the whole run.
#pragma once

#include <string>

#include "gui/GUI_WindowBase.h"

class GUI_IconButton;

class GUI_ControlPanel : public GUI_WindowBase {
 public:
  // The one panel, made on first use (again if a teardown deleted it).
  static GUI_ControlPanel& Instance();
  // Made once, when the first game starts.
  static void CreateIfNeeded();
  // The simulation's notice that the day's last slot was used; the next frame's draw shows it.
  static void OnActsUsedUp();
  // The quit question (the quit button and the screen's Escape key).
  static void AskQuit();
  // The next-day button's step: closes the book window, then moves the world on one day;
  // nothing while the report of tonight's evening class is still open.
  static void NextDay();
  static bool IsClassReportOpen();
  static bool Exists();

  ~GUI_ControlPanel() override;
  void Draw() override;

  // Hides the end-of-day hint while the web or television window is open.
  void SetHintSuppressed(bool suppressed) { hintSuppressed = suppressed; }
  bool IsHintSuppressed() const { return hintSuppressed; }
  // The enabling rule on its own (the draw runs it first).
  void UpdateEnabling();

  GUI_IconButton* NetworkButton() const { return network; }
  GUI_IconButton* SoloButton() const { return solo; }
  GUI_IconButton* ClassesButton() const { return classes; }
  GUI_IconButton* SocialButton() const { return social; }
  GUI_IconButton* CareerButton() const { return career; }
  GUI_IconButton* NextDayButton() const { return nextDay; }
  GUI_IconButton* QuitButton() const { return quit; }

 private:
  GUI_ControlPanel();
  void DrawEndOfDayHint();

  GUI_IconButton* network = nullptr;
  GUI_IconButton* solo = nullptr;
  GUI_IconButton* classes = nullptr;
  GUI_IconButton* social = nullptr;
  GUI_IconButton* career = nullptr;
  GUI_IconButton* nextDay = nullptr;
  GUI_IconButton* quit = nullptr;
  bool hintSuppressed = false;
  std::string hintText;
  std::string classReportReason;
};
