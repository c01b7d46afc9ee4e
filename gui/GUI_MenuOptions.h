// The options menu (mode 1): four sliders (snowfall, mouse speed, music and master volume), a
// three-way difficulty choice and seven on/off options. Everything but full screen is a
// player option; full screen is the display setting. Leaving writes the player options.
#pragma once

#include <memory>

#include "gui/GUI_MenuBase.h"

class GUI_ButtonText;
class GUI_CheckButton;
class GUI_SliderControl;

class GUI_MenuOptions : public GUI_MenuBase {
 public:
  enum Check {
    kFullScreen = 0,
    kNewMail,
    kWeather,
    kMusic,
    kAutosave,
    kSameSex,
    kBackdrop,
    kEasy,
    kNormal,
    kHard,
    kCheckCount
  };
  enum Slider { kSnowfall = 0, kMouseSpeed, kMusicVolume, kMasterVolume, kSliderCount };

  static GUI_MenuOptions& Instance();
  ~GUI_MenuOptions() override;

  void Draw() override;
  void Update() override;
  // Escape leaves for the main menu, Return for the game (the main menu when no game runs).
  void OnKeyDown(int scanCode) override;
  // The check marks follow the stored options and the display setting.
  void OnEnter() override;

  // Saves the player options and switches to the mode.
  void Leave(int mode);
  // 0 easy, 1 normal, 2 hard; any other choice does nothing.
  void ChooseDifficulty(int choice);
  // The full-screen box follows the display setting, however it was switched (the box, or
  // Alt+Return on this screen).
  void ShowDisplayMode();

  GUI_CheckButton* GetCheck(int i) const { return checks_[i]; }
  GUI_SliderControl* GetSlider(int i) const { return sliders_[i].get(); }
  GUI_ButtonBase* GetMainMenuButton() const;

 private:
  GUI_MenuOptions();
  void Layout();

  GUI_ButtonText* mainMenu_ = nullptr;
  GUI_CheckButton* checks_[kCheckCount] = {};
  std::unique_ptr<GUI_SliderControl> sliders_[kSliderCount];
};
