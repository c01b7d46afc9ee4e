// Toolkit services: text, sound and input as the widgets use them.
#include "gui/GUI_Services.h"

#include <cmath>
#include <cstdlib>

#include "app/CInput.h"
#include "engine/GdiText.h"

namespace {

struct State {
  bool recording = false;
  std::vector<GUI_Services::TextItem> texts;
  std::vector<std::string> sounds;
  GUI_Services::Measurer width, height;
  bool mouseOverride = false;
  float mouseX = 0, mouseY = 0;
  bool left = false;
  bool mouseTaken = false;
  int restFrames = 0;
  float restX = -1000, restY = -1000;
};

State& S() {
  static State state;
  return state;
}

// Until the font renderer is wired in, text is measured as an average glyph of half the
// cell height, and wrapped at spaces the way the renderer wraps.
int EstimateWidth(int size, const std::string& text) {
  return static_cast<int>(text.size()) * (size > 0 ? size : 16) / 2;
}

int EstimateHeight(int size, const std::string& text, int width) {
  const int cell = size > 0 ? size : 16;
  const int lineHeight = cell + cell / 5;
  if (width <= 0) return lineHeight;
  int lines = 1;
  int lineWidth = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find_first_of(" \n", pos);
    if (end == std::string::npos) end = text.size();
    const int word = EstimateWidth(cell, text.substr(pos, end - pos));
    const int space = lineWidth > 0 ? cell / 2 : 0;
    if (lineWidth > 0 && lineWidth + space + word > width) {
      ++lines;
      lineWidth = word;
    } else {
      lineWidth += space + word;
    }
    if (end < text.size() && text[end] == '\n') {
      ++lines;
      lineWidth = 0;
    }
    pos = end + 1;
  }
  return lines * lineHeight;
}

void Record(const GUI_Services::TextItem& item) {
  if (S().recording) S().texts.push_back(item);
}

}  // namespace

void GUI_Services::QueueText(float x, float y, const std::string& text, const char* font,
                             int size, int wrapWidth, int align, int r, int g, int b) {
  Record({x, y, text, font ? font : "", size, wrapWidth, align, r, g, b, false});
}

void GUI_Services::DrawTextNow(float x, float y, const std::string& text, const char* font,
                               int size, int r, int g, int b) {
  Record({x, y, text, font ? font : "", size, 0, 0, r, g, b, true});
}

void GUI_Services::FlushText() { FlushGdiText(-1); }

int GUI_Services::MeasureWidth(const char* font, int size, const std::string& text) {
  if (S().width) return S().width(font ? font : "", size, text, 0);
  return EstimateWidth(size, text);
}

int GUI_Services::MeasureHeight(const char* font, int size, const std::string& text, int width) {
  if (S().height) return S().height(font ? font : "", size, text, width);
  return EstimateHeight(size, text, width);
}

void GUI_Services::PlayClick() { PlaySound("data/sounds/click.ogg"); }

void GUI_Services::PlaySound(const char* file) {
  if (S().recording) S().sounds.emplace_back(file ? file : "");
}

float GUI_Services::MouseX() {
  return S().mouseOverride ? S().mouseX : CInput::Instance().GetMouseX();
}

float GUI_Services::MouseY() {
  return S().mouseOverride ? S().mouseY : CInput::Instance().GetMouseY();
}

bool GUI_Services::LeftHeld() {
  return S().mouseOverride ? S().left : CInput::Instance().IsLeftDown();
}

bool GUI_Services::IsMouseTaken() { return S().mouseTaken; }

void GUI_Services::SetMouseTaken() { S().mouseTaken = true; }

int GUI_Services::MouseRestFrames() { return S().restFrames; }

void GUI_Services::BeginInputFrame() {
  State& s = S();
  s.mouseTaken = false;
  const float x = MouseX(), y = MouseY();
  if (std::fabs(x - s.restX) < 12.0f && std::fabs(y - s.restY) < 12.0f) {
    ++s.restFrames;
  } else {
    s.restFrames = 0;
    s.restX = x;
    s.restY = y;
  }
}

void GUI_Services::SetRecording(bool on) {
  S().recording = on;
  S().texts.clear();
  S().sounds.clear();
}

std::vector<GUI_Services::TextItem>& GUI_Services::RecordedTexts() { return S().texts; }

std::vector<std::string>& GUI_Services::RecordedSounds() { return S().sounds; }

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

void GUI_Services::SetRestFramesForTesting(int frames) { S().restFrames = frames; }

void GUI_Services::ResetForTesting() { S() = State(); }
