// The in-game screen mode. Until the screen arrives it records the shell's calls and does the
// least a day of play needs: the windows' update, draw and clicks, the work-day summary in
// place of the scene while the day phase is 0, and the key capture of the choosers.
#pragma once

#include "app/GUI_GameModeBase.h"

class GUI_WindowBase;

class GUI_GUI : public GUI_GameModeBase {
 public:
  static GUI_GUI& Instance();
  GUI_GUI(const GUI_GUI&) = delete;
  GUI_GUI& operator=(const GUI_GUI&) = delete;

  void Draw() override;
  void Update() override;
  void OnLeftButtonDown() override;
  void OnWheelUp() override;
  void OnWheelDown() override;
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

  // A window that takes every key press of the screen while it is open (the choosers).
  void OnKeyDown(int scanCode) override;
  void SetKeyCapture(GUI_WindowBase* window) { keyCapture_ = window; }
  void ReleaseKeyCapture() { keyCapture_ = nullptr; }
  GUI_WindowBase* GetKeyCapture() const { return keyCapture_; }

 private:
  GUI_GUI() = default;
  bool resourcesLoaded_ = false;
  GUI_WindowBase* keyCapture_ = nullptr;
};
