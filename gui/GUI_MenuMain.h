// The main menu: the first screen the player can use (game mode 0) and the hub from which
// every other front-end mode is reached. A column of eight text buttons over the menu
// background; save and resume show only while a game is running.
#pragma once

#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_MenuBase.h"

class GUI_ButtonText;

class GUI_MenuMain : public GUI_MenuBase {
 public:
  enum Entry { TUTORIAL, STARTGAME, OPTIONS, SAVEGAME, LOADGAME, QUITGAME, RESUMEGAME, INTERNET, kEntries };
  static constexpr const char* kBackground = "background_main.jpg";
  static constexpr int kLeft = 600;
  static constexpr int kRight = 780;
  static constexpr int kButtonHeight = 25;
  static constexpr int kRowStep = 35;
  static constexpr int kColumnLift = 480;  // the first top is H - 480

  static GUI_MenuMain& Instance();

  void Draw() override;
  void Update() override;
  void OnLeftButtonDown() override;
  void OnKeyDown(int scanCode) override;

  // Places the column for a screen of that height (done once when the menu is built).
  void Layout(int screenHeight);
  GUI_ButtonText* GetButton(Entry entry) const { return buttons_[entry]; }
  // Save and resume follow the in-game flag (done at the start of every draw).
  void RefreshButtons();
  static void AskQuit();
  // Runs the action at once outside a game; over a running game, only once the player has
  // agreed to leave it unsaved, since the action throws it away. The question names what is
  // about to start (its title and text keys) and that the running game is lost.
  static void LeaveTheGameThen(const char* titleKey, const char* textKey,
                               GUI_ButtonCallback action);

 private:
  GUI_MenuMain();
  GUI_ButtonText* buttons_[kEntries] = {};
  int screenHeight_ = 0;
};
