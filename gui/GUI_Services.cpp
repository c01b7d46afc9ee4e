// Toolkit services: text, sound and input as the widgets use them.
#include "gui/GUI_Services.h"


#include "gui/GUI_Shell.h"
#include "engine/GdiText.h"

namespace {

struct State {
  bool recording = false;
  std::vector<GUI_Services::TextItem> texts;
  std::vector<std::string> sounds;
  std::vector<std::string> stops;
  std::vector<std::string> music;
  GUI_Services::Measurer width, height;
  bool mouseOverride = false;
  float mouseX = 0, mouseY = 0;
  bool left = false;
  bool restOverride = false;
  int restFrames = 0;
};

State& S() {
  static State state;
  return state;
}

void Record(const GUI_Services::TextItem& item) {
  if (S().recording) S().texts.push_back(item);
}

}  // namespace

void GUI_Services::QueueText(float x, float y, const std::string& text, const char* font,
                             int size, int wrapWidth, int align, int r, int g, int b) {
  Record({x, y, text, font ? font : "", size, wrapWidth, align, r, g, b, false});
  QueueTextString(x, y, text, font, size, static_cast<float>(wrapWidth), align, r, g, b);
}

void GUI_Services::QueueItalicText(float x, float y, const std::string& text, const char* font,
                                   int size, int wrapWidth, int align, int r, int g, int b) {
  Record({x, y, text, font ? font : "", size, wrapWidth, align, r, g, b, false, true});
  QueueItalicTextString(x, y, text, font, size, static_cast<float>(wrapWidth), align, r, g, b);
}

void GUI_Services::DrawTextNow(float x, float y, const std::string& text, const char* font,
                               int size, int r, int g, int b) {
  Record({x, y, text, font ? font : "", size, 0, 0, r, g, b, true});
  BeginGdiDrawing();
  SelectGdiFont(font ? font : "", size, false);
  SetGdiTextColour(r, g, b);
  DrawGdiTextString(x, y, text, 0.0f);
  EndGdiDrawing();
}

void GUI_Services::FlushText() { FlushGdiText(-1); }

int GUI_Services::MeasureWidth(const char* font, int size, const std::string& text) {
  if (S().width) return S().width(font ? font : "", size, text, 0);
  SelectGdiFont(font ? font : "", size, false);
  return static_cast<int>(MeasureGdiTextWidth(text));
}

int GUI_Services::MeasureHeight(const char* font, int size, const std::string& text, int width) {
  if (S().height) return S().height(font ? font : "", size, text, width);
  SelectGdiFont(font ? font : "", size, false);
  return MeasureGdiTextHeight(text, width);
}

void GUI_Services::PlayClick() {
  if (S().recording) S().sounds.emplace_back("data/sounds/click.ogg");
  Shell().PlayClick(0);
}

void GUI_Services::PlaySound(const char* file) {
  if (S().recording) S().sounds.emplace_back(file ? file : "");
  if (file) Shell().PlaySound(file, false);
}

void GUI_Services::PlaySoundPanned(const char* file, float volume, float pan) {
  if (S().recording) S().sounds.emplace_back(file ? file : "");
  if (file) Shell().PlaySoundPanned(file, volume, pan);
}

void GUI_Services::StopSound(const char* file) {
  if (S().recording) S().stops.emplace_back(file ? file : "");
  if (file) Shell().StopSound(file);
}

int GUI_Services::PlaySoundInSlot(const char* file, bool loop) {
  if (S().recording) S().sounds.emplace_back(file ? file : "");
  return file ? Shell().PlaySoundInSlot(file, loop) : -1;
}

void GUI_Services::StopSlot(int slot) {
  if (S().recording) S().music.emplace_back("stop slot");
  if (slot >= 0) Shell().StopSlot(slot);
}

bool GUI_Services::IsSoundPlaying(const char* file) { return file && Shell().IsSoundPlaying(file); }

void GUI_Services::MuteMusic() {
  if (S().recording) S().music.emplace_back("mute");
  Shell().MuteMusic();
}

void GUI_Services::RestartMusic() {
  if (S().recording) S().music.emplace_back("restart");
  Shell().RestartMusic();
}

void GUI_Services::RefreshMusicVolume() {
  if (S().recording) S().music.emplace_back("refresh volume");
  Shell().RefreshMusicVolume();
}

float GUI_Services::MouseX() {
  return S().mouseOverride ? S().mouseX : Shell().GetMouseX();
}

float GUI_Services::MouseY() {
  return S().mouseOverride ? S().mouseY : Shell().GetMouseY();
}

bool GUI_Services::LeftHeld() {
  return S().mouseOverride ? S().left : Shell().IsLeftDown();
}

bool GUI_Services::IsKeyDown(int scanCode) { return Shell().IsKeyDown(scanCode); }

bool GUI_Services::IsMouseTaken() { return Shell().IsMouseTaken(); }

void GUI_Services::SetMouseTaken() { Shell().SetMouseTaken(true); }

int GUI_Services::MouseRestFrames() {
  return S().restOverride ? S().restFrames : Shell().GetStillFrames();
}

void GUI_Services::BeginInputFrame() { Shell().SetMouseTaken(false); }

void GUI_Services::SetRecording(bool on) {
  S().recording = on;
  S().texts.clear();
  S().sounds.clear();
  S().stops.clear();
  S().music.clear();
}

std::vector<GUI_Services::TextItem>& GUI_Services::RecordedTexts() { return S().texts; }

std::vector<std::string>& GUI_Services::RecordedSounds() { return S().sounds; }

std::vector<std::string>& GUI_Services::RecordedStops() { return S().stops; }

std::vector<std::string>& GUI_Services::RecordedMusic() { return S().music; }

void GUI_Services::SetMeasurer(Measurer width, Measurer height) {
  S().width = std::move(width);
  S().height = std::move(height);
}

void GUI_Services::SetMouseForTesting(float x, float y, bool leftHeld) {
  S().mouseOverride = true;
  S().mouseX = x;
  S().mouseY = y;
  S().left = leftHeld;
}

void GUI_Services::SetRestFramesForTesting(int frames) {
  S().restOverride = true;
  S().restFrames = frames;
}

void GUI_Services::ResetForTesting() { S() = State(); }
