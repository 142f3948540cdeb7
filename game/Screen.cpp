// The screen state and every change of it, with the music and the pause that go with them.
#include "game/Screen.h"

#include "game/Cues.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/NewGame.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"

GameScreen currentScreen = GameScreen::Menu;
MenuEntry menuSelection = MenuEntry::Start;
void (*quitProgram)() = nullptr;

namespace {

// The music follows the screen, while it is switched on.
void switchMusic(Cue from, Cue to) {
  if (!musicOn) return;
  stopCue(from);
  playCue(to);
}

void startPlaying() {
  currentScreen = GameScreen::Playing;
  newGame();
  switchMusic(Cue::MenuMusic, Cue::GameMusic);
}

}  // namespace

bool menuActive() {
  return currentScreen == GameScreen::Menu || currentScreen == GameScreen::ControlsPage ||
         currentScreen == GameScreen::CreditsPage || currentScreen == GameScreen::HelpFromPlay;
}

bool controlsShown() {
  return currentScreen == GameScreen::ControlsPage || currentScreen == GameScreen::HelpFromPlay;
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
  return currentScreen == GameScreen::Paused;
}

bool inPlay() {
  return currentScreen == GameScreen::Playing || currentScreen == GameScreen::Paused;
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
  // From play the heist is left; from its end screen it was over already.
  endHeistRecording("left");
  resumeGame();
  heist.polygonLines = false;
  currentScreen = GameScreen::Menu;
  menuSelection = MenuEntry::Start;
  switchMusic(Cue::GameMusic, Cue::MenuMusic);
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
  currentScreen = GameScreen::Paused;
  platform::pauseClock();
  dimMusicCue(true);
  platform::showPointer();
  return true;
}

void resumeGame() {
  if (currentScreen != GameScreen::Paused) return;
  currentScreen = GameScreen::Playing;
  platform::resumeClock();
  dimMusicCue(false);
  platform::hidePointer();
  // Mouse look measures from the centre: the pointer left wherever the player put it would
  // turn the view on the first motion.
  if (camera != nullptr) {
    platform::warpPointer(camera->screenWidth / 2, camera->screenHeight / 2);
  }
}

bool togglePause() {
  if (currentScreen == GameScreen::Paused) {
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
