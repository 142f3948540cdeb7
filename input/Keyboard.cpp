// The character keys. Letters count in lower case only; releases of w, s, a and d count in
// upper case too, so pressing Shift while walking never leaves the player walking on.
#include "input/Keyboard.h"

#include <GL/freeglut.h>

#include "app/Idle.h"
#include "app/Pause.h"
#include "app/Shutdown.h"
#include "assets/ModelObject.h"
#include "audio/GameSounds.h"
#include "game/GameState.h"
#include "game/NewGame.h"
#include "game/Results.h"
#include "game/StatusLine.h"
#include "game/World.h"
#include "platform/Clock.h"
#include "render/Frame.h"
#include "render/Lights.h"
#include "render/TextMessage.h"

namespace {

// Where the status messages of the keys stand; the verdict has its own place.
constexpr int statusX = 380;
constexpr int statusY = 686;

// ---- Music ----
void switchMusic(Sound* from, Sound* to) {
  if (!musicOn) return;
  from->stop();
  to->play();
}

// ---- Menu ----
void pressEnter() {
  if (creditsShown) {
    menuSelection = 2;
    creditsShown = false;
  } else if (controlsShown) {
    menuSelection = 1;
    controlsShown = false;
  } else if (menuSelection == 0) {
    menuActive = false;
    newGame();
    switchMusic(menuMusic, gameMusic);
    glutPostRedisplay();
  } else if (menuSelection == 1) {
    controlsShown = true;
  } else if (menuSelection == 2) {
    creditsShown = true;
  } else if (menuSelection == 3) {
    quitGame();
  }
}

void pressEscape() {
  if (menuActive) {
    quitGame();
  }
  resumeGame();
  if (wireframeOn) glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  menuActive = true;
  menuSelection = 0;
  switchMusic(gameMusic, menuMusic);
  glutPostRedisplay();
}

void toggleMusic() {
  musicOn = !musicOn;
  Sound* music = menuActive ? menuMusic : gameMusic;
  if (musicOn) {
    music->play();
  } else {
    music->stop();
  }
}

// ---- 'g': empty the bag at the drop zone ----
void emptyBag() {
  const Vector3& p = camera->position;
  if (!(p.x > 405.0f && p.x < 432.0f && p.z < 25.0f && camera->bagLoad > 0.0f)) return;
  transferSound->play();
  camera->bagLoad = 0.0f;
  postStatusMessage(statusX, statusY, textGreen, "Alle Objekte sind gesichert");
  messageDuration = 3;
}

// ---- 'q': leave at the exit, and the verdict ----
void leaveMuseum() {
  const Vector3& p = camera->position;
  if (!(p.x > 405.0f && p.x < 492.0f && p.z < 25.0f)) return;
  heistFinished = true;
  delete endMessage;
  if (camera->score > 400) {
    endMessage = new TextMessage(250, 400, textRed);
    endMessage->setText("Wow, whotta superb job. I will bow right before you!");
  } else if (camera->score > 200) {
    endMessage = new TextMessage(250, 400, textRed);
    endMessage->setText("Congratulations, your little museum tour was a great success!");
  } else {
    endMessage = new TextMessage(300, 400, textRed);
    endMessage->setText("Hey man, you should stay in bed next time!");
  }
  finishHeist(false);
}

// ---- 't': take what is within reach ----
const char* remarkFor(std::int16_t value) {
  if (value >= 30) return "Wow, whotta cool piece!";
  if (value >= 20) return "Yeah, you have it baby!";
  return "Man ,that's a poor piece of shit!";
}

// An exhibit or sword disappears; a picture keeps its frame and loses its canvas.
void takeObject(ModelObject* object, bool isPicture) {
  if (object->bagSpace + camera->bagLoad > bagCapacity) {
    sorrySound->play();
    postStatusMessage(statusX, statusY, textYellow, "You can't carry this anymore, stupid");
    return;
  }
  clickSound->play();
  if (isPicture) {
    object->intact = 0;
  } else {
    object->visible = 0;
  }
  camera->score = static_cast<std::int16_t>(camera->score + object->value);
  camera->bagLoad += object->bagSpace;
  messageDuration = 2;
  postStatusMessage(statusX, statusY, textYellow, remarkFor(object->value));
}

// The alarm switches by the lamps: never within reach as the lamps are set up (their intact
// flag is never set), so this toggle stays unused unless the lamps are made reachable.
bool toggleAlarmAtSwitch(const Vector3& p) {
  for (int lamp : {0, 2, 4}) {
    if (!alarmLamps[lamp]->isWithinReach(p.x, p.y, p.z)) continue;
    alarmActive = !alarmActive;
    if (alarmActive) {
      alarmStartTime = platform::clockSeconds();
    } else {
      glDisable(GL_LIGHT5);
      glDisable(GL_LIGHT6);
      glDisable(GL_LIGHT7);
    }
    return true;
  }
  return false;
}

void takeWithinReach() {
  if (currentRoom < 2 || currentRoom > 4) return;
  const Vector3 p = camera->position;
  if (toggleAlarmAtSwitch(p)) return;
  const int row = currentRoom - 2;
  for (int i = 0; i < exhibitCount[row]; ++i) {
    if (exhibits[row][i]->isWithinReach(p.x, p.y, p.z)) takeObject(exhibits[row][i], false);
  }
  for (int i = 0; i < pictureCount[row]; ++i) {
    if (pictures[row][i]->isWithinReach(p.x, p.y, p.z)) takeObject(pictures[row][i], true);
  }
  for (int i = 0; i < swordCount[row]; ++i) {
    if (swords[row][i]->isWithinReach(p.x, p.y, p.z)) takeObject(swords[row][i], false);
  }
}

// ---- The key table ----
void pressKey(unsigned char key) {
  switch (key) {
    case 13: pressEnter(); break;
    case 27: pressEscape(); break;
    case 'w':
      if (menuActive) {
        moveMenuSelection(-1);
      } else {
        forwardDirection = 1;
        footstepSound->play();
      }
      break;
    case 's':
      if (menuActive) {
        moveMenuSelection(1);
      } else {
        forwardDirection = -1;
      }
      break;
    case 'a': strafeDirection = -1; break;
    case 'd': strafeDirection = 1; break;
    case 'e': camera->walkPace = camera->walkPace == 2 ? 4 : 2; break;
    case 'm': toggleMusic(); break;
    case 'g': emptyBag(); break;
    case 'q': leaveMuseum(); break;
    case 't': takeWithinReach(); break;
    case 'p': if (inPlay()) togglePause(); break;
    default: break;
  }
}

}  // namespace

