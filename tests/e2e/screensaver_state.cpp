// Prints the X server's screensaver state as the screensaver extension reports it: "on"
// (the screen is saved now), "off" (it will be after the timeout) or "disabled".
// With "timeout SECONDS" sets the server's timeout instead, and with "default" its default.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  Display* const display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "screensaver_state: cannot open the X display\n");
    return 1;
  }
  if (argc == 3 && std::string(argv[1]) == "timeout") {
    XSetScreenSaver(display, std::atoi(argv[2]), 0, DefaultBlanking, DefaultExposures);
    XCloseDisplay(display);
    return 0;
  }
  if (argc == 2 && std::string(argv[1]) == "default") {
    XSetScreenSaver(display, -1, -1, DefaultBlanking, DefaultExposures);
    XCloseDisplay(display);
    return 0;
  }
  XScreenSaverInfo* const info = XScreenSaverAllocInfo();
  if (info == nullptr || !XScreenSaverQueryInfo(display, DefaultRootWindow(display), info)) {
    std::fprintf(stderr, "screensaver_state: no screensaver extension\n");
    return 1;
  }
  std::printf("%s\n", info->state == ScreenSaverOn ? "on" : info->state == ScreenSaverOff ? "off" : "disabled");
  XFree(info);
  XCloseDisplay(display);
  return 0;
}
