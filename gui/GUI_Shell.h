// What the screens ask of the application: changing mode, starting a game, quitting, the
// display, the input's state and the sound manager. The screens never include the
// application; it installs its implementation at start-up. Without one (a run with no
// application), changes of mode and sounds do nothing and the input reads as idle.
#pragma once

#include <string>

// The mode numbers of SetMode.
enum GameMode {
  GAMEMODE_MAINMENU = 0,
  GAMEMODE_OPTIONS = 1,
  GAMEMODE_NEWGAME = 2,
  GAMEMODE_INTRO = 3,
  GAMEMODE_SAVE = 4,
  GAMEMODE_LOAD = 5,
  GAMEMODE_INTERNET = 6,
  GAMEMODE_UNUSED = 7,
  GAMEMODE_INGAME = 8,
};

class GUI_Shell {
 public:
  virtual ~GUI_Shell() = default;

  // Modes and games.
  virtual void SetMode(int mode) {}
  virtual void StartNewGame() {}
  virtual void ToggleWindowed() {}
  virtual void Quit() {}
  virtual bool IsInGame() const { return false; }
  virtual void SetInGame(bool inGame) {}
  virtual float GetUIScale() const { return 1.0f; }
  virtual std::string GetUserFolder() const { return "userdir"; }
  virtual std::string GetVersion() const { return ""; }

  // Input (DirectInput scan codes).
  virtual bool IsKeyDown(int scanCode) const { return false; }
  virtual void OnLeftButtonUp() {}
  virtual void SetMouseSensitivity(float sensitivity) {}
  virtual float GetMouseX() const { return 0.0f; }
  virtual float GetMouseY() const { return 0.0f; }
  virtual bool IsLeftDown() const { return false; }
  // Set by the first widget to take the mouse in a frame; cleared as the frame's input starts.
  virtual bool IsMouseTaken() const { return mouseTaken_; }
  virtual void SetMouseTaken(bool taken) { mouseTaken_ = taken; }
  // Frames the mouse has stood still.
  virtual int GetStillFrames() const { return 0; }
  // Whether the last left press was the second of a double click.
  virtual bool IsDoubleClick() const { return false; }

  // The sound manager.
  virtual void PlayClick(int which) {}
  virtual void PlaySound(const char* file, bool loop) {}
  // An effect at a volume (0..1) and pan (-1 left .. 1 right).
  virtual void PlaySoundPanned(const char* file, float volume, float pan) {}
  // Stops every slot playing that file.
  virtual void StopSound(const char* file) {}
  virtual void UpdateSounds() {}
  virtual void BuildMusicPlayList() {}
  virtual void RestartMusic() {}
  virtual void StopMusic() {}
  virtual void RefreshMusicVolume() {}
  virtual void SetMasterVolume() {}
  // An effect whose slot the caller keeps (-1 when none was free), the slot stopped, whether
  // a file still plays somewhere, and the music muted until RestartMusic.
  virtual int PlaySoundInSlot(const char* file, bool loop) { return -1; }
  virtual void StopSlot(int slot) {}
  virtual bool IsSoundPlaying(const char* file) const { return false; }
  virtual void MuteMusic() {}

 private:
  bool mouseTaken_ = false;
};

// The installed shell, or one that does nothing.
GUI_Shell& Shell();
// The caller keeps ownership; null goes back to the shell that does nothing.
void InstallShell(GUI_Shell* shell);
