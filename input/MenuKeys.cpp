// Moving about the pages of rows.
#include "input/MenuKeys.h"

#include <GL/freeglut.h>

#include "game/MenuPage.h"
#include "game/PauseMenu.h"
#include "game/Screen.h"
#include "input/KeyBindings.h"

namespace {

constexpr int enterKey = 13, escKey = 27, backspaceKey = 8;

PageKey pageKeyFor(int key) {
  switch (key) {
    case 'w': case 'W': case specialKeyBase + GLUT_KEY_UP: return PageKey::Up;
    case 's': case 'S': case specialKeyBase + GLUT_KEY_DOWN: return PageKey::Down;
    case 'a': case 'A': case specialKeyBase + GLUT_KEY_LEFT: return PageKey::Left;
    case 'd': case 'D': case specialKeyBase + GLUT_KEY_RIGHT: return PageKey::Right;
    case enterKey: return PageKey::Choose;
    case backspaceKey: case escKey: return PageKey::Back;
    case 'p': return PageKey::Resume;
    default: return static_cast<PageKey>(-1);
  }
}

}  // namespace

bool pageShown() {
  return shownPage() != nullptr || currentScreen == GameScreen::PauseControls;
}

void pressOnPage(PageKey key) {
  if (currentScreen == GameScreen::PauseControls) {
    if (key == PageKey::Choose || key == PageKey::Back) closePauseControls();
    if (key == PageKey::Resume) resumeGame();
    return;
  }
  MenuPage* page = shownPage();
  if (page == nullptr) return;
  switch (key) {
    case PageKey::Up: selectNextRow(*page, -1); break;
    case PageKey::Down: selectNextRow(*page, 1); break;
    case PageKey::Left: page->change(page->selected, -1); break;
    case PageKey::Right: page->change(page->selected, 1); break;
    case PageKey::Choose: page->choose(page->selected); break;
    case PageKey::Back: page->back(); break;
    case PageKey::Resume:
      if (page == &pauseMenu()) resumeGame();
      break;
  }
}

void pressKeyOnPage(int key) {
  MenuPage* page = shownPage();
  if (page != nullptr && page->takeKey(key)) return;
  // Backspace on the pause menu goes back one page: to the game.
  if (page == &pauseMenu() && key == backspaceKey) {
    resumeGame();
    return;
  }
  // The pause key goes on from the pause menu, whichever key it is.
  if (page == &pauseMenu() && actionForKey(keyBindings, key) == KeyAction::Pause) {
    resumeGame();
    return;
  }
  const PageKey pageKey = pageKeyFor(key);
  if (static_cast<int>(pageKey) >= 0) pressOnPage(pageKey);
}
