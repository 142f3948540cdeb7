// The display callback: every frame runs the game's rules once, with the directions the keys
// hold, and then draws what they left.
#include "app/Display.h"

#include "audio/Siren.h"
#include "game/FrameUpdate.h"
#include "input/HeldKeys.h"
#include "platform/Swap.h"
#include "render/Frame.h"

void display() {
  runFrame(forwardDirection, strafeDirection);
  drawFrame();
  updateSiren();
  platform::swapBuffers();
}
