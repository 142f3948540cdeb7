// The display callback: every frame reads the pads, runs the game's rules once with the
// directions the keys (or else the pad) hold, and then draws what they left.
#include "app/Display.h"

#include "audio/Siren.h"
#include "game/FrameUpdate.h"
#include "input/Gamepad.h"
#include "platform/Swap.h"
#include "render/Frame.h"

void display() {
  readGamepads();
  runFrame(walkingForward(), walkingSideways());
  drawFrame();
  updateSiren();
  platform::swapBuffers();
}
