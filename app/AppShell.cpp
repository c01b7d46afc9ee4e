// The screens' shell, forwarded to Game, the input and the sound manager.
#include "app/AppShell.h"

#include "app/CInput.h"
#include "app/GUI_Sounds.h"
#include "app/Game.h"

AppShell& AppShell::Instance() {
  static AppShell* shell = new AppShell();  // lives until the process ends
  return *shell;
}

void AppShell::SetMode(int mode) { Game::Instance().SetMode(mode); }
void AppShell::StartNewGame() { Game::Instance().StartNewGame(); }
void AppShell::ToggleWindowed() { Game::Instance().ToggleWindowed(); }
void AppShell::Quit() { Game::Instance().Quit(); }
bool AppShell::IsInGame() const { return Game::Instance().IsInGame(); }
void AppShell::SetInGame(bool inGame) { Game::Instance().SetInGame(inGame); }
float AppShell::GetUIScale() const { return Game::Instance().GetUIScale(); }
std::string AppShell::GetUserFolder() const { return Game::Instance().GetUserFolder(); }
std::string AppShell::GetVersion() const { return Game::Instance().GetVersion(); }

bool AppShell::IsKeyDown(int scanCode) const { return CInput::Instance().IsKeyDown(scanCode); }
void AppShell::OnLeftButtonUp() { CInput::Instance().OnLeftButtonUp(); }
void AppShell::SetMouseSensitivity(float sensitivity) {
  CInput::Instance().SetMouseSensitivity(sensitivity);
}
float AppShell::GetMouseX() const { return CInput::Instance().GetMouseX(); }
float AppShell::GetMouseY() const { return CInput::Instance().GetMouseY(); }
bool AppShell::IsLeftDown() const { return CInput::Instance().IsLeftDown(); }
bool AppShell::IsMouseTaken() const { return CInput::Instance().mouseTaken; }
void AppShell::SetMouseTaken(bool taken) { CInput::Instance().mouseTaken = taken; }
int AppShell::GetStillFrames() const { return CInput::Instance().stillFrames; }
bool AppShell::IsDoubleClick() const { return CInput::Instance().IsDoubleClick(); }

void AppShell::PlayClick(int which) { GUI_Sounds::Instance().PlayClick(which); }
void AppShell::PlaySound(const char* file, bool loop) {
  if (file) GUI_Sounds::Instance().PlaySound(file, loop);
}

void AppShell::PlaySoundPanned(const char* file, float volume, float pan) {
  if (file) GUI_Sounds::Instance().PlaySoundPanned(file, volume, pan);
}
void AppShell::StopSound(const char* file) {
  if (file) GUI_Sounds::Instance().StopSound(file);
}
void AppShell::UpdateSounds() { GUI_Sounds::Instance().UpdateSounds(); }
void AppShell::BuildMusicPlayList() { GUI_Sounds::Instance().BuildMusicPlayList(); }
void AppShell::RestartMusic() { GUI_Sounds::Instance().RestartMusic(); }
void AppShell::StopMusic() { GUI_Sounds::Instance().StopMusic(); }
void AppShell::RefreshMusicVolume() { GUI_Sounds::Instance().RefreshMusicVolume(); }
void AppShell::SetMasterVolume() { GUI_Sounds::Instance().SetMasterVolume(); }

int AppShell::PlaySoundInSlot(const char* file, bool loop) {
  return file ? GUI_Sounds::Instance().PlaySound(file, loop) : -1;
}
void AppShell::StopSlot(int slot) { GUI_Sounds::Instance().StopSlot(slot); }
bool AppShell::IsSoundPlaying(const char* file) const {
  return file && GUI_Sounds::Instance().IsSoundPlaying(file);
}
void AppShell::MuteMusic() { GUI_Sounds::Instance().MuteMusic(); }
