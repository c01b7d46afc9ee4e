// The application object: start-up, the frame, the current screen mode, new games, the
// windowed toggle, rebuilding surfaces and the orderly end.
#pragma once

#include <string>
#include <vector>

#include "engine/DebugLog.h"
#include "gui/GUI_Shell.h"
#include "platform/MessageBox.h"

class GUI_GameModeBase;
class GUI_Message;

class Game {
 public:
  static Game& Instance();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Start-up; false only when the renderer cannot start.
  bool Init();
  void Frame();
  // Makes the mode current and enters it; 7 or an unknown number re-enters the current mode.
  void SetMode(int mode);
  void StartNewGame();
  void ToggleWindowed();
  void RebuildSurfaces();
  // The orderly end; a second call does nothing.
  void Shutdown();
  // Asks for the end: the next frame shuts down after its input step.
  void Quit();

  // Input forwarded by CInput.
  void OnKeyDown(int scanCode);
  void OnWheelUp();
  void OnWheelDown();
  void OnLeftButtonDown();
  void OnRightButtonDown();  // reaches only the in-game screen

  // The game's own box for what would otherwise hold the game in a system box (a refused
  // load or save, a renderer or input failure, missing texts, an assertion): once the
  // screens exist every such box comes here. Over the in-game screen it is one of its modal
  // windows; over a menu the frame draws it above the menu and it alone answers the input.
  void ShowBox(const std::string& title, const std::string& text);
  // The boxes ShowBox opened that are still open, oldest first.
  const std::vector<GUI_Message*>& OpenBoxes();

  std::string GetUserFolder() const { return userFolder_; }
  // Tests that reach the user folder (downloads, the player options) point it at a folder of
  // their own.
  void SetUserFolderForTesting(const std::string& folder) { userFolder_ = folder; }
  std::string GetSaveFolder() const { return saveFolder_; }
  std::string GetVersion() const { return version_; }
  float GetUIScale() const { return uiScale_; }
  // Tests that draw on a display of their own size set the scale that size gives.
  void SetUIScaleForTesting(float scale) { uiScale_ = scale; }
  GUI_GameModeBase* GetCurrentMode() const { return currentMode_; }
  bool IsInGame() const { return inGame_; }
  void SetInGame(bool inGame) { inGame_ = inGame; }
  // Makes a mode current without entering it (start-up does this with the main menu).
  void SetCurrentMode(GUI_GameModeBase* mode) { currentMode_ = mode; }
  int GetSleepMs() const { return sleepMs_; }
  void SetSleepMs(int ms) { sleepMs_ = ms < 0 ? 0 : ms; }  // headless runs skip the pacing
  bool IsShutDown() const { return shutDown_; }

  // The start-up steps, public for the tests of each.
  void InitUserFolders();
  void InitDisplay();

 private:
  Game();
  void InstallBoxes();
  void UninstallBoxes();
  // The newest box open over a menu, which takes the input; none in the in-game screen,
  // whose windows answer for themselves.
  GUI_Message* BoxOverMenu();
  void DrawBoxesOverMenu();

  float uiScale_ = 1.0f;
  GUI_GameModeBase* currentMode_ = nullptr;
  bool inGame_ = false;
  std::string saveFolder_;
  std::string userFolder_;
  std::string version_;
  int sleepMs_ = 0;
  bool shutDown_ = false;
  std::vector<GUI_Message*> boxes_;
  bool boxesInstalled_ = false;
  // What the boxes replaced, put back at the end.
  AssertionHandler oldAssertionBox_;
  plat::MessageBoxHandler oldMessageBox_;
};
