// The keyboard-focus watch over Xlib. X delivers events to every client that selects them, so
// a second connection selecting FocusChangeMask on the game window sees its FocusOut events
// without touching the toolkit's own event mask.
#include "platform/Focus.h"

#include <X11/Xlib.h>

namespace platform {

namespace {

// Set by watchKeyboardFocus, cleared by stopWatchingKeyboardFocus; the window also when the
// server reports it destroyed.
Display* watchDisplay = nullptr;
Window watchedWindow = 0;

// Xlib's default error handler ends the process: a window destroyed between two questions
// must not end the game. While a question is asked, errors of the watch's own connection are
// ignored and everything else goes to the handler that was there before.
XErrorHandler previousHandler = nullptr;
bool watchErrorSeen = false;

int ignoreWatchErrors(Display* display, XErrorEvent* error) {
  if (display == watchDisplay) {
    watchErrorSeen = true;
    return 0;
  }
  return previousHandler != nullptr ? previousHandler(display, error) : 0;
}

class WatchErrorsIgnored {
 public:
  WatchErrorsIgnored() {
    XSync(watchDisplay, False);
    previousHandler = XSetErrorHandler(ignoreWatchErrors);
  }
  ~WatchErrorsIgnored() {
    XSync(watchDisplay, False);
    XSetErrorHandler(previousHandler);
  }
  WatchErrorsIgnored(const WatchErrorsIgnored&) = delete;
  WatchErrorsIgnored& operator=(const WatchErrorsIgnored&) = delete;
};

// What one event says about the keyboard.
enum class FocusNews { nothing, focusMoved, windowGone };

// A FocusOut says only that the focus moved: an out-and-in pair, the focus set again to the
// window that has it, or another client's grab all send one while the keys still come here.
// Unmapped or destroyed, the window has lost the keyboard for certain.
FocusNews readEvent(const XEvent& event) {
  switch (event.type) {
    case FocusOut:
      // Focus moving into a child of the window stays with the game.
      return event.xfocus.detail != NotifyInferior ? FocusNews::focusMoved : FocusNews::nothing;
    case UnmapNotify:
      return event.xunmap.window == watchedWindow ? FocusNews::windowGone : FocusNews::nothing;
    case DestroyNotify:
      if (event.xdestroywindow.window != watchedWindow) return FocusNews::nothing;
      watchedWindow = 0;
      return FocusNews::windowGone;
    default:
      return FocusNews::nothing;
  }
}

// The parent of window, or 0 at the root (or when the server cannot say).
Window parentOf(Window window) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(watchDisplay, window, &root, &parent, &children, &count) == 0) return 0;
  if (children != nullptr) XFree(children);
  return parent == root ? 0 : parent;
}

// True when window is ancestor or lies inside it.
bool within(Window window, Window ancestor) {
  for (int depth = 0; window != 0 && depth < 64; ++depth) {
    if (window == ancestor) return true;
    window = parentOf(window);
  }
  return false;
}

// The top-level window (a child of the root) that holds window.
Window topLevelOf(Window window) {
  for (int depth = 0; depth < 64; ++depth) {
    const Window parent = parentOf(window);
    if (parent == 0) return window;
    window = parent;
  }
  return window;
}

}  // namespace

bool watchKeyboardFocus(unsigned long window) {
  stopWatchingKeyboardFocus();
  if (window == 0) return false;
  watchDisplay = XOpenDisplay(nullptr);
  if (watchDisplay == nullptr) return false;
  watchedWindow = static_cast<Window>(window);
  watchErrorSeen = false;
  {
    const WatchErrorsIgnored guard;
    // Covered windows are the toolkit's to report (its window-status callback).
    XSelectInput(watchDisplay, watchedWindow, FocusChangeMask | StructureNotifyMask);
  }
  if (watchErrorSeen) {
    stopWatchingKeyboardFocus();  // no such window
    return false;
  }
  return true;
}

bool keyboardFocusLost() {
  if (watchDisplay == nullptr) return false;
  bool gone = false, moved = false;
  while (XPending(watchDisplay) > 0) {
    XEvent event;
    XNextEvent(watchDisplay, &event);
    const FocusNews news = readEvent(event);
    gone = gone || news == FocusNews::windowGone;
    moved = moved || news == FocusNews::focusMoved;
  }
  // Where the keyboard is now decides, once, not each event on the way there.
  return gone || (moved && !windowHasKeyboardFocus());
}

bool windowHasKeyboardFocus() {
  if (watchDisplay == nullptr || watchedWindow == 0) return true;
  const WatchErrorsIgnored guard;
  Window focus = 0;
  int revertTo = 0;
  XGetInputFocus(watchDisplay, &focus, &revertTo);
  if (focus == None) return false;
  if (focus == PointerRoot) {
    // Keys go to the top-level window under the pointer.
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int buttons = 0;
    XQueryPointer(watchDisplay, DefaultRootWindow(watchDisplay), &root, &child, &rootX, &rootY,
                  &x, &y, &buttons);
    return child != 0 && child == topLevelOf(watchedWindow);
  }
  // A focus on a frame around the window (some window managers set it there) counts too.
  return within(focus, watchedWindow) || within(watchedWindow, focus);
}

void stopWatchingKeyboardFocus() {
  if (watchDisplay != nullptr) XCloseDisplay(watchDisplay);
  watchDisplay = nullptr;
  watchedWindow = 0;
}

}  // namespace platform
