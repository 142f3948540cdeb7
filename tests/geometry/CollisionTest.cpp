// Sphere against triangle collision: the plane side test, the polygon and edge tests, and the
// camera's pass over a triangle list (pushes, thresholds, degenerate input, list order).
#include "geometry/Collision.h"

#include <gtest/gtest.h>

#include "support/ExpectVector.h"

#include <cmath>
#include <vector>

#include "geometry/Camera.h"

namespace {

using testsupport::expectVector;

// The floor y = 0 over the corner x >= 0, z >= 0, x + z <= 10; its normal is (0, 1, 0).
const Vector3 floorTriangle[3] = {Vector3(0.0f, 0.0f, 0.0f), Vector3(10.0f, 0.0f, 0.0f),
                                  Vector3(0.0f, 0.0f, 10.0f)};

Camera cameraAt(float x, float y, float z) {
  // Looking along -z from the eye, 100 units away.
  return Camera(x, y, z, x, y, z - 100.0f, 0.0f, 1.0f, 0.0f);
}

TEST(SphereSideOfPlane, StraddlingInFrontAndBehindAtTheExactRadiusAndBehindWithoutANormal) {
  const Vector3 up(0.0f, 1.0f, 0.0f);
  const Vector3 onPlane(3.0f, 0.0f, -7.0f);
  float distance = 99.0f;
  EXPECT_EQ(Straddling, sphereSideOfPlane(Vector3(2.0f, 1.0f, 2.0f), up, onPlane, 2.2f, distance));
  EXPECT_FLOAT_EQ(1.0f, distance);
  EXPECT_EQ(Straddling, sphereSideOfPlane(Vector3(2.0f, -1.0f, 2.0f), up, onPlane, 2.2f, distance));
  EXPECT_FLOAT_EQ(-1.0f, distance);
  EXPECT_EQ(InFront, sphereSideOfPlane(Vector3(2.0f, 2.2f, 2.0f), up, onPlane, 2.2f, distance));
  EXPECT_EQ(Behind, sphereSideOfPlane(Vector3(2.0f, -2.2f, 2.0f), up, onPlane, 2.2f, distance));
  // A triangle with two equal corners has no finite normal: behind.
  const Vector3 degenerate[3] = {Vector3(0.0f, 0.0f, 0.0f), Vector3(0.0f, 0.0f, 0.0f),
                                 Vector3(0.0f, 0.0f, 10.0f)};
  EXPECT_EQ(Behind, sphereSideOfPlane(Vector3(0.0f, 1.0f, 5.0f), triangleNormal(degenerate),
                                      degenerate[0], 2.2f, distance));
}

TEST(PushOutOffset, PutsTheCentreAtTheRadiusOnItsOwnSide) {
  const Vector3 up(0.0f, 1.0f, 0.0f);
  expectVector(Vector3(0.0f, 1.2f, 0.0f), pushOutOffset(up, 2.2f, 1.0f));
  expectVector(Vector3(0.0f, -1.2f, 0.0f), pushOutOffset(up, 2.2f, -1.0f));
  // A centre exactly in the plane goes to the back of it.
  expectVector(Vector3(0.0f, -2.2f, 0.0f), pushOutOffset(up, 2.2f, 0.0f));
}

TEST(PointInPolygon, AngleSumThresholdOfAlmostAFullTurn) {
  EXPECT_TRUE(pointInPolygon(Vector3(2.0f, 0.0f, 2.0f), floorTriangle, 3));
  EXPECT_FALSE(pointInPolygon(Vector3(8.0f, 0.0f, 8.0f), floorTriangle, 3));
  // Beside the edge x = 0 the edge is seen under 2 atan(5 / offset); the test accepts 178.2
  // degrees or more, which holds up to an offset of about 0.0786.
  EXPECT_TRUE(pointInPolygon(Vector3(-0.05f, 0.0f, 5.0f), floorTriangle, 3));
  EXPECT_TRUE(pointInPolygon(Vector3(-0.07f, 0.0f, 5.0f), floorTriangle, 3));
  EXPECT_FALSE(pointInPolygon(Vector3(-0.09f, 0.0f, 5.0f), floorTriangle, 3));
  EXPECT_FALSE(pointInPolygon(Vector3(-0.3f, 0.0f, 5.0f), floorTriangle, 3));
}

TEST(EdgesWithinReach, MeasuresFromTheCentreToTheNearestEdgePoint) {
  // (0, 0, 5) on the edge x = 0 is sqrt(0.3^2 + 1) = 1.044 from the first centre and
  // sqrt(0.5^2 + 1) = 1.118 from the second.
  EXPECT_TRUE(edgesWithinReach(Vector3(-0.3f, 1.0f, 5.0f), floorTriangle, 3, 1.1f));
  EXPECT_FALSE(edgesWithinReach(Vector3(-0.5f, 1.0f, 5.0f), floorTriangle, 3, 1.1f));
  // Beyond a vertex the nearest edge point is the vertex itself.
  EXPECT_TRUE(edgesWithinReach(Vector3(-0.5f, 0.0f, -0.5f), floorTriangle, 3, 1.1f));
}

TEST(CollideWithTriangles, FloorPushesTheEyeOutToItsSideWithTheViewButNotFromTheRadius) {
  Camera cam = cameraAt(2.0f, 1.0f, 2.0f);
  cam.collideWithTriangles(floorTriangle, 3);
  expectVector(Vector3(2.0f, 2.2f, 2.0f), cam.position);
  expectVector(Vector3(2.0f, 2.2f, -98.0f), cam.view);
  // Touching from above: not pushed. Below the floor: pushed further down.
  cam.collideWithTriangles(floorTriangle, 3);
  EXPECT_TRUE(cam.position == Vector3(2.0f, 2.2f, 2.0f));
  Camera below = cameraAt(2.0f, -1.0f, 2.0f);
  below.collideWithTriangles(floorTriangle, 3);
  expectVector(Vector3(2.0f, -2.2f, 2.0f), below.position);
}

TEST(CollideWithTriangles, BesideAnEdgeTheAngleSumOrAnEdgeWithinHalfTheRadiusPushes) {
  // At height 1.5 the edge is beyond reach: only the 178.2 degree angle test pushes there.
  const std::pair<Vector3, bool> cases[] = {
      {{-0.05f, 1.0f, 5.0f}, true},  {{-0.05f, 1.5f, 5.0f}, true}, {{-0.3f, 1.5f, 5.0f}, false},
      {{-0.3f, 1.0f, 5.0f}, true},   {{-0.5f, 1.0f, 5.0f}, false}};
  for (const auto& [eye, pushed] : cases) {
    Camera cam = cameraAt(eye.x, eye.y, eye.z);
    cam.collideWithTriangles(floorTriangle, 3);
    expectVector(pushed ? Vector3(eye.x, 2.2f, eye.z) : eye, cam.position);
  }
}

TEST(CollideWithTriangles, DegenerateTriangleNeverPushes) {
  const Vector3 degenerate[6] = {Vector3(0.0f, 0.0f, 0.0f),  Vector3(0.0f, 0.0f, 0.0f),
                                 Vector3(0.0f, 0.0f, 10.0f), Vector3(0.0f, 0.0f, 0.0f),
                                 Vector3(10.0f, 0.0f, 0.0f), Vector3(20.0f, 0.0f, 0.0f)};
  for (const Vector3 eye : {Vector3(0.0f, 1.0f, 5.0f), Vector3(0.0f, 0.0f, 5.0f),
                            Vector3(10.0f, 0.5f, 0.0f), Vector3(10.0f, 0.0f, 0.0f)}) {
    Camera cam = cameraAt(eye.x, eye.y, eye.z);
    cam.collideWithTriangles(degenerate, 6);
    EXPECT_TRUE(cam.position == eye);
    EXPECT_TRUE(std::isfinite(cam.view.x) && std::isfinite(cam.view.y) &&
                std::isfinite(cam.view.z));
  }
}

TEST(CollideWithTriangles, VerticesBeyondTheLastWholeTriangleAreIgnored) {
  // A distant wall first, then the floor under the eye, cut short: a list of exactly four or
  // five vertices holds no second triangle and must not be read past its end (the sanitizer
  // build reports such a read).
  const std::vector<Vector3> wallThenFloor = {
      Vector3(100.0f, 0.0f, 0.0f), Vector3(100.0f, 10.0f, 0.0f), Vector3(100.0f, 0.0f, 10.0f),
      floorTriangle[0],            floorTriangle[1],             floorTriangle[2]};
  for (std::int32_t count : {4, 5}) {
    const std::vector<Vector3> cutShort(wallThenFloor.begin(), wallThenFloor.begin() + count);
    Camera cam = cameraAt(2.0f, 1.0f, 2.0f);
    cam.collideWithTriangles(cutShort.data(), count);
    EXPECT_TRUE(cam.position == Vector3(2.0f, 1.0f, 2.0f)) << count << " vertices";
  }
  Camera none = cameraAt(2.0f, 1.0f, 2.0f);
  none.collideWithTriangles(nullptr, 0);
  EXPECT_TRUE(none.position == Vector3(2.0f, 1.0f, 2.0f));
  Camera whole = cameraAt(2.0f, 1.0f, 2.0f);
  whole.collideWithTriangles(wallThenFloor.data(), 6);
  expectVector(Vector3(2.0f, 2.2f, 2.0f), whole.position);
}

// Two walls meeting at the vertical corner line x = 0, z = 0.
const Vector3 wallX0[3] = {Vector3(0.0f, -10.0f, -10.0f), Vector3(0.0f, -10.0f, 30.0f),
                           Vector3(0.0f, 30.0f, -10.0f)};
const Vector3 wallZ0[3] = {Vector3(-10.0f, -10.0f, 0.0f), Vector3(30.0f, -10.0f, 0.0f),
                           Vector3(-10.0f, 30.0f, 0.0f)};
// A strip of the wall z = 0 that ends at x = 1.5 (at the eye's height it spans x -21.3..1.5).
const Vector3 narrowWallZ0[3] = {Vector3(1.5f, -10.0f, 0.0f), Vector3(1.5f, 30.0f, 0.0f),
                                 Vector3(-30.0f, -10.0f, 0.0f)};

std::vector<Vector3> listOf(const Vector3* first, const Vector3* second) {
  return {first[0], first[1], first[2], second[0], second[1], second[2]};
}

TEST(CollideWithTriangles, CornerPushesOutOfBothWalls) {
  const std::vector<Vector3> corner = listOf(wallX0, wallZ0);
  Camera cam = cameraAt(1.0f, 1.0f, 1.0f);
  cam.collideWithTriangles(corner.data(), 6);
  expectVector(Vector3(2.2f, 1.0f, 2.2f), cam.position);
  expectVector(Vector3(2.2f, 1.0f, -97.8f), cam.view);
}

TEST(CollideWithTriangles, LaterTrianglesSeeThePositionMovedByEarlierOnes) {
  // Pushed out of x = 0 first, the eye at (2.2, 1, 1) is past the narrow strip's end and
  // 1.22 from its edge: the strip no longer pushes.
  const std::vector<Vector3> wallFirst = listOf(wallX0, narrowWallZ0);
  Camera first = cameraAt(1.0f, 1.0f, 1.0f);
  first.collideWithTriangles(wallFirst.data(), 6);
  expectVector(Vector3(2.2f, 1.0f, 1.0f), first.position);
  // The other order: the strip pushes first, then the wall from the moved position.
  const std::vector<Vector3> stripFirst = listOf(narrowWallZ0, wallX0);
  Camera second = cameraAt(1.0f, 1.0f, 1.0f);
  second.collideWithTriangles(stripFirst.data(), 6);
  expectVector(Vector3(2.2f, 1.0f, 2.2f), second.position);
}

}  // namespace
