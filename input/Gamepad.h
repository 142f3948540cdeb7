// Game pads through SDL's game-controller API (its joystick and game-controller subsystems
// only; SDL opens no window). Every pad plugged in counts, from start-up or later, and one
// pulled out is let go; SDL_GAMECONTROLLERCONFIG adds mappings as SDL reads it.
// Calling order: startGamepads once at start-up, readGamepads once a frame before the
// frame's rules, stopGamepads at the end (optional: the process's end does the same).
#pragma once

#include <cstdint>

#include "game/ReplayFile.h"

// The player's pad options, set at start-up from the settings file's option lines.
struct PadOptions {
  float turnSpeed = 180.0f;  // degrees a second the view turns with the right stick at full tilt
  bool inverted = false;     // the right stick pushed up looks down
  float deadZone = 0.15f;    // 0..0.5 of full tilt that counts as the stick at rest
  bool swapSticks = false;   // the right stick walks and the left one looks
};

// ---- Live for the whole run ----
extern PadOptions padOptions;
// The walking directions the pad holds, as the keys' (input/HeldKeys.h): rewritten every
// frame by readGamepads, 0 when no pad walks or outside play.
extern std::int32_t padForward;
extern std::int32_t padStrafe;

// Opens SDL's game-controller subsystem; false (and the pad unused) when SDL cannot.
bool startGamepads();
// One frame of the pads: picks up pads plugged in or out, reads them, hands the reading to
// the heist's recording, and acts on what changed since the last frame (buttons pressed,
// sticks pushed), turning the view by the right stick for the game time since the last
// reading.
void readGamepads();
// ---- Recorded heists: each frame's reading, and the reading at the new game ----
// Hands the recorder the pads' last reading for a new game's header (at start-up).
void recordGamepads();
// Watching: the pads as they stood before the recorded new game (its reading, and the clock
// of the last frame before it).
void resumeRecordedGamepads(const ReplayPadState& atStart, std::uint32_t lastReadingMs);
// Watching: one frame of the recorded pads, acted on as readGamepads acts on what it reads.
void replayGamepads(const ReplayPadState& reading);

// Lets every pad go and closes the subsystem.
void stopGamepads();
// How many pads are open now.
int openGamepadCount();

// The walking direction of this frame, keys first: a held key wins over the pad.
std::int32_t walkingForward();
std::int32_t walkingSideways();

// The stick's response: 0 inside the dead zone, then rising with the square of the tilt
// beyond it to 1 at full tilt (small tilts for small corrections), with the tilt's sign.
// value is -1..1, deadZone 0..0.5.
float stickResponse(float value, float deadZone);
