// The window and event queue on SDL2.
#include "platform/Window.h"

#include <FreeImage.h>
#include <SDL.h>

#include <cstdlib>
#include <cstring>

#include "platform/Files.h"

namespace plat {
namespace {

int g_desktopOverrideW = 0;
int g_desktopOverrideH = 0;

SDL_Window* Sdl(WindowHandle w) { return reinterpret_cast<SDL_Window*>(w); }

// The icon file through FreeImage (it reads .ico), as a 32-bit surface for SDL.
SDL_Surface* LoadIcon(const std::string& file) {
  const std::string path = ResolvePath(file);
  if (!IsRegularFile(path)) return nullptr;
  FREE_IMAGE_FORMAT fif = FreeImage_GetFileType(path.c_str(), 0);
  if (fif == FIF_UNKNOWN) fif = FreeImage_GetFIFFromFilename(path.c_str());
  if (fif == FIF_UNKNOWN) return nullptr;
  FIBITMAP* loaded = FreeImage_Load(fif, path.c_str(), 0);
  if (!loaded) return nullptr;
  FIBITMAP* bmp = FreeImage_ConvertTo32Bits(loaded);
  FreeImage_Unload(loaded);
  if (!bmp) return nullptr;
  const int w = static_cast<int>(FreeImage_GetWidth(bmp));
  const int h = static_cast<int>(FreeImage_GetHeight(bmp));
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_BGRA32);
  if (surface) {
    for (int y = 0; y < h; ++y) {  // FreeImage stores rows bottom-up
      const BYTE* src = FreeImage_GetScanLine(bmp, h - 1 - y);
      std::memcpy(static_cast<Uint8*>(surface->pixels) + y * surface->pitch, src,
                  static_cast<size_t>(w) * 4);
    }
  }
  FreeImage_Unload(bmp);
  return surface;
}

}  // namespace

bool InitVideo(std::string& error) {
  if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    error = SDL_GetError();
    return false;
  }
  return true;
}

bool IsVideoInitialised() { return SDL_WasInit(SDL_INIT_VIDEO) != 0; }

void ShutdownPlatform() { SDL_Quit(); }

WindowHandle CreatePlatformWindow(const std::string& title, int width, int height,
                                  const std::string& iconFile, std::string& error) {
  if (!InitVideo(error)) return nullptr;
  SDL_Window* window = SDL_CreateWindow(title.c_str(), 0, 0, width, height, SDL_WINDOW_SHOWN);
  if (!window) {
    error = SDL_GetError();
    return nullptr;
  }
  if (SDL_Surface* icon = LoadIcon(iconFile)) {
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
  }
  return reinterpret_cast<WindowHandle>(window);
}

void DestroyPlatformWindow(WindowHandle window) {
  if (window) SDL_DestroyWindow(Sdl(window));
}

void ShowAndRaiseWindow(WindowHandle window) {
  if (!window) return;
  SDL_ShowWindow(Sdl(window));
  SDL_RaiseWindow(Sdl(window));
}

void SetWindowSize(WindowHandle window, int width, int height) {
  if (window) SDL_SetWindowSize(Sdl(window), width, height);
}

void GetWindowSize(WindowHandle window, int& width, int& height) {
  width = height = 0;
  if (window) SDL_GetWindowSize(Sdl(window), &width, &height);
}

void SetWindowFullscreen(WindowHandle window, bool fullscreen) {
  if (window) SDL_SetWindowFullscreen(Sdl(window), fullscreen ? SDL_WINDOW_FULLSCREEN : 0);
}

void GetWindowPosition(WindowHandle window, int& x, int& y) {
  x = y = 0;
  if (window) SDL_GetWindowPosition(Sdl(window), &x, &y);
}

void SetWindowPosition(WindowHandle window, int x, int y) {
  if (window) SDL_SetWindowPosition(Sdl(window), x, y);
}

std::string GetWindowTitle(WindowHandle window) {
  return window ? std::string(SDL_GetWindowTitle(Sdl(window))) : std::string();
}

bool GetDesktopSize(int& width, int& height) {
  if (g_desktopOverrideW > 0 && g_desktopOverrideH > 0) {
    width = g_desktopOverrideW;
    height = g_desktopOverrideH;
    return true;
  }
  std::string error;
  SDL_DisplayMode mode{};
  if (!InitVideo(error) || SDL_GetDesktopDisplayMode(0, &mode) != 0) {
    width = 800;
    height = 600;
    return false;
  }
  width = mode.w;
  height = mode.h;
  return true;
}

void OverrideDesktopSize(int width, int height) {
  g_desktopOverrideW = width;
  g_desktopOverrideH = height;
}

