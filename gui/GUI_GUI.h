// The in-game screen mode. Until the screen arrives it records the shell's calls.
#pragma once

#include "app/GUI_GameModeBase.h"

class GUI_GUI : public GUI_GameModeBase {
 public:
  static GUI_GUI& Instance();
  GUI_GUI(const GUI_GUI&) = delete;
  GUI_GUI& operator=(const GUI_GUI&) = delete;

  void Draw() override;
  void OnEnter() override;
  virtual void OnRightButtonDown();
  // Ends a drag of a person icon; called on every left release whatever the mode.
  void OnLeftButtonUp();

  // Shared in-game textures and the music play list, once per run.
  void LoadResources();
  void ReleaseResources();
  // Prepares the screen for a new or loaded game.
  void StartGame();

  bool AreResourcesLoaded() const { return resourcesLoaded_; }

 private:
  GUI_GUI() = default;
  bool resourcesLoaded_ = false;
};
