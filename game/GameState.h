// The game's global state, grouped by lifetime: the toggles that live for the whole run, the
// player and the guards that every new game replaces, and one heist's state, which every new
// game wipes in one statement. The screen shown is game/Screen.h's; the world's objects are
// game/World.h's.
#pragma once

#include <cstdint>

#include "game/TextMessage.h"
#include "geometry/Camera.h"

class Guard;

// ---- Toggles: live for the whole run ----
extern bool musicOn;             // true
extern bool trilinearFiltering;  // true
extern bool fpsShown;            // false
extern double playerShotAt;      // seconds on the game clock of the player's last shot; -1 none
extern std::uint32_t gamesStarted;  // new games since start-up

// The player's accessibility choices (the options page, the settings file): how the alarm
// lights, the hit and the text look. Nothing the game's rules read.
struct Accessibility {
  bool steadyAlarmLights = false;  // the red lights shine without blinking during an alarm
  int hitFlashPercent = 100;       // the red flash of a hit: 100, 50 or 0
  int textSizePercent = 100;       // the HUD and the text lines, 75..150
};
extern Accessibility accessibility;

// ---- The player and the guards: replaced by every new game (the old ones are freed) ----
// Placeholders before the first game: a camera at the origin, and guards that are down.
extern Camera* camera;
extern Guard* guard1;
extern Guard* guard2;

// ---- One heist: wiped by every new game ----
struct Heist {
  // The alarm.
  bool alarmActive = false;
  float alarmStartTime = 0.0f;         // seconds, the clock at the last raise
  std::int16_t alarmBlinkCounter = 0;  // frames since the last toggle; 0 when an alarm ends
  bool alarmLightsLit = false;         // the blink's phase; kept when an alarm ends, the next
                                       // one goes on from it
  bool alarmLightsOn = false;          // the red alarm lights shine now

  // Where the player is: 1 the hall, 2, 3, 4 the exhibition rooms; 0 before the first game.
  // Changed only by the room tracking.
  std::int16_t currentRoom = 1;
  // Per guard: the whole second at which its wait before coming back began; -1 when none runs.
  std::int32_t guardDownTime[2] = {-1, -1};

  // The transient status line, shown for messageDuration seconds after messageTime.
  TextMessage statusMessage;
  double messageTime = 0.0;
  std::int16_t messageDuration = 3;
  TextMessage endMessage;              // the verdict after leaving

  bool wireframeOn = false;            // F3
  bool polygonLines = false;           // polygons are drawn as lines: F3 on, until Esc

  std::uint32_t heistStartMs = 0;      // the game clock at the new game (paused time not counted)
  std::int32_t guardsShotDown = 0;     // guards the player brought down
  bool leftMuseum = false;             // the player left through the exit
};
extern Heist heist;

// The heist state before any game: no room yet, no status line.
Heist heistBeforeAnyGame();
