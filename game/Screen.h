// Which screen the game shows, as one named state, and every change of screen. The questions
// the rest of the game asks (is the menu shown, is the game over...) are read from it; the
// keys, the mouse and the frame change it only through the functions below.
#pragma once

#include <cstdint>

enum class GameScreen : std::uint8_t {
  Menu,           // the main menu
  ControlsPage,   // the menu's controls page
  CreditsPage,    // the menu's credits page
  HelpFromPlay,   // the controls page opened with F1 during play; any key goes back
  Playing,
  Paused,         // the pause menu: play stands still ('p', or the keyboard lost) until 'p'
  GameOver,       // the player's health reached 0; any key goes to the menu
  HeistFinished,  // the player left through the exit; any key goes to the menu
  PauseControls,  // the controls page opened from the pause menu; back returns there
  OptionsPage,    // from the main menu or the pause menu
  BindingsPage,   // the keys of each action, from the options page
};

// The main menu's entries, top to bottom.
enum class MenuEntry : std::int16_t { Start = 0, Controls = 1, Credits = 2, Options = 3, Quit = 4 };

class MenuPage;

// ---- Live for the whole run: the menu at start-up, with Start selected ----
extern GameScreen currentScreen;
extern MenuEntry menuSelection;
// The options and bindings pages, made by the program's start-up (they change what lies
// outside the game: the window, the sound, the settings file); null leaves the entry inert.
extern MenuPage* optionsPage;
extern MenuPage* bindingsPage;

// ---- The questions ----
bool menuActive();     // the menu or one of its pages, the help page from play included
bool controlsShown();  // the controls page, from the menu, from play or from the pause
bool creditsShown();
bool helpFromGame();
bool gameOver();
bool heistFinished();  // the player left through the exit: its end screen, or caught after
bool gamePaused();     // the pause menu, or a page opened from it: the heist stands still
bool inPlay();         // playing or paused: not the menu, its pages or the end screens
// The page of rows shown now (the pause menu, the options, the bindings), or null.
MenuPage* shownPage();
// The screen's name in the state report: menu, controls, credits, help, playing (paused
// too), game-over, heist-finished, options or bindings.
const char* screenName();

// ---- The changes ----
// Enter: chooses the menu entry, or goes back from a page of the menu to the menu.
void chooseMenuEntry();
// w, s and the arrows in the menu: one entry up (-1) or down (1), none past either end.
void moveMenuSelection(int delta);
// Esc: from the menu or one of its pages the program ends; from play (paused or not) back to
// the menu, with Start selected.
void escapeToMenu();
// The heist in play (paused or not, a page over it or not) left for the menu, with Start
// selected, as Esc from play does.
void leaveHeistForMenu();
// The options page, from the main menu or the pause menu; its Back returns there.
void openOptions();
void closeOptions();
// The bindings page, from the options page and back.
void openBindings();
void closeBindings();
// The controls page from the pause menu, and back.
void openPauseControls();
void closePauseControls();
// Any key on an end screen goes to the menu, on the help page back to play; true when the
// key was taken for that.
bool leaveWaitingScreen();
// F1 in play: the controls page, until any key.
void showHelpFromPlay();
// In play and not yet paused: the game clock stops, the music drops to half its volume and
// the pointer is shown and left free. True when the game was paused now.
bool pauseGame();
// Ends the pause (from the pause menu or a page opened from it): the clock goes on from where it stood, the music is back at full volume,
// the pointer is hidden and set at the window's centre, so the view does not jump.
void resumeGame();
// 'p': pauses in play, resumes while paused. True when the game was paused now.
bool togglePause();
// The player left through the exit: the heist's end screen.
void finishAtExit();
// The player's health ran out (in play, paused, or after leaving): the game-over screen.
void endCaught();

// What the program does when the player quits from the menu; set by the program's start-up.
extern void (*quitProgram)();
