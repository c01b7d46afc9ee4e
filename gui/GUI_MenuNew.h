// The new-game menu (mode 2): the player types the character's first name (or draws a random
// one), picks an avatar picture (whose file name gives the gender: "m..." male) and spreads
// the four starting percentages with the adjuster rows. Start stores the choices and moves on
// to the intro. Name, avatar and percentages survive between visits.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/Timer.h"
#include "gui/GUI_MenuBase.h"

class GUI_AttribAdjuster;
class GUI_ButtonBase;

class GUI_MenuNew : public GUI_MenuBase {
 public:
  static constexpr size_t kMaxName = 62;
  static GUI_MenuNew& Instance();

  void Draw() override;
  void OnKeyDown(int scanCode) override;
  void OnLeftButtonDown() override;
  void OnEnter() override;
  void OnWheelUp() override { PreviousAvatar(); }
  void OnWheelDown() override { NextAvatar(); }

  void NextAvatar();
  void PreviousAvatar();
  void RandomName();
  // Stores the choices and goes to the intro; nothing while there is no avatar to choose.
  void Start();
  // Lists the built-in avatars and then the user's, each group sorted.
  void BuildAvatarList();

  const std::string& GetName() const { return name; }
  void SetName(const std::string& text) { name = text.substr(0, kMaxName); }
  // The current avatar's file name ("" when there is none).
  std::string GetAvatar() const;
  const std::vector<std::string>& Avatars() const { return avatars; }
  GUI_ButtonBase* StartButton() const { return startButton; }
  GUI_ButtonBase* MainMenuButton() const { return mainMenuButton; }
  GUI_ButtonBase* NextButton() const { return nextButton; }
  GUI_ButtonBase* PreviousButton() const { return previousButton; }
  GUI_ButtonBase* RandomButton() const { return randomButton; }
  GUI_AttribAdjuster* Adjuster(int i) const { return adjusters[static_cast<size_t>(i)]; }

 private:
  GUI_MenuNew();
  void Layout();

  GUI_ButtonBase* nextButton = nullptr;
  GUI_ButtonBase* previousButton = nullptr;
  GUI_ButtonBase* randomButton = nullptr;
  GUI_ButtonBase* mainMenuButton = nullptr;
  GUI_ButtonBase* startButton = nullptr;
  BaseSprite avatarSprite;
  std::vector<std::string> avatars;
  size_t current = 0;
  std::string name;
  std::vector<GUI_AttribAdjuster*> adjusters;  // kept for the run, like the menu
  Timer caretTimer;
  bool caretShown = false;
};
