// What the desktop knows of the game window beyond the toolkit: its class (which the desktop
// matches with the launcher's entry), the screensaver held off, and the pointer kept inside
// the window. All over the toolkit's own X connection, passed in as a void* so that this
// header brings no Xlib names with it. Whatever is held here the server lets go by itself
// when the connection closes, so a crash leaves neither the screensaver off nor the pointer
// fenced in.
#pragma once

namespace platform {

// Sets the window's WM_CLASS to name and className.
void setWindowClass(void* display, unsigned long window, const char* name, const char* className);

// Holds the screensaver off (true) or lets it run again (false), with the X screensaver
// extension's suspension. False when the server has no such extension (version 1.1 or later).
bool holdOffScreenSaver(void* display, bool hold);

// Fences the pointer into the window with four pointer barriers along its edges (the XFixes
// extension): the pointer's relative moves, which is what a mouse makes, stop at them. There
// is no grab, so the keyboard focus and the window manager are untouched. Fencing an already
// fenced window again puts the fence where the window stands now. False when the server has
// no barriers (XFixes 5) or the window is not on the screen.
bool fencePointer(void* display, unsigned long window);
void removePointerFence(void* display);

// Where the window stands on the root window, for telling whether it moved: false when the
// server cannot say.
struct WindowRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const WindowRect& o) const {
    return x == o.x && y == o.y && width == o.width && height == o.height;
  }
};
bool windowRect(void* display, unsigned long window, WindowRect& out);

}  // namespace platform
