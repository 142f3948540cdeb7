// The function keys toggle help, the frames-per-second line, wireframe, the texture filter
// and (F11) full screen; the arrows walk in play and move the menu selection in the menu.
// F1 acts only in play, as F2 to F4 do: the museum is never reached without a new game.
#include "input/FunctionKeys.h"

#include <GL/freeglut.h>

#include "app/Idle.h"
#include "assets/Textures.h"
#include "audio/GameSounds.h"
#include "game/GameState.h"
#include "game/StatusLine.h"
#include "game/World.h"
#include "input/Keyboard.h"
#include "platform/Clock.h"
#include "render/TextMessage.h"

namespace {

// Where the toggles' status messages stand.
constexpr int toggleX = 400;
constexpr int toggleY = 686;

void toggleFps() {
  fpsShown = !fpsShown;
  if (fpsShown) {
    fpsLastTime = platform::clockSeconds();
  } else {
    cornerMessage->setText(nullptr);
  }
}

void toggleWireframe() {
  wireframeOn = !wireframeOn;
  if (wireframeOn) {
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    postStatusMessage(toggleX, toggleY, textGreen, "Wireframe-Modus aktiviert");
  } else {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    postStatusMessage(toggleX, toggleY, textGreen, "Wireframe-Modus deaktiviert");
    messageDuration = 3;
  }
}

// Every texture the game has made gets the new filter, and so does every one made later.
void toggleFiltering() {
  trilinearFiltering = !trilinearFiltering;
  if (trilinearFiltering) {
    applyMinificationFilterToAll(GL_LINEAR_MIPMAP_LINEAR);
    postStatusMessage(toggleX, toggleY, textGreen, "Trilineare Filterung");
  } else {
    applyMinificationFilterToAll(GL_LINEAR_MIPMAP_NEAREST);
    postStatusMessage(toggleX, toggleY, textGreen, "Bilineare Filterung");
    messageDuration = 3;
  }
}

// F11: full screen and a window, both ways. A screen mode entered at start-up has no window
// to go back to, so it stays as it is; so does a program without a window (the tests).
void toggleFullScreen() {
  if (!glutGet(GLUT_INIT_STATE) || glutGetWindow() == 0 || glutGameModeGet(GLUT_GAME_MODE_ACTIVE)) {
    return;
  }
  glutFullScreenToggle();
}

void pressSpecialKey(int key) {
  const bool inPlay = !menuActive;
  switch (key) {
    case GLUT_KEY_F1:
      if (inPlay) {
        menuActive = true;
        controlsShown = true;
        helpFromGame = true;
      }
      break;
    case GLUT_KEY_F2: if (inPlay) toggleFps(); break;
    case GLUT_KEY_F3: if (inPlay) toggleWireframe(); break;
    case GLUT_KEY_F4: if (inPlay) toggleFiltering(); break;
    case GLUT_KEY_LEFT: strafeDirection = -1; break;
    case GLUT_KEY_RIGHT: strafeDirection = 1; break;
    case GLUT_KEY_UP:
      if (inPlay) forwardDirection = 1; else moveMenuSelection(-1);
      break;
    case GLUT_KEY_DOWN:
      if (inPlay) forwardDirection = -1; else moveMenuSelection(1);
      break;
    default: break;
  }
}

}  // namespace

void specialDown(int key, int, int) {
  // F11 acts at any time, on every screen, and leaves the screen as it is.
  if (key == GLUT_KEY_F11) {
    toggleFullScreen();
    return;
  }
  if (gamePaused) return;
  if (!leaveWaitingScreen()) pressSpecialKey(key);
}

void specialUp(int key, int, int) {
  switch (key) {
    case GLUT_KEY_LEFT: case GLUT_KEY_RIGHT: strafeDirection = 0; break;
    case GLUT_KEY_UP: case GLUT_KEY_DOWN: forwardDirection = 0; break;
    default: break;
  }
}
