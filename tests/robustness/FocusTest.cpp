// The window losing the keyboard: the held directions are released and the footsteps stop,
// whether the toolkit reports the window hidden or covered, or the focus watch sees the
// keyboard go to another window; and the watch itself on real X windows.
// gtest first: Xlib's macros (None, Bool) would clash with its names.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <GL/freeglut.h>

#include <chrono>
#include <thread>

#include "app/Display.h"
#include "app/Focus.h"
#include "app/Idle.h"
#include "audio/GameSounds.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "input/HeldKeys.h"
#include "platform/Clock.h"
#include "platform/Focus.h"
#include "support/GameWorld.h"

namespace {

void holdForwardAndLeft() {
  forwardDirection = 1;
  strafeDirection = -1;
}

bool directionsHeld() {
  return forwardDirection != 0 || strafeDirection != 0;
}

void frames(int count) {
  for (int i = 0; i < count; ++i) {
    platform::advanceVirtualClockMicros(16667);
    runFrame(forwardDirection, strafeDirection);
  }
}

TEST(KeyboardFocus, HiddenOrCoveredWindowReleasesTheHeldDirectionsAndStopsTheFootsteps) {
  if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
  for (const int state : {GLUT_HIDDEN, GLUT_FULLY_COVERED}) {
    SCOPED_TRACE(state);
    testsupport::startGame();  // a fresh game each time: losing the keyboard also pauses
    holdForwardAndLeft();
    frames(3);
    if (soundAvailable()) {
      EXPECT_TRUE(footstepSound->isPlaying());
    }
    // Still visible, wholly or in part: the keys stay held.
    windowStatus(GLUT_FULLY_RETAINED);
    windowStatus(GLUT_PARTIALLY_RETAINED);
    EXPECT_TRUE(directionsHeld());

    windowStatus(state);
    EXPECT_EQ(0, forwardDirection);
    EXPECT_EQ(0, strafeDirection);
    EXPECT_FALSE(footstepSound->isPlaying());
    const Vector3 stood = camera->position;
    frames(30);
    EXPECT_EQ(stood, camera->position);  // the player does not walk on by himself
    EXPECT_FALSE(footstepSound->isPlaying());
  }
  // The pointer leaving the window while nothing is watched is no reason to stop.
  holdForwardAndLeft();
  windowEntry(GLUT_LEFT);
  EXPECT_TRUE(directionsHeld());
  forwardDirection = strafeDirection = 0;
}

// Plain X windows of the test's own, mapped, and the keyboard moved between them.
class FocusWatch : public testing::Test {
 protected:
  void SetUp() override {
    display = XOpenDisplay(nullptr);
    if (display == nullptr) GTEST_SKIP() << "no X display";
    // Side by side, so that neither covers the other.
    for (Window* w : {&game, &other}) {
      const int x = w == &game ? 0 : 100;
      *w = XCreateSimpleWindow(display, DefaultRootWindow(display), x, 0, 64, 64, 0, 0, 0);
      XSelectInput(display, *w, StructureNotifyMask);
      XMapWindow(display, *w);
      for (XEvent e; XWindowEvent(display, *w, StructureNotifyMask, &e), e.type != MapNotify;) {
      }
    }
    focusOn(game);
  }

  void TearDown() override {
    platform::stopWatchingKeyboardFocus();
    if (display == nullptr) return;
    XSetInputFocus(display, PointerRoot, RevertToPointerRoot, CurrentTime);
    if (game != 0) XDestroyWindow(display, game);
    XDestroyWindow(display, other);
    XCloseDisplay(display);
  }

  void focusOn(Window w) {
    XSetInputFocus(display, w, RevertToNone, CurrentTime);
    XSync(display, False);
  }

