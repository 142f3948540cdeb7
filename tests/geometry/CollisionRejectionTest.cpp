// The camera's collision skips triangles out of the sphere's reach before any plane or angle
// test. This holds it to the full test on triangles of every size and shape, from eyes all
// around them: every position and line of sight must come out bit for bit the same.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "geometry/Camera.h"
#include "geometry/Collision.h"

namespace {

// The full test: every triangle through the plane test, the angle sum and the edge reach.
void collideFully(Camera& camera, const Vector3* vertices, std::int32_t vertexCount) {
  for (std::int32_t i = 0; i + 2 < vertexCount; i += 3) {
    const Vector3* tri = vertices + i;
    const Vector3 normal = triangleNormal(tri);
    float distance = 0.0f;
    if (sphereSideOfPlane(camera.position, normal, tri[0], camera.radius, distance) != Straddling) {
      continue;
    }
    const Vector3 foot = camera.position - normal * distance;
    if (pointInPolygon(foot, tri, 3) ||
        edgesWithinReach(camera.position, tri, 3, static_cast<float>(camera.radius / 2.0))) {
      const Vector3 offset = pushOutOffset(normal, camera.radius, distance);
      camera.position = camera.position + offset;
      camera.view = camera.view + offset;
    }
  }
}

struct Comparison {
  int cases = 0;
  int pushed = 0;      // cases the full test moved the eye
  int mismatches = 0;
  std::string first;   // the first mismatch, described
};

bool sameBits(const Vector3& a, const Vector3& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void compareAt(const Vector3& eye, const Vector3* vertices, std::int32_t count, Comparison& c,
               float radius = 2.2f) {
  Camera full(eye.x, eye.y, eye.z, eye.x + 70.0f, eye.y + 3.0f, eye.z - 70.0f, 0.0f, 1.0f, 0.0f);
  full.radius = radius;
  Camera fast = full;
  collideFully(full, vertices, count);
  fast.collideWithTriangles(vertices, count);
  ++c.cases;
  if (!sameBits(full.position, eye)) ++c.pushed;
  if (!sameBits(full.position, fast.position) || !sameBits(full.view, fast.view)) {
    if (c.mismatches++ == 0) {
      c.first = "eye (" + std::to_string(eye.x) + ", " + std::to_string(eye.y) + ", " +
                std::to_string(eye.z) + "): full test to (" + std::to_string(full.position.x) +
                ", " + std::to_string(full.position.y) + ", " + std::to_string(full.position.z) +
                "), early rejection to (" + std::to_string(fast.position.x) + ", " +
                std::to_string(fast.position.y) + ", " + std::to_string(fast.position.z) + ")";
    }
  }
}

Vector3 lerp(const Vector3& a, const Vector3& b, float t) {
  return Vector3(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t);
}

// Eyes around one triangle, where the decision turns: over its corners, edges and middle, just
// outside each edge (where the angle sum still takes a foot in, out to 1.6 % of the edge's
// half length, and the edge reach of 1.1), and far out in its own plane, at every height
// around the radius on both sides.
void compareAroundTriangle(const Vector3* tri, Comparison& c) {
  const Vector3 normal = triangleNormal(tri);
  if (!std::isfinite(normal.x) || !std::isfinite(normal.y) || !std::isfinite(normal.z)) {
    compareAt(lerp(tri[0], tri[1], 0.5f), tri, 3, c);
    return;
  }
  const Vector3 centre = lerp(lerp(tri[0], tri[1], 0.5f), tri[2], 1.0f / 3.0f);
  std::vector<Vector3> feet;
  for (int e = 0; e < 3; ++e) {
    const Vector3& a = tri[e];
    const Vector3& b = tri[(e + 1) % 3];
    feet.push_back(a);
    const Vector3 away = normalized(subtract(a, centre));
    for (const float h : {0.5f, 1.0f, 1.09f, 1.2f}) feet.push_back(a + away * h);
    for (const float t : {0.1f, 0.5f, 0.9f}) feet.push_back(lerp(a, b, t));
    // Outward from this edge, in the plane.
    const Vector3 mid = lerp(a, b, 0.5f);
    Vector3 out = normalized(crossProduct(subtract(b, a), normal));
    if (dotProduct(out, subtract(centre, mid)) > 0.0f) out = out * -1.0f;
    const float halfLength = 0.5f * length(subtract(b, a));
    for (const float h : {0.5f, 1.05f, 1.15f, 2.5f, 0.0157f * halfLength, 0.0165f * halfLength,
                          0.05f * halfLength}) {
      feet.push_back(mid + out * h);
    }
    // Far along the plane: the old test ran its arc cosines on such eyes.
    const float farOut = length(subtract(centre, a)) * 1.3f + 3.0f;
    feet.push_back(centre + out * farOut);
  }
  feet.push_back(centre);
  for (const Vector3& foot : feet) {
    for (const float d : {-2.5f, -2.19f, -1.0f, -0.01f, 0.0f, 0.3f, 1.5f, 2.19f, 2.2f, 2.21f}) {
      compareAt(foot + normal * d, tri, 3, c);
    }
  }
}

}  // namespace

TEST(CollisionRejection, SameAsTheFullTestOnTheEdgeCases) {
  Comparison c;
  const Vector3 floorTri[3] = {Vector3(0, 0, 0), Vector3(10, 0, 0), Vector3(0, 0, 10)};
  for (const Vector3& eye : {Vector3(2, 1, 2), Vector3(2, 2.2f, 2), Vector3(2, -1, 2),
                             Vector3(-0.05f, 1, 5), Vector3(-0.3f, 1, 5), Vector3(-0.5f, 1, 5),
                             Vector3(0, 0, 0), Vector3(30, 0.5f, 30)}) {
    compareAt(eye, floorTri, 3, c);
  }
  // Two equal corners: no finite normal. A corner at infinity.
  const Vector3 degenerate[3] = {Vector3(0, 0, 0), Vector3(0, 0, 0), Vector3(0, 0, 10)};
  compareAt(Vector3(0, 1, 1), degenerate, 3, c);
  const float inf = INFINITY;
  const Vector3 infinite[3] = {Vector3(0, 0, 0), Vector3(inf, 0, 0), Vector3(0, 0, 10)};
  compareAt(Vector3(1, 1, 1), infinite, 3, c);
  compareAt(Vector3(1, 1, 1), floorTri, 0, c);
  // A corner of two walls, the second tested from where the first put the eye.
  const Vector3 corner[6] = {Vector3(0, -5, -5), Vector3(0, 5, 5),  Vector3(0, 5, -5),
                             Vector3(-5, -5, 0), Vector3(5, 5, 0), Vector3(-5, 5, 0)};
  compareAt(Vector3(1, 0, 1), corner, 6, c);
  // A wall 500 long and 10 high: beside its long bottom edge the angle sum takes feet up to
  // almost 4 units outside it.
  const Vector3 wall[3] = {Vector3(0, 0, 0), Vector3(500, 0, 0), Vector3(250, 10, 0)};
  for (const float below : {0.5f, 2.0f, 3.5f, 3.9f, 4.2f}) {
    compareAt(Vector3(250, -below, 1.0f), wall, 3, c);
  }
  // Other radii, the odd ones included.
  for (const float radius : {0.0f, -1.0f, 0.5f, 50.0f, NAN}) {
    compareAt(Vector3(2, 1, 2), floorTri, 3, c, radius);
    compareAt(Vector3(250, -3.5f, 1.0f), wall, 3, c, radius);
  }
  // Triangles from a fingernail to a hall, a sliver among them, seen from all around.
  const std::vector<std::vector<Vector3>> shapes = {
      {Vector3(0, 0, 0), Vector3(0.4f, 0, 0), Vector3(0, 0, 0.4f)},
      {Vector3(1, 2, 3), Vector3(2.5f, 2, 3), Vector3(1, 3.2f, 3.5f)},
      {Vector3(0, 0, 0), Vector3(40, 0, 0), Vector3(20, 0.2f, 0)},
      {Vector3(-3, -1, 2), Vector3(4, 5, -1), Vector3(1, -2, -6)},
      {Vector3(0, -6, 0), Vector3(500, -6, 0), Vector3(0, -6, 485)}};
  for (const std::vector<Vector3>& shape : shapes) compareAroundTriangle(shape.data(), c);
  EXPECT_EQ(c.mismatches, 0) << c.first;
  EXPECT_GT(c.pushed, c.cases / 4);
}
