// Drawing a guard in the pose his behaviour of this frame left.
#pragma once

class Guard;

// The figure and its weapon (each with its own skin) at the guard's place, turned by his yaw
// and drawn at his scale; nothing when his behaviour did not run this frame.
void drawGuard(const Guard& guard);