  // The watch's verdict once the server's events have had time to arrive (at most 2 s).
  static bool lostSoon() {
    for (int i = 0; i < 200; ++i) {
      if (platform::keyboardFocusLost()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }
  static bool lostNow() {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    return platform::keyboardFocusLost();
  }

  Display* display = nullptr;
  Window game = 0, other = 0;
};

TEST_F(FocusWatch, SeesTheKeyboardGoToAnotherWindowAndComeBack) {
  ASSERT_TRUE(platform::watchKeyboardFocus(game));
  EXPECT_TRUE(platform::windowHasKeyboardFocus());
  EXPECT_FALSE(lostNow());

  focusOn(other);
  EXPECT_TRUE(lostSoon());
  EXPECT_FALSE(platform::windowHasKeyboardFocus());
  // The pointer leaving too: now the keys are released.
  holdForwardAndLeft();
  windowEntry(GLUT_LEFT);
  EXPECT_FALSE(directionsHeld());

  focusOn(game);
  EXPECT_FALSE(lostNow());  // getting it back is no loss
  EXPECT_TRUE(platform::windowHasKeyboardFocus());
  holdForwardAndLeft();
  windowEntry(GLUT_LEFT);
  EXPECT_TRUE(directionsHeld());  // the keyboard stayed: the keys stay held
  windowEntry(GLUT_ENTERED);
  EXPECT_TRUE(directionsHeld());

  XSetInputFocus(display, None, RevertToNone, CurrentTime);
  XSync(display, False);
  EXPECT_TRUE(lostSoon());
  EXPECT_FALSE(platform::windowHasKeyboardFocus());
  forwardDirection = strafeDirection = 0;
}

TEST_F(FocusWatch, SeesTheWindowUnmappedAndDestroyedAndSurvivesBadWindows) {
  ASSERT_TRUE(platform::watchKeyboardFocus(game));
  XUnmapWindow(display, game);
  XSync(display, False);
  EXPECT_TRUE(lostSoon());
  lostNow();  // the keyboard going with the window comes as an event of its own
  XMapWindow(display, game);
  XSync(display, False);
  EXPECT_FALSE(lostNow());

  XDestroyWindow(display, game);
  XSync(display, False);
  game = 0;
  EXPECT_TRUE(lostSoon());
  // Nothing left to ask about: no X error ends the process, and no loss is made up.
  EXPECT_TRUE(platform::windowHasKeyboardFocus());
  EXPECT_FALSE(lostNow());

  EXPECT_FALSE(platform::watchKeyboardFocus(0));
  EXPECT_FALSE(platform::watchKeyboardFocus(0x3fffffff));  // no such window
  EXPECT_FALSE(platform::keyboardFocusLost());
  EXPECT_TRUE(platform::windowHasKeyboardFocus());
}

// Focus events that leave the keyboard with the window: the focus set to it from the pointer
// root (as a desktop tool focusing it does), an out-and-in pair read together, another
// client's grab and its release.
TEST_F(FocusWatch, FocusEventsThatLeaveTheKeyboardWithTheWindowAreNoLoss) {
  ASSERT_TRUE(platform::watchKeyboardFocus(game));
  XWarpPointer(display, None, game, 0, 0, 0, 0, 20, 20);
  XSetInputFocus(display, PointerRoot, RevertToPointerRoot, CurrentTime);
  XSync(display, False);
  lostNow();
  focusOn(game);
  EXPECT_FALSE(lostNow());

  focusOn(other);
  focusOn(game);
  EXPECT_FALSE(lostNow());

  Display* grabber = XOpenDisplay(nullptr);
  ASSERT_NE(nullptr, grabber);
  EXPECT_EQ(GrabSuccess, XGrabKeyboard(grabber, DefaultRootWindow(grabber), False, GrabModeAsync,
                                       GrabModeAsync, CurrentTime));
  XSync(grabber, False);
  XUngrabKeyboard(grabber, CurrentTime);
  XSync(grabber, False);
  XCloseDisplay(grabber);
  EXPECT_FALSE(lostNow());

  focusOn(other);  // and a real loss is still one
  EXPECT_TRUE(lostSoon());
}

}  // namespace
