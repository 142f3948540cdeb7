// The game's global state: which screen is shown, the alarm, how the game ended, the status
// line, and the player's camera and the two guards.
// All start with the values below at program start; newGame resets the ones it names.
#pragma once

#include <cstdint>

#include "geometry/Camera.h"

class Guard;
class TextMessage;

// ---- Screens (set and cleared by the keys, the mouse and the frame) ----
extern bool menuActive;            // true: the menu is shown
extern std::int16_t menuSelection; // 0 start, 1 controls, 2 credits, 3 quit
extern bool controlsShown;         // the menu shows its controls page
extern bool creditsShown;          // the menu shows its credits page
extern bool helpFromGame;          // the controls page was opened with F1 during play
extern bool gameOver;              // the player's health reached 0
extern bool heistFinished;         // the player left through the exit
extern bool gamePaused;            // play stands still ('p', or the keyboard lost) until 'p'

// ---- Toggles ----
extern bool musicOn;               // true
extern bool wireframeOn;           // false; newGame clears it
extern bool trilinearFiltering;    // true
extern bool fpsShown;              // false

// ---- The alarm ----
extern bool alarmActive;           // false; newGame clears it
extern float alarmStartTime;       // seconds, the clock at the last raise

// ---- Messages ----
extern TextMessage* statusMessage; // the transient status line; owned here (replaced ones freed)
extern double messageTime;         // seconds, when it was posted
extern std::int16_t messageDuration; // seconds it stays
extern TextMessage* endMessage;    // the verdict after leaving; owned here
extern float fpsTime;              // seconds, frames-per-second sampling
extern float fpsLastTime;

// ---- This heist (reset by newGame) ----
extern std::uint32_t heistStartMs; // the game clock at the new game (paused time not counted)
extern std::int32_t guardsShotDown; // guards the player brought down

// ---- The player and the guards (replaced by every new game; the old ones are freed) ----
extern Camera* camera;
extern Guard* guard1;
extern Guard* guard2;
