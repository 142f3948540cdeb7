// The five room lights (GL lights 0 to 4), set every frame, and the blinking of the three red
// alarm lights (GL lights 5 to 7) while the alarm runs. Their colours are set once by
// initWorld; this file places them every frame and switches them.
#pragma once

#include <cstdint>

// ---- Alarm blinking: live for the whole run ----
extern std::int16_t alarmBlinkFrames;   // frames between two toggles: the display's refresh
                                        // rate, set by initWorld
extern std::int16_t alarmBlinkCounter;  // frames since the last toggle; 0 when an alarm ends
extern bool alarmLightsLit;             // kept when an alarm ends: the next one goes on from it

// Lights 0 to 4, brighter and bluish-grey while alarmActive, and the places of the alarm
// lights 5 to 7 (on or off). Call right after the view transform is loaded, so that the
// positions stay fixed in the world.
void setRoomLights();

// Once per frame while alarmActive: ends the alarm 25 s after alarmStartTime, otherwise
// toggles lights 5 to 7 every alarmBlinkFrames frames.
void blinkAlarmLights();
