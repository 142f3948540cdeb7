// The screen state and every change of it, with the music and the pause that go with them.
#include "game/Screen.h"

#include "game/Cues.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/MenuPage.h"
#include "game/PauseMenu.h"
#include "game/NewGame.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"

GameScreen currentScreen = GameScreen::Menu;
MenuEntry menuSelection = MenuEntry::Start;
void (*quitProgram)() = nullptr;
MenuPage* optionsPage = nullptr;
MenuPage* bindingsPage = nullptr;

namespace {

// The options and bindings pages were opened from the pause menu (over a standing heist),
// not from the main menu.
bool pagesOverPause = false;

bool optionsOrBindings() {
  return currentScreen == GameScreen::OptionsPage || currentScreen == GameScreen::BindingsPage;
}

void showPage(GameScreen screen, MenuPage* page) {
  currentScreen = screen;
  if (page != nullptr) page->shown();
}

// The music follows the screen, while it is switched on.
void switchMusic(Cue from, Cue to) {
  if (!musicOn) return;
  stopCue(from);
  playCue(to);
}

// Mouse look measures from the window's centre: the pointer goes there from wherever the
// player left it in the menu, so the view does not jump on the first motion.
void centrePointer() {
  if (camera != nullptr) {
    platform::warpPointer(camera->screenWidth / 2, camera->screenHeight / 2);
  }
}

void startPlaying() {
  currentScreen = GameScreen::Playing;
  newGame();
  switchMusic(Cue::MenuMusic, Cue::GameMusic);
  centrePointer();
}

}  // namespace

bool menuActive() {
  return currentScreen == GameScreen::Menu || currentScreen == GameScreen::ControlsPage ||
         currentScreen == GameScreen::CreditsPage || currentScreen == GameScreen::HelpFromPlay ||
         (optionsOrBindings() && !pagesOverPause);
}

bool controlsShown() {
  return currentScreen == GameScreen::ControlsPage || currentScreen == GameScreen::HelpFromPlay ||
         currentScreen == GameScreen::PauseControls;
}

bool creditsShown() {
  return currentScreen == GameScreen::CreditsPage;
}

bool helpFromGame() {
  return currentScreen == GameScreen::HelpFromPlay;
}

bool gameOver() {
  return currentScreen == GameScreen::GameOver;
}

bool heistFinished() {
  return (currentScreen == GameScreen::HeistFinished || currentScreen == GameScreen::GameOver) && heist.leftMuseum;
}

bool gamePaused() {
  return currentScreen == GameScreen::Paused || currentScreen == GameScreen::PauseControls ||
         (optionsOrBindings() && pagesOverPause);
}

bool inPlay() {
  return currentScreen == GameScreen::Playing || gamePaused();
}

MenuPage* shownPage() {
  switch (currentScreen) {
    case GameScreen::Paused: return &pauseMenu();
    case GameScreen::OptionsPage: return optionsPage;
    case GameScreen::BindingsPage: return bindingsPage;
    default: return nullptr;
  }
}

const char* screenName() {
  switch (currentScreen) {
    case GameScreen::Menu: return "menu";
    case GameScreen::ControlsPage: return "controls";
    case GameScreen::CreditsPage: return "credits";
    case GameScreen::HelpFromPlay: return "help";
    case GameScreen::Playing: return "playing";
    case GameScreen::Paused: return "playing";
    case GameScreen::GameOver: return "game-over";
    case GameScreen::HeistFinished: return "heist-finished";
    case GameScreen::PauseControls: return "controls";
    case GameScreen::OptionsPage: return "options";
    case GameScreen::BindingsPage: return "bindings";
  }
  return "menu";
}

