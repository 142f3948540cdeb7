// The alarm: raised by a guard who sees the player or is shot at, blinking the red alarm
// lights while it runs, and ending by itself 25 s after the last raise.
#pragma once

#include <cstdint>

class Guard;

// ---- Set by the world set-up, for the whole run ----
extern std::int16_t alarmBlinkFrames;  // frames between two toggles: the screen's refresh rate

// The alarm runs from now on, counted from now; the guard, when there is one, turns on the
// player.
void raiseAlarm(Guard* alertedGuard);

// Once per frame of play while the alarm runs: ends it 25 s after its last raise (the red
// lights go out), otherwise toggles the red lights every alarmBlinkFrames frames.
void blinkAlarmLights();

// The alarm switch by the lamps: the alarm on, or off with its lights out.
void toggleAlarm();
