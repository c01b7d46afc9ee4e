// Message boxes on SDL2, falling back to stderr when nothing can show them.
#include "platform/MessageBox.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/System.h"

namespace plat {
namespace {

bool g_boxesEnabled = true;

MessageBoxHandler& Handler() {
  static MessageBoxHandler handler;
  return handler;
}

Uint32 SdlFlags(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Error: return SDL_MESSAGEBOX_ERROR;
    case BoxIcon::Warning: return SDL_MESSAGEBOX_WARNING;
    case BoxIcon::Information: return SDL_MESSAGEBOX_INFORMATION;
  }
  return SDL_MESSAGEBOX_INFORMATION;
}

void ToStderr(const std::string& title, const std::string& text) {
  std::fprintf(stderr, "[%s] %s\n", Cp1252ToUtf8(title).c_str(), Cp1252ToUtf8(text).c_str());
  std::fflush(stderr);
}

}  // namespace

std::string BreakBoxLines(const std::string& text, size_t most) {
  if (most == 0) return text;
  std::string out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    // One line of the text, broken into pieces of at most `most` characters.
    size_t at = start;
    while (end - at > most) {
      size_t cut = text.find_last_of(' ', at + most);
      if (cut == std::string::npos || cut <= at) {
        out.append(text, at, most);  // one word longer than a line
        at += most;
      } else {
        out.append(text, at, cut - at);
        at = cut + 1;  // the blank becomes the break
      }
      out += '\n';
    }
    out.append(text, at, end - at);
    if (end == text.size()) break;
    out += '\n';
    start = end + 1;
  }
  return out;
}

size_t BoxLineLength() {
  // The system boxes' letters average about 7 pixels; 8 leaves room for wide ones, and half
  // the desktop leaves room for the box's own edges and icon.
  constexpr int kLetterWidth = 8;
  int desktop = 1024;
  SDL_DisplayMode mode;
  if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0)
    desktop = mode.w;
  return static_cast<size_t>(std::clamp(desktop / 2 / kLetterWidth, 40, 100));
}

bool IsHeadless() {
  const char* driver = nullptr;
  if (SDL_WasInit(SDL_INIT_VIDEO)) driver = SDL_GetCurrentVideoDriver();
  if (!driver) driver = std::getenv("SDL_VIDEODRIVER");
  if (driver && (SDL_strcasecmp(driver, "dummy") == 0 || SDL_strcasecmp(driver, "offscreen") == 0))
    return true;
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return !(x && *x) && !(wayland && *wayland);
}

bool CanShowMessageBoxes() { return g_boxesEnabled && !IsHeadless(); }

void SetMessageBoxesEnabled(bool enabled) { g_boxesEnabled = enabled; }

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}

bool ShowMessageBox(const std::string& title, const std::string& text, BoxIcon icon) {
  if (!Handler()) return ShowSystemMessageBox(title, text, icon);
  const MessageBoxHandler handler = Handler();  // a handler may replace itself
  handler(title, text, icon);
  return true;
}

bool ShowSystemMessageBox(const std::string& title, const std::string& text, BoxIcon icon) {
  ToStderr(title, text);
  if (!CanShowMessageBoxes()) return false;
  return SDL_ShowSimpleMessageBox(SdlFlags(icon), Cp1252ToUtf8(title).c_str(),
                                  Cp1252ToUtf8(BreakBoxLines(text, BoxLineLength())).c_str(),
                                  nullptr) == 0;
}

int ShowButtonsBox(const std::string& title, const std::string& text,
                   const std::vector<std::string>& buttons, BoxIcon icon) {
  ToStderr(title, text);
  if (!CanShowMessageBoxes() || buttons.empty()) return -1;
  std::vector<std::string> labels;
  for (const auto& b : buttons) labels.push_back(Cp1252ToUtf8(b));
  std::vector<SDL_MessageBoxButtonData> data;
  for (size_t i = 0; i < labels.size(); ++i)
    data.push_back({0, static_cast<int>(i), labels[i].c_str()});
  const std::string utfTitle = Cp1252ToUtf8(title);
  const std::string utfText = Cp1252ToUtf8(BreakBoxLines(text, BoxLineLength()));
  const SDL_MessageBoxData box{SdlFlags(icon), nullptr, utfTitle.c_str(), utfText.c_str(),
                               static_cast<int>(data.size()), data.data(), nullptr};
  int pressed = -1;
  if (SDL_ShowMessageBox(&box, &pressed) != 0) return -1;
  return pressed;
}

}  // namespace plat
