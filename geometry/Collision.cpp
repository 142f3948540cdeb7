// Sphere against triangle collision: the four tests and the camera's pass over the level.
#include "geometry/Collision.h"

#include "geometry/Camera.h"

namespace {
// An angle sum of at least 0.99 of a full turn counts as inside.
constexpr double insideAngleSum = 0.99 * 6.283185307179586;
}  // namespace

PlaneSide sphereSideOfPlane(Vector3 centre, Vector3 normal, Vector3 point, float radius,
                            float& distance) {
  const float d = originDistance(normal, point);
  distance = static_cast<float>(static_cast<double>(normal.x) * centre.x +
                                static_cast<double>(normal.y) * centre.y +
                                static_cast<double>(normal.z) * centre.z + d);
  if (absValue(distance) < radius) {
    return Straddling;
  }
  if (distance >= radius) {
    return InFront;
  }
  return Behind;
}

bool pointInPolygon(Vector3 point, const Vector3* vertices, std::int32_t count) {
  double sum = 0.0;
  for (std::int32_t i = 0; i < count; ++i) {
    const Vector3 vA = vertices[i] - point;
    const Vector3 vB = vertices[(i + 1) % count] - point;
    sum += angleBetween(vA, vB);
  }
  return insideAngleSum <= sum;
}

bool edgesWithinReach(Vector3 centre, const Vector3* vertices, std::int32_t count, float reach) {
  for (std::int32_t i = 0; i < count; ++i) {
    const Vector3 vPoint = closestPointOnSegment(vertices[i], vertices[(i + 1) % count], centre);
    if (distanceBetween(vPoint, centre) < reach) {
      return true;
    }
  }
  return false;
}

Vector3 pushOutOffset(Vector3 normal, float radius, float distance) {
  if (distance > 0.0f) {
    return normal * (radius - distance);
  }
  return normal * -(radius + distance);
}

void Camera::collideWithTriangles(const Vector3* vertices, std::int32_t vertexCount) {
  // A remainder of one or two vertices is no triangle and is ignored.
  for (std::int32_t i = 0; i + 2 < vertexCount; i += 3) {
    const Vector3* vQuad = vertices + i;
    const Vector3 vNormal = triangleNormal(vQuad);
    float distance = 0.0f;
    const PlaneSide side = sphereSideOfPlane(position, vNormal, vQuad[0], radius, distance);
    if (side != Straddling) {
      continue;
    }
    Vector3 vOffset = vNormal * distance;
    const Vector3 vIntersection = position - vOffset;
    if (pointInPolygon(vIntersection, vQuad, 3) ||
        edgesWithinReach(position, vQuad, 3, static_cast<float>(radius / 2.0))) {
      vOffset = pushOutOffset(vNormal, radius, distance);
      position = position + vOffset;
      view = view + vOffset;
    }
  }
}
