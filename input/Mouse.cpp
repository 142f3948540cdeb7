// The mouse: in play it shoots and looks; in every menu and page the pointer is the player's,
// the entry under it is selected and a click chooses it, so a click behind a menu never
// reaches the pistol (on the end screens a click does nothing).
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

// ---- Live for the whole run: where the last motion left the pointer; -1 before any ----
// The pointer selects an entry only when it really moves: resting where the game or the
// desktop left it (the window's centre lies on an entry), it selects nothing.
int lastPointerX = -1, lastPointerY = -1;

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

// The pointer moved: outside play it selects what lies under it.
void pointerMoved(int x, int y) {
  const bool moved = lastPointerX >= 0 && (x != lastPointerX || y != lastPointerY);
  lastPointerX = x, lastPointerY = y;
  if (moved && currentScreen != GameScreen::Playing) pointAt(x, y);
}

// A left click on a screen that is not play: the entry or row under the pointer is chosen; on
// the picture pages (controls, credits, help) it goes back, as Enter does there. On the end
// screens a click does nothing.
void clickOutsidePlay(int x, int y) {
  if (MenuPage* page = shownPage()) {
    if (pointAt(x, y) && !page->waitingForKey()) page->choose(page->selected);
    return;
  }
  switch (currentScreen) {
    case GameScreen::PauseControls: pressOnPage(PageKey::Back); break;
    case GameScreen::HelpFromPlay: leaveWaitingScreen(); break;
    case GameScreen::Menu:
      if (pointAt(x, y)) chooseMenuEntry();
      break;
    case GameScreen::ControlsPage: case GameScreen::CreditsPage: chooseMenuEntry(); break;
    default: break;
  }
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
  pointerMoved(x, y);
  look(x, y);
}

void mousePassiveMotion(int x, int y) {
  recordInput(ReplayRecordKind::Motion, 0, 0, x, y);
  pointerMoved(x, y);
  look(x, y);
}
