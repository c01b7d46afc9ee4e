// The application's side of the screens' shell: Game, the input and the sound manager.
#pragma once

#include "gui/GUI_Shell.h"

class AppShell : public GUI_Shell {
 public:
  static AppShell& Instance();

  void SetMode(int mode) override;
  void StartNewGame() override;
  void ToggleWindowed() override;
  void Quit() override;
  bool IsInGame() const override;
  void SetInGame(bool inGame) override;
  float GetUIScale() const override;
  std::string GetUserFolder() const override;
  std::string GetVersion() const override;

  bool IsKeyDown(int scanCode) const override;
  void OnLeftButtonUp() override;
  void SetMouseSensitivity(float sensitivity) override;
  float GetMouseX() const override;
  float GetMouseY() const override;
  bool IsLeftDown() const override;
  bool IsMouseTaken() const override;
  void SetMouseTaken(bool taken) override;
  int GetStillFrames() const override;
  bool IsDoubleClick() const override;

  void PlayClick(int which) override;
  void PlaySound(const char* file, bool loop) override;
  void PlaySoundPanned(const char* file, float volume, float pan) override;
  void StopSound(const char* file) override;
  void UpdateSounds() override;
  void BuildMusicPlayList() override;
  void RestartMusic() override;
  void StopMusic() override;
  void RefreshMusicVolume() override;
  int PlaySoundInSlot(const char* file, bool loop) override;
  void StopSlot(int slot) override;
  bool IsSoundPlaying(const char* file) const override;
  void MuteMusic() override;
  void SetMasterVolume() override;

 private:
  AppShell() = default;
};