void PumpEvents() {
  if (SDL_WasInit(SDL_INIT_EVENTS)) SDL_PumpEvents();
}

void ShowSystemCursor(bool show) {
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool PollEvent(Event& out) {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return false;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    out = Event{};
    out.timeMs = e.common.timestamp;
    switch (e.type) {
      case SDL_QUIT:
        out.type = EventType::Quit;
        return true;
      case SDL_WINDOWEVENT:
        switch (e.window.event) {
          case SDL_WINDOWEVENT_CLOSE: out.type = EventType::WindowClose; return true;
          case SDL_WINDOWEVENT_MOVED:
            out.type = EventType::WindowMoved;
            out.x = e.window.data1;
            out.y = e.window.data2;
            return true;
          case SDL_WINDOWEVENT_FOCUS_GAINED: out.type = EventType::FocusGained; return true;
          case SDL_WINDOWEVENT_FOCUS_LOST: out.type = EventType::FocusLost; return true;
          case SDL_WINDOWEVENT_MINIMIZED: out.type = EventType::Minimized; return true;
          case SDL_WINDOWEVENT_RESTORED: out.type = EventType::Restored; return true;
          default: continue;
        }
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        if (e.key.repeat) continue;  // buffered key input reported presses, not auto-repeat
        out.type = e.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
        out.key = DirectInputScanCode(e.key.keysym.scancode);
        return true;
      case SDL_MOUSEMOTION:
        out.type = EventType::MouseMove;
        out.x = e.motion.x;
        out.y = e.motion.y;
        out.dx = e.motion.xrel;
        out.dy = e.motion.yrel;
        return true;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        out.type = e.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseButtonDown
                                                 : EventType::MouseButtonUp;
        out.button = e.button.button == SDL_BUTTON_LEFT    ? 0
                     : e.button.button == SDL_BUTTON_RIGHT ? 1
                                                           : 2;
        out.x = e.button.x;
        out.y = e.button.y;
        return true;
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        out.type = EventType::RenderReset;
        return true;
      case SDL_MOUSEWHEEL:
        // Sideways scrolling (touchpads) has no vertical part and would read as a step up.
        if (e.wheel.y == 0) continue;
        out.type = EventType::MouseWheel;
        out.wheel = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
        return true;
      default:
        continue;
    }
  }
  return false;
}

void PushQuitEvent() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_Event e{};
  e.type = SDL_QUIT;
  SDL_PushEvent(&e);
}

bool QuitIsWaiting() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return false;
  SDL_PumpEvents();  // also turns a termination signal into its Quit event
  SDL_FlushEvent(SDL_MOUSEMOTION);
  if (SDL_HasEvent(SDL_QUIT)) return true;
  SDL_Event events[64];
  const int count = SDL_PeepEvents(events, 64, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_WINDOWEVENT);
  for (int i = 0; i < count; ++i)
    if (events[i].window.event == SDL_WINDOWEVENT_CLOSE) return true;
  return false;
}

namespace {

struct KeyTaking {
  int scanCode = 0;
  bool taken = false;
};

int TakeMatchingKeyDown(void* user, SDL_Event* e) {
  auto& taking = *static_cast<KeyTaking*>(user);
  if (e->type != SDL_KEYDOWN || e->key.repeat ||
      DirectInputScanCode(e->key.keysym.scancode) != taking.scanCode)
    return 1;  // stays in the queue
  taking.taken = true;
  return 0;
}

}  // namespace

bool TakeKeyPress(int scanCode) {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return false;
  SDL_PumpEvents();
  if (!SDL_HasEvent(SDL_KEYDOWN)) return false;
  KeyTaking taking{scanCode};
  SDL_FilterEvents(TakeMatchingKeyDown, &taking);
  return taking.taken;
}

void DropPlayerPresses() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_PumpEvents();
  SDL_FlushEvent(SDL_KEYDOWN);
  SDL_FlushEvents(SDL_TEXTEDITING, SDL_TEXTINPUT);
  SDL_FlushEvent(SDL_MOUSEBUTTONDOWN);
  SDL_FlushEvent(SDL_MOUSEWHEEL);
}

void PushMouseClick(int button, int x, int y) {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_Event e{};
  e.button.button = button == 1 ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
  e.button.x = x;
  e.button.y = y;
  e.type = SDL_MOUSEBUTTONDOWN;
  e.button.state = SDL_PRESSED;
  SDL_PushEvent(&e);
  e.type = SDL_MOUSEBUTTONUP;
  e.button.state = SDL_RELEASED;
  SDL_PushEvent(&e);
}

