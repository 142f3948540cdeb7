// The player's shot and mouse look.
#include "input/Mouse.h"

#include <GL/freeglut.h>

#include "audio/GameSounds.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "platform/Clock.h"
#include "render/PlayerPistol.h"

float mouseSensitivity = 1.0f;
bool mouseInverted = false;

namespace {

// Step 3 for one guard: one shot can hit both.
void shootAt(Guard* guard) {
  if (guard->down || !guard->isHitByShot(*camera)) return;
  if (!alarmActive) {
    alarmActive = true;
    alarmStartTime = platform::clockSeconds();
    guard->setAlerted(true);
  }
  guard->health = static_cast<std::int16_t>(guard->health - 40);
  crySound->play();
  if (guard->health <= 0) {
    guard->down = true;
    ++guardsShotDown;
  }
}

}  // namespace

void mouseButton(int button, int state, int, int) {
  if (heistFinished || gameOver || gamePaused) return;
  if (button != GLUT_LEFT_BUTTON || state != GLUT_DOWN) return;
  gunshotSound->play();
  firePlayerPistol();
  shootAt(guard1);
  shootAt(guard2);
}

void mouseMotion(int x, int y) {
  // Paused, the pointer is the player's to move out of the window.
  if (menuActive || gameOver || heistFinished || gamePaused) return;
  camera->lookWithMouse(x, y, mouseSensitivity, mouseInverted);
}

void mousePassiveMotion(int x, int y) {
  mouseMotion(x, y);
}
