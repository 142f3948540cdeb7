// The mouse: in play it shoots and looks; in every menu, page and end screen the pointer is
// the player's, the entry under it is selected and a click chooses it, so a click behind a
// menu never reaches the pistol.
#include "input/Mouse.h"

#include <GL/freeglut.h>

#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/MenuPage.h"
#include "game/PlayerActions.h"
#include "game/Screen.h"
#include "input/MenuKeys.h"
#include "platform/Screen.h"

float mouseSensitivity = 1.0f;
bool mouseInverted = false;

namespace {

void look(int x, int y) {
  if (currentScreen != GameScreen::Playing) return;
  camera->lookWithMouse(x, y, mouseSensitivity, mouseInverted);
}

// The pointer over a main-menu entry or a page's row selects it; true when one is under it.
bool pointAt(int x, int y) {
  const platform::WindowPoint at =
      platform::toCentredLayout(static_cast<float>(x), static_cast<float>(y));
  if (MenuPage* page = shownPage()) {
    const int row = menulayout::rowAtPoint(*page, at.x, at.y);
    if (row < 0) return false;
    page->selected = row;
    return true;
  }
  if (currentScreen != GameScreen::Menu) return false;
  const int entry = menulayout::mainEntryAtPoint(at.x, at.y);
  if (entry < 0) return false;
  if (entry != static_cast<int>(menuSelection)) {
    moveMenuSelection(entry - static_cast<int>(menuSelection));
  }
  return true;
}

// A left click on a screen that is not play: the entry or row under the pointer is chosen; on
// the picture pages (controls, credits) and the end screens it goes back, as Enter or any key
// does there.
void clickOutsidePlay(int x, int y) {
  if (MenuPage* page = shownPage()) {
    if (pointAt(x, y) && !page->waitingForKey()) page->choose(page->selected);
    return;
  }
  if (currentScreen == GameScreen::PauseControls) {
    pressOnPage(PageKey::Back);
    return;
  }
  if (leaveWaitingScreen()) return;
  if (currentScreen == GameScreen::Menu) {
    if (pointAt(x, y)) chooseMenuEntry();
    return;
  }
  if (menuActive()) chooseMenuEntry();
}

}  // namespace

void mouseButton(int button, int state, int x, int y) {
  recordInput(ReplayRecordKind::Button, button, state, x, y);
  if (button != GLUT_LEFT_BUTTON || state != GLUT_DOWN) return;
  if (currentScreen == GameScreen::Playing) {
    firePlayerShot();
  } else {
    clickOutsidePlay(x, y);
  }
  glutPostRedisplay();
}

void mouseMotion(int x, int y) {
  recordInput(ReplayRecordKind::Drag, 0, 0, x, y);
  if (currentScreen != GameScreen::Playing) pointAt(x, y);
  look(x, y);
}

void mousePassiveMotion(int x, int y) {
  recordInput(ReplayRecordKind::Motion, 0, 0, x, y);
  if (currentScreen != GameScreen::Playing) pointAt(x, y);
  look(x, y);
}