void chooseMenuEntry() {
  // The pages go back to the menu with their own entry selected.
  if (creditsShown()) {
    menuSelection = MenuEntry::Credits;
    currentScreen = GameScreen::Menu;
    return;
  }
  if (currentScreen == GameScreen::PauseControls) {
    closePauseControls();
    return;
  }
  if (controlsShown()) {
    menuSelection = MenuEntry::Controls;
    currentScreen = GameScreen::Menu;
    return;
  }
  // During play Start is still selected: Enter starts a new game at once.
  switch (menuSelection) {
    case MenuEntry::Start: startPlaying(); break;
    case MenuEntry::Controls: currentScreen = GameScreen::ControlsPage; break;
    case MenuEntry::Credits: currentScreen = GameScreen::CreditsPage; break;
    case MenuEntry::Options: openOptions(); break;
    case MenuEntry::Quit:
      if (quitProgram != nullptr) quitProgram();
      break;
  }
}

void moveMenuSelection(int delta) {
  const int wanted = static_cast<int>(menuSelection) + delta;
  if (wanted < static_cast<int>(MenuEntry::Start) || wanted > static_cast<int>(MenuEntry::Quit)) {
    return;
  }
  menuSelection = static_cast<MenuEntry>(wanted);
  playCue(Cue::MenuMoved);
}

void escapeToMenu() {
  if (menuActive()) {
    if (quitProgram != nullptr) quitProgram();
    return;
  }
  leaveHeistForMenu();
}

void leaveHeistForMenu() {
  // From play the heist is left; from its end screen it was over already.
  endHeistRecording("left");
  resumeGame();
  heist.polygonLines = false;
  currentScreen = GameScreen::Menu;
  menuSelection = MenuEntry::Start;
  switchMusic(Cue::GameMusic, Cue::MenuMusic);
}

void openOptions() {
  if (optionsPage == nullptr) return;
  if (currentScreen == GameScreen::Menu) {
    pagesOverPause = false;
  } else if (currentScreen == GameScreen::Paused) {
    pagesOverPause = true;
  } else {
    return;
  }
  optionsPage->selected = firstSelectableRow(*optionsPage);
  showPage(GameScreen::OptionsPage, optionsPage);
}

void closeOptions() {
  if (currentScreen != GameScreen::OptionsPage) return;
  if (pagesOverPause) {
    showPage(GameScreen::Paused, &pauseMenu());
  } else {
    currentScreen = GameScreen::Menu;
    menuSelection = MenuEntry::Options;
  }
}

void openBindings() {
  if (currentScreen != GameScreen::OptionsPage || bindingsPage == nullptr) return;
  bindingsPage->selected = firstSelectableRow(*bindingsPage);
  showPage(GameScreen::BindingsPage, bindingsPage);
}

void closeBindings() {
  if (currentScreen == GameScreen::BindingsPage) currentScreen = GameScreen::OptionsPage;
}

void openPauseControls() {
  if (currentScreen == GameScreen::Paused) currentScreen = GameScreen::PauseControls;
}

void closePauseControls() {
  if (currentScreen == GameScreen::PauseControls) currentScreen = GameScreen::Paused;
}

bool leaveWaitingScreen() {
  if (currentScreen == GameScreen::HeistFinished || currentScreen == GameScreen::GameOver) {
    currentScreen = GameScreen::Menu;
    switchMusic(Cue::GameMusic, Cue::MenuMusic);
    return true;
  }
  if (currentScreen == GameScreen::HelpFromPlay) {
    currentScreen = GameScreen::Playing;
    return true;
  }
  return false;
}

void showHelpFromPlay() {
  if (currentScreen == GameScreen::Playing) currentScreen = GameScreen::HelpFromPlay;
}

bool pauseGame() {
  if (currentScreen != GameScreen::Playing) return false;
  showPage(GameScreen::Paused, &pauseMenu());
  platform::pauseClock();
  dimMusicCue(true);
  platform::showPointer();
  return true;
}

void resumeGame() {
  if (!gamePaused()) return;
  currentScreen = GameScreen::Playing;
  platform::resumeClock();
  dimMusicCue(false);
  platform::hidePointer();
  centrePointer();
}

bool togglePause() {
  if (gamePaused()) {
    resumeGame();
    return false;
  }
  return pauseGame();
}

void finishAtExit() {
  currentScreen = GameScreen::HeistFinished;
  heist.leftMuseum = true;
}

void endCaught() {
  // Caught in the frame the pause began: the pause ends with the game.
  resumeGame();
  currentScreen = GameScreen::GameOver;
}
