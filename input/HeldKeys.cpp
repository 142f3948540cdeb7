// The held walking directions.
#include "input/HeldKeys.h"

#include "game/Cues.h"

std::int32_t forwardDirection = 0;
std::int32_t strafeDirection = 0;

void releaseHeldDirections() {
  forwardDirection = 0;
  strafeDirection = 0;
  if (cuePlaying(Cue::Footsteps)) stopCue(Cue::Footsteps);
}
