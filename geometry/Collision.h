// Sphere against polygon tests used by the camera's collision with the level.
#pragma once

#include <cstdint>

#include "geometry/Vector3.h"

enum PlaneSide : std::int32_t { Behind = 0, Straddling = 1, InFront = 2 };

// Also stores the signed distance of centre from the plane in `distance`.
PlaneSide sphereSideOfPlane(Vector3 centre, Vector3 normal, Vector3 point, float radius,
                            float& distance);
// True when point (taken to lie in the polygon's plane) is inside: angle sum >= 0.99 turn.
bool pointInPolygon(Vector3 point, const Vector3* vertices, std::int32_t count);
// True when some edge comes nearer to centre than reach.
bool edgesWithinReach(Vector3 centre, const Vector3* vertices, std::int32_t count, float reach);
// Displacement that puts the sphere at exactly radius from the plane, on its centre's side.
Vector3 pushOutOffset(Vector3 normal, float radius, float distance);
