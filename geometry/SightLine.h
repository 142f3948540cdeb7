// Whether a straight line between two places in the museum passes a wall: the stealth rules'
// test of a guard's sight and of a shot, read from the museum's plan.
#pragma once

namespace museum {

// True when the line on the floor from (ax, az) to (bx, bz) stays inside the rooms and the
// doorways that join them, their edges included, so that it passes no wall. An end inside a
// wall or outside the museum has no clear line.
//
// The test is on the floor plan, and exact at every height below the door tops (y 8): there
// the walls are exactly what lies between the rooms' floor areas and the doorway openings
// (the asset generator builds the level from the same plan), and every eye (the player's at
// y 1, a guard's about 7 above his feet at y -6) and every part of a guard a shot can strike
// is lower. So the question needs the plan's 12 rectangles, not the 2,952 triangles of the
// level (or the hundreds of them near a line). What stands in the rooms, the furniture and
// the pedestals, is lower than the eyes; the sword boards lie flat on the walls.
bool sightLineClear(float ax, float az, float bx, float bz);

}  // namespace museum
