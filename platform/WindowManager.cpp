// Whether a window manager looks after the game's window. Kept apart from the rest of the
// window code because the X headers define names (Window, Font, None, ...) that clash with
// ordinary code.
#include "platform/Window.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstring>

#ifdef TOVEL_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace plat {
namespace {

#ifdef TOVEL_HAVE_X11
bool g_xErrorSeen = false;
int NoteXError(Display*, XErrorEvent*) {
  g_xErrorSeen = true;
  return 0;
}

// The window a property names, or 0 (the property missing, or not one window).
::Window WindowNamedBy(Display* display, ::Window on, Atom property) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  ::Window named = 0;
  if (XGetWindowProperty(display, on, property, 0, 1, False, XA_WINDOW, &type, &format, &count,
                         &after, &data) == Success &&
      data && type == XA_WINDOW && format == 32 && count == 1)
    named = *reinterpret_cast<::Window*>(data);
  if (data) XFree(data);
  return named;
}

// The freedesktop.org check: a running manager names a window of its own on the root window,
// and that window names itself. A manager that died leaves the root's property behind but
// not its window, so the second look fails (the error it raises is caught, not fatal).
bool ManagerAnnouncesItself(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  const ::Window child = WindowNamedBy(display, DefaultRootWindow(display), check);
  if (child == 0) return false;
  XSync(display, False);
  g_xErrorSeen = false;
  int (*previous)(Display*, XErrorEvent*) = XSetErrorHandler(NoteXError);
  const ::Window self = WindowNamedBy(display, child, check);
  XSync(display, False);
  XSetErrorHandler(previous);
  return !g_xErrorSeen && self == child;
}
#endif

}  // namespace

bool WindowManagerRuns(WindowHandle window) {
  if (!window) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver) return false;
  for (const char* alone : {"dummy", "offscreen", "evdev", "KMSDRM"})
    if (std::strcmp(driver, alone) == 0) return false;
  if (std::strcmp(driver, "x11") != 0) return true;  // Wayland and the other desktops
#ifdef TOVEL_HAVE_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(reinterpret_cast<SDL_Window*>(window), &info) ||
      info.subsystem != SDL_SYSWM_X11 || !info.info.x11.display)
    return false;
  return ManagerAnnouncesItself(info.info.x11.display);
#else
  // Without the X library only the frame SDL was told of can say so; a manager that draws
  // no frame is taken for none.
  int top = 0, left = 0, bottom = 0, right = 0;
  return SDL_GetWindowBordersSize(reinterpret_cast<SDL_Window*>(window), &top, &left, &bottom,
                                  &right) == 0 &&
         (top | left | bottom | right) != 0;
#endif
}

}  // namespace plat