void PushKeyPress(int scanCode) {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
    if (DirectInputScanCode(sc) != scanCode || scanCode == 0) continue;
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.scancode = static_cast<SDL_Scancode>(sc);
    SDL_PushEvent(&e);
    return;
  }
}

bool SetRelativeMouseMode(bool relative, std::string& error) {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return true;
  if (SDL_SetRelativeMouseMode(relative ? SDL_TRUE : SDL_FALSE) != 0) {
    error = SDL_GetError();
    return false;
  }
  return true;
}

int DirectInputScanCode(int sdlScancode) {
  const auto sc = static_cast<SDL_Scancode>(sdlScancode);
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) {
    // Letters by their place on the three letter rows of the keyboard.
    static const char* rows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
    static const int starts[] = {16, 30, 44};
    const char letter = static_cast<char>('a' + (sc - SDL_SCANCODE_A));
    for (int r = 0; r < 3; ++r)
      if (const char* p = std::strchr(rows[r], letter)) return starts[r] + static_cast<int>(p - rows[r]);
    return 0;
  }
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_0) return 2 + (sc - SDL_SCANCODE_1);
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F10) return 59 + (sc - SDL_SCANCODE_F1);
  switch (sc) {
    case SDL_SCANCODE_ESCAPE: return 1;
    case SDL_SCANCODE_MINUS: return 12;
    case SDL_SCANCODE_EQUALS: return 13;
    case SDL_SCANCODE_BACKSPACE: return 14;
    case SDL_SCANCODE_TAB: return 15;
    case SDL_SCANCODE_LEFTBRACKET: return 26;
    case SDL_SCANCODE_RIGHTBRACKET: return 27;
    case SDL_SCANCODE_RETURN: return 28;
    case SDL_SCANCODE_LCTRL: return 29;
    case SDL_SCANCODE_SEMICOLON: return 39;
    case SDL_SCANCODE_APOSTROPHE: return 40;
    case SDL_SCANCODE_GRAVE: return 41;
    case SDL_SCANCODE_LSHIFT: return 42;
    case SDL_SCANCODE_BACKSLASH: return 43;
    case SDL_SCANCODE_COMMA: return 51;
    case SDL_SCANCODE_PERIOD: return 52;
    case SDL_SCANCODE_SLASH: return 53;
    case SDL_SCANCODE_RSHIFT: return 54;
    case SDL_SCANCODE_KP_MULTIPLY: return 55;
    case SDL_SCANCODE_LALT: return 56;
    case SDL_SCANCODE_SPACE: return 57;
    case SDL_SCANCODE_CAPSLOCK: return 58;
    case SDL_SCANCODE_NUMLOCKCLEAR: return 69;
    case SDL_SCANCODE_SCROLLLOCK: return 70;
    case SDL_SCANCODE_KP_7: return 71;
    case SDL_SCANCODE_KP_8: return 72;
    case SDL_SCANCODE_KP_9: return 73;
    case SDL_SCANCODE_KP_MINUS: return 74;
    case SDL_SCANCODE_KP_4: return 75;
    case SDL_SCANCODE_KP_5: return 76;
    case SDL_SCANCODE_KP_6: return 77;
    case SDL_SCANCODE_KP_PLUS: return 78;
    case SDL_SCANCODE_KP_1: return 79;
    case SDL_SCANCODE_KP_2: return 80;
    case SDL_SCANCODE_KP_3: return 81;
    case SDL_SCANCODE_KP_0: return 82;
    case SDL_SCANCODE_KP_PERIOD: return 83;
    case SDL_SCANCODE_F11: return 87;
    case SDL_SCANCODE_F12: return 88;
    case SDL_SCANCODE_KP_ENTER: return 156;
    case SDL_SCANCODE_RCTRL: return 157;
    case SDL_SCANCODE_KP_DIVIDE: return 181;
    case SDL_SCANCODE_PRINTSCREEN: return 183;
    case SDL_SCANCODE_RALT: return 184;
    case SDL_SCANCODE_PAUSE: return 197;
    case SDL_SCANCODE_HOME: return 199;
    case SDL_SCANCODE_UP: return 200;
    case SDL_SCANCODE_PAGEUP: return 201;
    case SDL_SCANCODE_LEFT: return 203;
    case SDL_SCANCODE_RIGHT: return 205;
    case SDL_SCANCODE_END: return 207;
    case SDL_SCANCODE_DOWN: return 208;
    case SDL_SCANCODE_PAGEDOWN: return 209;
    case SDL_SCANCODE_INSERT: return 210;
    case SDL_SCANCODE_DELETE: return 211;
    case SDL_SCANCODE_LGUI: return 219;
    case SDL_SCANCODE_RGUI: return 220;
    default: return 0;
  }
}

}  // namespace plat
