// The in-game screen (game mode 8): the main scene with the player's room, the panels, the
// weather effects and every game window. Each frame it shows exactly one full-screen thing
// (the social-standing screen, the end of the game, the yearly review, a movie or the work
// day, a post-mortem, or the main scene), then the tooltips, the debug line and the cursor.
// It routes keys and clicks with the tutorial, key capture and modal dialogs in mind, and
// prepares itself whenever a game starts.
#pragma once

#include <functional>

#include "gui/GUI_GameModeBase.h"
#include "engine/Timer.h"

class GUI_WindowBase;

class GUI_GUI : public GUI_GameModeBase {
 public:
  static constexpr float kMaxFrameStep = 3.0f;
  // The screen's own modes.
  static constexpr int kMainScreen = 0;
  static constexpr int kSocialStanding = 1;

  static GUI_GUI& Instance();
  GUI_GUI(const GUI_GUI&) = delete;
  GUI_GUI& operator=(const GUI_GUI&) = delete;

  void Draw() override;
  void OnKeyDown(int scanCode) override;
  void Update() override;
  void OnLeftButtonDown() override;
  void OnEnter() override;
  void OnWheelUp() override;
  void OnWheelDown() override;
  virtual void OnRightButtonDown();
  // Ends a drag of a person icon; called on every left release whatever the mode.
  void OnLeftButtonUp();

  // Shared in-game textures, icicles, post-it slots and the music play list, once per run.
  void LoadResources();
  void ReleaseResources();
  // Prepares the screen for a new or loaded game.
  void StartGame();

  void SetMode(int mode) { mode_ = mode; }
  int GetMode() const { return mode_; }
  // Whether a frame now shows the main scene rather than one of the full-screen pages.
  bool ShowsMainScene() const;
  // A window that takes every key press (text entry, the activity choosers) until it gives
  // it back. Releasing clears the capture only when that window holds it.
  void SetKeyCapture(GUI_WindowBase* window) { keyCapture_ = window; }
  void ReleaseKeyCapture(GUI_WindowBase* window);
  GUI_WindowBase* GetKeyCapture() const { return keyCapture_; }
  float GetFrameStep() const { return frameStep_; }
  bool AreResourcesLoaded() const { return resourcesLoaded_; }

  // Switches between windowed and full screen (the application's toggle unless replaced).
  static void ToggleWindowed();
  // Replaces the toggle (tests); an empty function restores the application's.
  static void SetToggleWindowedHandler(std::function<void()> handler);

 private:
  GUI_GUI();
  void DrawMainScene();
  void DrawDebugLine();

  bool resourcesLoaded_ = false;
  Timer frameTimer_;
  float frameStep_ = 1.0f;
  int mode_ = kMainScreen;
  GUI_WindowBase* keyCapture_ = nullptr;
};