void moveMenuSelection(int delta) {
  const int wanted = menuSelection + delta;
  if (wanted < 0 || wanted > 3) return;
  menuSelection = static_cast<std::int16_t>(wanted);
  clapsSound->play();
}

bool leaveWaitingScreen() {
  if (heistFinished || gameOver) {
    menuActive = true;
    heistFinished = false;
    gameOver = false;
    switchMusic(gameMusic, menuMusic);
    glutPostRedisplay();
    return true;
  }
  if (helpFromGame) {
    menuActive = false;
    controlsShown = false;
    helpFromGame = false;
    return true;
  }
  return false;
}

void keyboardDown(unsigned char key, int, int) {
  // While paused only 'p' (go on) and Esc (to the menu) count.
  if (gamePaused) {
    if (key == 'p' || key == 27) pressKey(key);
    return;
  }
  if (!leaveWaitingScreen()) pressKey(key);
}

void keyboardUp(unsigned char key, int, int) {
  switch (key) {
    case 'w': case 's': case 'W': case 'S':
      forwardDirection = 0;
      if (footstepSound->isPlaying()) footstepSound->stop();
      break;
    case 'a': case 'd': case 'A': case 'D':
      strafeDirection = 0;
      if (footstepSound->isPlaying()) footstepSound->stop();
      break;
    default: break;
  }
}
