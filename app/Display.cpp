// The display callback: every frame reads the pads, runs the game's rules once with the
// directions the keys (or else the pad) hold, lets the desktop follow the screen (screensaver,
// pointer) and then draws what they left.
#include "app/Display.h"

#include "app/DesktopSession.h"
#include "audio/Siren.h"
#include "game/FrameUpdate.h"
#include "game/HeistRecorder.h"
#include "game/Screen.h"
#include "input/Gamepad.h"
#include "input/HeldKeys.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "platform/Swap.h"
#include "render/Frame.h"

namespace {

// The pointer is hidden in play only: in every menu, page, pause and end screen it is shown
// and the player's to move. Set only when the screen changes between the two.
void showPointerOutsidePlay() {
  static int shown = -1;
  const int wanted = currentScreen == GameScreen::Playing ? 0 : 1;
  if (wanted == shown) return;
  shown = wanted;
  if (wanted != 0) {
    platform::showPointer();
  } else {
    platform::hidePointer();
  }
}

}  // namespace

void display() {
  // One reading for the whole frame, the one the recording keeps: a replay sees every timer
  // of the frame at the same millisecond the heist did.
  // The pads first: what they do reaches the game before the frame's rules, as a key does,
  // and the recording keeps their reading before the frame's.
  platform::holdClockReading();
  readGamepads();
  recordFrame();
  runFrame(walkingForward(), walkingSideways());
  followScreenOnDesktop();
  drawFrame();
  platform::releaseClockReading();
  updateSiren();
  showPointerOutsidePlay();
  platform::swapBuffers();
}
