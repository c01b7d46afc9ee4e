// The game's one window and the event queue that feeds the message loop.
#pragma once

#include "platform/MessageBox.h"

#include <cstdint>
#include <string>

namespace plat {

struct PlatformWindow;  // opaque: only the platform layer knows what is behind it
using WindowHandle = PlatformWindow*;

// Starts the video and event subsystems (once). False with the reason when it cannot.
bool InitVideo(std::string& error);
bool IsVideoInitialised();
// Ends every SDL subsystem; the last thing the program does with the platform.
void ShutdownPlatform();

// IsHeadless (no window or box can reach a screen) lives with the message boxes.

// A window that is shown but not resizable, with the icon read from `iconFile` when it loads.
WindowHandle CreatePlatformWindow(const std::string& title, int width, int height,
                                  const std::string& iconFile, std::string& error);
void DestroyPlatformWindow(WindowHandle window);
void ShowAndRaiseWindow(WindowHandle window);
void SetWindowSize(WindowHandle window, int width, int height);
// The window's size in pixels as the system reports it (0 x 0 without a window).
void GetWindowSize(WindowHandle window, int& width, int& height);
void SetWindowFullscreen(WindowHandle window, bool fullscreen);
// Where the window's client area stands on the desktop, as SDL keeps it.
void GetWindowPosition(WindowHandle window, int& x, int& y);
void SetWindowPosition(WindowHandle window, int x, int y);
// Whether something on the desktop carries out the window's requests to go full screen and
// back, and remembers where the window stood meanwhile: a window manager under X (one that
// announces itself), any Wayland compositor or other desktop. False on a bare X server and on
// the headless drivers, where the game places the window itself.
bool WindowManagerRuns(WindowHandle window);
std::string GetWindowTitle(WindowHandle window);

// The primary desktop size in pixels. Tests inject a size with OverrideDesktopSize
// (0, 0 removes the override).
bool GetDesktopSize(int& width, int& height);
void OverrideDesktopSize(int width, int height);

enum class EventType {
  Other,
  Quit,          // the system asks the program to end (SIGTERM, SIGINT, last window closed)
  WindowClose,   // the window's close button
  WindowMoved,   // x, y: the new client position
  FocusGained,
  FocusLost,
  Minimized,
  Restored,
  KeyDown,       // key: DirectInput scan code (0 for keys the game has no code for)
  KeyUp,
  MouseMove,     // x, y absolute; dx, dy relative
  MouseButtonDown,  // button: 0 left, 1 right, 2 middle; x, y
  MouseButtonUp,
  MouseWheel,    // wheel: positive away from the user
  RenderReset,   // the renderer lost its textures or its device: rebuild every surface
};

struct Event {
  EventType type = EventType::Other;
  int x = 0, y = 0;
  int dx = 0, dy = 0;
  int key = 0;
  int button = 0;
  int wheel = 0;
  uint32_t timeMs = 0;
};

// Shows or hides the system's pointer over the window (the game draws its own cursor).
void ShowSystemCursor(bool show);

// Takes the next waiting event; false when the queue is empty.
bool PollEvent(Event& out);
// Lets the system gather its events without taking any (long loading frames stay responsive;
// the events wait in the queue for the message loop).
void PumpEvents();
// Puts a Quit event on the queue (as a termination signal would).
void PushQuitEvent();
// Whether a request to end the program (Quit, or the window's close) waits in the queue, for
// work that holds the message loop still (a download). Gathers the system's events and takes
// none of them, apart from pointer motion, which is dropped so a long wait cannot fill the queue.
bool QuitIsWaiting();
// Whether the player pressed the key (DirectInput scan code) since the message loop last
// took its events, for the same held-still work: such presses are taken from the queue, so
// the key that stopped the work does nothing more once the loop runs again.
bool TakeKeyPress(int scanCode);
// Drops the player's presses waiting in the queue (key presses, typed text, mouse button
// presses, wheel turns), for the same held-still work: what the player did while it held the
// screen must not act on the screen it leaves (a box shown after it, a button that appeared
// meanwhile). Releases stay, so no key or button is left down; requests to quit stay too.
void DropPlayerPresses();
// Puts a press of the key (DirectInput scan code) on the queue, as the keyboard would.
void PushKeyPress(int scanCode);
// Puts a press and release of the mouse button (0 left, 1 right) at the window point (x, y)
// on the queue, as the mouse would.
void PushMouseClick(int button, int x, int y);

// Relative mouse: the system cursor is hidden and held, motion arrives as relative steps (full
// screen, where the game draws its own cursor). False with the reason when refused.
bool SetRelativeMouseMode(bool relative, std::string& error);

// The DirectInput scan code of an SDL scancode, 0 when there is none.
int DirectInputScanCode(int sdlScancode);

}  // namespace plat
