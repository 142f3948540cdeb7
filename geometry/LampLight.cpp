// The lamps' light on the floor, from the plan's lamps and attenuation.
#include "geometry/LampLight.h"

#include <cmath>

#include "geometry/MuseumPlan.h"

namespace museum {

float lampLightAt(float x, float z) {
  const double* fade = roomLightAttenuation;
  double light = 0.0;
  for (const auto& lamp : roomLights) {
    // From the floor's point to the lamp; the floor faces straight up.
    const double dx = lamp[0] - x, dy = lamp[1] - floorY, dz = lamp[2] - z;
    const double distance = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (!(dy > 0.0) || distance <= 0.0) continue;
    const double cosine = dy / distance;
    light += cosine / (fade[0] + fade[1] * distance + fade[2] * distance * distance);
  }
  return static_cast<float>(light);
}

}  // namespace museum
