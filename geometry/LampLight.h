// How brightly the room lamps light a place on the museum's floor, worked out as the scene's
// lighting does it, from the plan's lamps and their attenuation: the stealth rules see a
// player in a lamp's pool from further off than one in the dark.
#pragma once

namespace museum {

// The lamps' light on the floor at (x, z): for each room light, the cosine of the angle at
// which its light strikes the floor's upward face (none from below) times the light's
// attenuation at that distance, summed over the five. The scene's per-vertex lighting gives
// the floor exactly this share of the lamps' diffuse light, and the floor's material is nearly
// all diffuse, so this is what the player sees: about 1 straight under a lamp (16 units below
// it), a half some 28 units out, a tenth or less in the far corners. The lamps shine through
// the walls in the scene as here.
float lampLightAt(float x, float z);

}  // namespace museum
