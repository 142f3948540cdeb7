// The window's class, the screensaver and the pointer's fence over the toolkit's X connection,
// and the screensaver once more over the session bus.
#include "app/DesktopSession.h"

#include <GL/glx.h>

#include <cstdint>

#include "game/Screen.h"
#include "platform/Clock.h"
#include "platform/DesktopWindow.h"
#include "platform/Focus.h"
#include "platform/Pointer.h"
#include "platform/Screen.h"
#include "platform/ScreenSaverBus.h"

namespace {

// ---- Set by startDesktopSession, for the whole run ----
void* display = nullptr;   // the toolkit's connection
unsigned long window = 0;  // the game window
// ---- What is held now ----
bool heistShown = false;  // the last frame showed a heist in play
bool saverHeld = false;
bool pointerFenced = false;
platform::WindowRect fencedAt;    // where the window stood when the fence went up
std::uint32_t lastLookMs = 0;     // the last fence attempt, or look at the window's place

// A fence that could not go up (the window unmapped, the keyboard elsewhere) is tried again,
// and a fenced window is looked at for a move or a resize, this often.
constexpr std::uint32_t fenceLookMs = 500;

// A heist is played, not paused, with no page over it: the only time the game takes the
// screensaver and the pointer. Read from the screen's own questions, so that any new menu or
// page over play lets go too.
bool heistOnScreen() {
  return inPlay() && !gamePaused() && !menuActive();
}

void letGoOfPointer() {
  if (pointerFenced) platform::removePointerFence(display);
  pointerFenced = false;
  lastLookMs = 0;
}

void letGo() {
  if (saverHeld) platform::holdOffScreenSaver(display, false);
  saverHeld = false;
  letGoOfPointer();
}

void followPointer() {
  const std::uint32_t now = platform::clockMs();
  if (lastLookMs != 0 && now - lastLookMs < fenceLookMs) return;
  lastLookMs = now == 0 ? 1 : now;
  platform::WindowRect rect;
  if (pointerFenced && platform::windowRect(display, window, rect) && rect == fencedAt) return;
  // Only a window that holds the keyboard fences the pointer in.
  if (!platform::windowHasKeyboardFocus()) {
    letGoOfPointer();
    return;
  }
  pointerFenced = platform::fencePointer(display, window) &&
                  platform::windowRect(display, window, fencedAt);
}

}  // namespace

void startDesktopSession() {
  // freeglut draws into the window itself: the current drawable is the window's X id.
  display = glXGetCurrentDisplay();
  window = glXGetCurrentDrawable();
  platform::setWindowClass(display, window, "vaultrun", "Vaultrun");
}

void followScreenOnDesktop() {
  if (display == nullptr) return;
  // The desktop's own inhibit beside the X extension's suspension, which GNOME and KDE ignore.
  const bool heist = heistOnScreen();
  platform::followBusScreenSaver(heist);
  if (!heist) {
    heistShown = false;
    letGo();
    return;
  }
  // The pointer was the player's until now: mouse look measures from the centre.
  if (!heistShown) platform::warpPointer(platform::pointerCentreX(), platform::pointerCentreY());
  heistShown = true;
  if (!saverHeld) saverHeld = platform::holdOffScreenSaver(display, true);
  followPointer();
}

bool bringPointerBack() {
  if (!pointerFenced || !heistOnScreen()) return false;
  platform::warpPointer(platform::pointerCentreX(), platform::pointerCentreY());
  return true;
}

void endDesktopSession() {
  platform::endBusScreenSaver();
  if (display == nullptr) return;
  letGo();
}
