// Sphere against triangle collision: the four tests and the camera's pass over the level.
#include "geometry/Collision.h"

#include <cmath>

#include "geometry/Camera.h"

namespace {
// An angle sum of at least 0.99 of a full turn counts as inside.
constexpr double insideAngleSum = 0.99 * 6.283185307179586;

// The early rejection: a triangle can push the sphere only if the eye is within
//   1.1 * (the radius of the triangle's bounding sphere) + radius + slack
// of that sphere's centre (the centroid). A push needs the plane within radius of the eye, and
// then the foot of the perpendicular inside by the angle sum, or an edge within radius / 2.
// The angle sum also takes feet just outside an edge: those that see the edge under at least
// 0.99 of a half turn, at most (edge length / 2) * tan(0.9 degrees), under 1.6 % of the bounding
// radius, away from it. The 10 % and the slack (0.01 plus a hundred times the float rounding
// at the triangle's distance from the origin) leave room for every rounding on the way.
constexpr float boundingRadiusFactor = 1.1f;
constexpr float boundingSlack = 0.01f;
constexpr float roundingSlack = 1e-5f;  // per unit of |x| + |y| + |z| of the centroid

bool outOfReach(const Vector3& eye, const Vector3* tri, float radius) {
  const float cx = (tri[0].x + tri[1].x + tri[2].x) * (1.0f / 3.0f);
  const float cy = (tri[0].y + tri[1].y + tri[2].y) * (1.0f / 3.0f);
  const float cz = (tri[0].z + tri[1].z + tri[2].z) * (1.0f / 3.0f);
  const float magnitude = std::fabs(cx) + std::fabs(cy) + std::fabs(cz);
  // A triangle with a corner that is not finite is left to the full test, which decides as
  // before; so is any case where a NaN gets in below (every comparison with it is false).
  if (!std::isfinite(magnitude)) {
    return false;
  }
  float bound2 = 0.0f;  // the bounding radius squared
  for (int i = 0; i < 3; ++i) {
    const float dx = tri[i].x - cx, dy = tri[i].y - cy, dz = tri[i].z - cz;
    const float d2 = dx * dx + dy * dy + dz * dz;
    bound2 = d2 > bound2 ? d2 : bound2;
  }
  const float reach = boundingRadiusFactor * std::sqrt(bound2) + radius + boundingSlack +
                      roundingSlack * magnitude;
  const float ex = eye.x - cx, ey = eye.y - cy, ez = eye.z - cz;
  return reach >= 0.0f && ex * ex + ey * ey + ez * ez > reach * reach;
}
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
    // Cheaper than the plane test, and it spares the three arc cosines of every far triangle
    // whose plane happens to pass near the eye (the other end of a long wall).
    if (outOfReach(position, vQuad, radius)) {
      continue;
    }
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
