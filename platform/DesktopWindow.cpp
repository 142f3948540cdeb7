// The window's class, the screensaver and the pointer's fence over Xlib, libXss and libXfixes.
#include "platform/DesktopWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/scrnsaver.h>

#include <algorithm>
#include <string>

namespace platform {
namespace {

// The fence now standing: one barrier along each edge of the window.
PointerBarrier fence[4] = {0, 0, 0, 0};
bool fenced = false;

// The server refusing a barrier must not end the game, as Xlib's own error handler would:
// while one is made, errors are counted here instead.
int refusals = 0;
int countRefusal(Display*, XErrorEvent*) {
  ++refusals;
  return 0;
}

bool hasBarriers(Display* x) {
  int event = 0, error = 0, major = 0, minor = 0;
  return XFixesQueryExtension(x, &event, &error) && XFixesQueryVersion(x, &major, &minor) &&
         major >= 5;
}

}  // namespace

void setWindowClass(void* display, unsigned long window, const char* name, const char* className) {
  if (display == nullptr || window == 0) return;
  Display* const x = static_cast<Display*>(display);
  std::string resName(name), resClass(className);
  XClassHint hint;
  hint.res_name = &resName[0];
  hint.res_class = &resClass[0];
  XSetClassHint(x, static_cast<Window>(window), &hint);
  XFlush(x);
}

bool holdOffScreenSaver(void* display, bool hold) {
  if (display == nullptr) return false;
  Display* const x = static_cast<Display*>(display);
  int event = 0, error = 0, major = 0, minor = 0;
  // Suspension came with version 1.1 of the extension.
  if (!XScreenSaverQueryExtension(x, &event, &error) || !XScreenSaverQueryVersion(x, &major, &minor) ||
      major < 1 || (major == 1 && minor < 1)) {
    return false;
  }
  XScreenSaverSuspend(x, hold ? True : False);
  XFlush(x);
  return true;
}

bool windowRect(void* display, unsigned long window, WindowRect& out) {
  if (display == nullptr || window == 0) return false;
  Display* const x = static_cast<Display*>(display);
  XWindowAttributes attributes;
  Window child = 0;
  if (!XGetWindowAttributes(x, static_cast<Window>(window), &attributes) ||
      attributes.map_state != IsViewable ||
      !XTranslateCoordinates(x, static_cast<Window>(window), attributes.root, 0, 0, &out.x, &out.y,
                             &child)) {
    return false;
  }
  out.width = attributes.width;
  out.height = attributes.height;
  return out.width > 0 && out.height > 0;
}

bool fencePointer(void* display, unsigned long window) {
  if (display == nullptr || window == 0) return false;
  Display* const x = static_cast<Display*>(display);
  WindowRect r;
  if (!hasBarriers(x) || !windowRect(display, window, r)) return false;
  removePointerFence(display);
  // A barrier blocks the pointer crossing its line in the directions not named: each edge
  // lets the pointer in and not out. A line at x stops the pointer moving right at x - 1.
  // The lines stay on the screen (the server refuses others): a window past the screen's edge
  // (freeglut puts one a pixel off the corner where no window manager runs) is fenced by the
  // edge itself there.
  const Window root = DefaultRootWindow(x);
  const int screenW = DisplayWidth(x, DefaultScreen(x)), screenH = DisplayHeight(x, DefaultScreen(x));
  const int left = std::max(r.x, 0), top = std::max(r.y, 0);
  const int right = std::min(r.x + r.width, screenW), bottom = std::min(r.y + r.height, screenH);
  if (right <= left || bottom <= top) return false;
  XSync(x, False);
  refusals = 0;
  XErrorHandler previous = XSetErrorHandler(countRefusal);
  fence[0] = XFixesCreatePointerBarrier(x, root, left, top, right, top, BarrierPositiveY, 0, nullptr);
  fence[1] = XFixesCreatePointerBarrier(x, root, left, bottom, right, bottom, BarrierNegativeY, 0, nullptr);
  fence[2] = XFixesCreatePointerBarrier(x, root, left, top, left, bottom, BarrierPositiveX, 0, nullptr);
  fence[3] = XFixesCreatePointerBarrier(x, root, right, top, right, bottom, BarrierNegativeX, 0, nullptr);
  XSync(x, False);
  XSetErrorHandler(previous);
  fenced = true;
  if (refusals == 0) return true;
  removePointerFence(display);
  return false;
}

void removePointerFence(void* display) {
  if (display == nullptr || !fenced) return;
  Display* const x = static_cast<Display*>(display);
  // A barrier the server refused has an id that names nothing.
  XSync(x, False);
  XErrorHandler previous = XSetErrorHandler(countRefusal);
  for (PointerBarrier& barrier : fence) {
    if (barrier != 0) XFixesDestroyPointerBarrier(x, barrier);
    barrier = 0;
  }
  XSync(x, False);
  XSetErrorHandler(previous);
  fenced = false;
}

}  // namespace platform
