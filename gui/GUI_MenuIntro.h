// The intro (mode 3), between the new-game menu and the first day: over the room backdrop it
// shows the chosen avatar and types out the intro text; after three seconds a start button
// begins the game. Escape goes back to the main menu.
#pragma once

#include "engine/BaseSprite.h"
#include "engine/Timer.h"
#include "gui/GUI_MenuBase.h"

class GUI_ButtonText;

class GUI_MenuIntro : public GUI_MenuBase {
 public:
  static constexpr double kStartDelayMs = 3000.0;
  static GUI_MenuIntro& Instance();

  void OnEnter() override;
  void Draw() override;
  void OnKeyDown(int scanCode) override;

  GUI_ButtonText* StartButton() const { return startButton; }
  float GetBudget() const { return budget; }
  // Characters typed a frame at normal speed are 2 x this (the in-game screen's speed).
  static void SetSpeed(float speed);

 private:
  GUI_MenuIntro();

  GUI_ButtonText* startButton = nullptr;
  BaseSprite avatarSprite;
  Timer timer;
  float budget = 0;
};
