// One frame of the game's rules, in their fixed order: the frame interval and the walking
// step, the guards noticing the player, walking, the pushes away from the guards and the
// furniture, the room tracking and the wall collision, being caught, the alarm's blink and
// end, the guards' behaviour and their respawn waits. The display runs it, then draws.
#pragma once

#include <cstdint>

// ---- Frame values: recomputed every frame, never reset by a new game ----
extern float frameInterval;  // seconds between the previous frame and this one
extern float moveStep;       // distance walked this frame; pushes may negate it in place
extern bool alarmShown;      // the alarm as this frame's lights show it: before its end in
                             // this frame's blink
extern bool playerRan;       // the player moved at the running pace this frame: under the
                             // stealth rules a guard hears him

// The frame's rules, with the walking directions held now: forward +1, backward -1 or 0;
// sideways right +1, left -1 or 0.
void runFrame(std::int32_t forward, std::int32_t sideways);

// Moves the camera by the held directions with step s (exactly one row of the table applies).
// Returns true when it moved.
bool walkByHeldDirections(std::int32_t forward, std::int32_t sideways, float s);

// Room tracking of one frame: the first doorway strip of the current room that holds (x, z)
// decides; returns true when the camera stands in a strip (the wall collision is then
// skipped), and changes the current room when the strip's switch condition holds.
bool trackRoom(float x, float z);
