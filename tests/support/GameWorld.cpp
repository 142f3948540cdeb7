// Builds the real game world for tests that drive the game through its callbacks.
#include "support/GameWorld.h"

#include <cstdlib>

#include "app/Display.h"
#include "app/Idle.h"
#include "app/Startup.h"
#include "audio/GameSounds.h"
#include "audio/Sound.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "game/World.h"
#include "input/HeldKeys.h"
#include "input/Keyboard.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "render/Scene.h"
#include "support/GlContext.h"

namespace testsupport {

namespace {
void ignoreWarp(int, int) {}
}  // namespace

bool ensureWorld() {
  static int state = 0;
  if (state != 0) return state == 1;
  state = -1;
  if (!ensureGlContext(1024, 768)) return false;
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  platform::useVirtualClock(1000000);
  platform::setWarpHook(ignoreWarp);
  screenWidth = 1024;
  screenHeight = 768;
  initSound();
  createSounds();
  initScene();
  initWorld();
  state = 1;
  return true;
}

void resetToMenu() {
  resumeGame();
  currentScreen = GameScreen::Menu;
  menuSelection = MenuEntry::Start;
  musicOn = true;
  forwardDirection = strafeDirection = 0;
}

void startGame() {
  resetToMenu();
  keyboardDown(13, 0, 0);
}

void setClockSeconds(double seconds) {
  platform::setVirtualClockMicros(static_cast<std::uint64_t>(seconds * 1e6));
}

void placePlayer(const Vector3& p) {
  camera->position = p;
  camera->view = Vector3(p.x + 100.0f, p.y, p.z);
}

}  // namespace testsupport
