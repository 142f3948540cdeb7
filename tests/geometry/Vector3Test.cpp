// Vector math: orientation of the products, lengths, the degenerate inputs and the float
// edge cases that the collision and the guards' aim depend on.
#include "geometry/Vector3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double pi = 3.141592653589793;

void expectVector(Vector3 expected, Vector3 actual, float tolerance = 1e-6f) {
  EXPECT_NEAR(expected.x, actual.x, tolerance);
  EXPECT_NEAR(expected.y, actual.y, tolerance);
  EXPECT_NEAR(expected.z, actual.z, tolerance);
}

TEST(Vector3Orientation, CrossProductIsRightHanded) {
  expectVector(Vector3(0.0f, 0.0f, 1.0f),
               crossProduct(Vector3(1.0f, 0.0f, 0.0f), Vector3(0.0f, 1.0f, 0.0f)));
  expectVector(Vector3(0.0f, 0.0f, -1.0f),
               crossProduct(Vector3(0.0f, 1.0f, 0.0f), Vector3(1.0f, 0.0f, 0.0f)));
  expectVector(Vector3(1.0f, 0.0f, 0.0f),
               crossProduct(Vector3(0.0f, 1.0f, 0.0f), Vector3(0.0f, 0.0f, 1.0f)));
}

TEST(Vector3Orientation, TriangleNormalPointsAwayFromTheCounterClockwiseViewer) {
  const Vector3 tri[3] = {Vector3(0.0f, 0.0f, 0.0f), Vector3(1.0f, 0.0f, 0.0f),
                          Vector3(0.0f, 1.0f, 0.0f)};
  expectVector(Vector3(0.0f, 0.0f, -1.0f), triangleNormal(tri));
  // A floor triangle, seen counter-clockwise from below, has the unit normal up; its size
  // does not show in the normal.
  const Vector3 floor[3] = {Vector3(0.0f, 0.0f, 0.0f), Vector3(10.0f, 0.0f, 0.0f),
                            Vector3(0.0f, 0.0f, 10.0f)};
  expectVector(Vector3(0.0f, 1.0f, 0.0f), triangleNormal(floor));
}

TEST(Vector3Lengths, LengthDistanceAndNormalisation) {
  EXPECT_FLOAT_EQ(13.0f, length(Vector3(3.0f, 4.0f, 12.0f)));
  EXPECT_FLOAT_EQ(13.0f, distanceBetween(Vector3(1.0f, 1.0f, 1.0f), Vector3(4.0f, 5.0f, 13.0f)));
  EXPECT_FLOAT_EQ(13.0f, distanceBetween(Vector3(4.0f, 5.0f, 13.0f), Vector3(1.0f, 1.0f, 1.0f)));
  expectVector(Vector3(3.0f / 13.0f, 4.0f / 13.0f, 12.0f / 13.0f),
               normalized(Vector3(3.0f, 4.0f, 12.0f)));
}

TEST(Vector3Lengths, NormalizedZeroVectorIsNotFinite) {
  const Vector3 n = normalized(Vector3(0.0f, 0.0f, 0.0f));
  EXPECT_FALSE(std::isfinite(n.x));
  EXPECT_FALSE(std::isfinite(n.y));
  EXPECT_FALSE(std::isfinite(n.z));
}

TEST(Vector3Planes, OriginDistanceIsThePlaneConstant) {
  EXPECT_FLOAT_EQ(-2.0f, originDistance(Vector3(0.0f, 1.0f, 0.0f), Vector3(5.0f, 2.0f, 7.0f)));
  EXPECT_FLOAT_EQ(3.0f, originDistance(Vector3(1.0f, 0.0f, 0.0f), Vector3(-3.0f, 9.0f, 9.0f)));
}

TEST(Vector3Angles, RightAngleZeroVectorAndAntiparallel) {
  EXPECT_NEAR(pi / 2.0, angleBetween(Vector3(1.0f, 0.0f, 0.0f), Vector3(0.0f, 1.0f, 0.0f)), 1e-7);
  EXPECT_EQ(0.0, angleBetween(Vector3(0.0f, 0.0f, 0.0f), Vector3(1.0f, 0.0f, 0.0f)));
  EXPECT_NEAR(pi, angleBetween(Vector3(1.0f, 0.0f, 0.0f), Vector3(-1.0f, 0.0f, 0.0f)), 1e-7);
  EXPECT_NEAR(90.0,
              angleBetweenDegrees(Vector3(1.0f, 0.0f, 0.0f), Vector3(0.0f, 0.0f, 1.0f)), 1e-5);
  EXPECT_EQ(0.0, angleBetweenDegrees(Vector3(0.0f, 0.0f, 0.0f), Vector3(0.0f, 0.0f, 1.0f)));
}

TEST(Vector3Angles, QuotientJustBelowMinusOneGivesZeroNotPi) {
  // |(1,1,0)| is sqrt(2) rounded down to a float, so the float product of the two lengths
  // is just under 2 and the float quotient -2 / lengths just under -1.
  const Vector3 a(1.0f, 1.0f, 0.0f);
  const Vector3 b(-1.0f, -1.0f, 0.0f);
  const float lengths = static_cast<float>(static_cast<double>(length(a)) * length(b));
  ASSERT_LT(static_cast<float>(dotProduct(a, b) / static_cast<double>(lengths)), -1.0f);
  EXPECT_EQ(0.0, angleBetween(a, b));
  EXPECT_EQ(0.0, angleBetweenDegrees(a, b));
}

TEST(Vector3ClosestPoint, BeforeAfterInsideAndAtTheStart) {
  const Vector3 a(0.0f, 0.0f, 0.0f);
  const Vector3 b(10.0f, 0.0f, 0.0f);
  expectVector(a, closestPointOnSegment(a, b, Vector3(-3.0f, 4.0f, 0.0f)));
  expectVector(b, closestPointOnSegment(a, b, Vector3(12.0f, 1.0f, 0.0f)));
  expectVector(Vector3(4.0f, 0.0f, 0.0f), closestPointOnSegment(a, b, Vector3(4.0f, 5.0f, 6.0f)));
  // t == 0 counts as lying before the start: the result is a itself.
  EXPECT_TRUE(a == closestPointOnSegment(a, b, Vector3(0.0f, 5.0f, 0.0f)));
  // The far end is b itself too.
  EXPECT_TRUE(b == closestPointOnSegment(a, b, Vector3(10.0f, 3.0f, 0.0f)));
}

TEST(Vector3Equality, ExactAndNeverWithNaN) {
  EXPECT_TRUE(Vector3(1.0f, 2.0f, 3.0f) == Vector3(1.0f, 2.0f, 3.0f));
  EXPECT_FALSE(Vector3(1.0f, 2.0f, 3.0f) == Vector3(1.0f, 2.0f, 3.0000002f));
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Vector3 withNaN(1.0f, nan, 3.0f);
  EXPECT_FALSE(withNaN == withNaN);
  EXPECT_FALSE(Vector3(nan, 2.0f, 3.0f) == Vector3(1.0f, 2.0f, 3.0f));
  EXPECT_FALSE(Vector3(1.0f, 2.0f, 3.0f) == Vector3(1.0f, 2.0f, nan));
}

TEST(Vector3Scalars, AbsValue) {
  EXPECT_EQ(2.5f, absValue(-2.5f));
  EXPECT_EQ(2.5f, absValue(2.5f));
}

TEST(Vector3Operators, MembersAndSubtractAgree) {
  const Vector3 a(1.0f, 2.0f, 3.0f);
  const Vector3 b(0.5f, -1.0f, 4.0f);
  expectVector(Vector3(0.5f, 3.0f, -1.0f), a - b);
  expectVector(a - b, subtract(a, b));
  expectVector(Vector3(1.5f, 1.0f, 7.0f), a + b);
  expectVector(Vector3(-2.0f, -4.0f, -6.0f), a * -2.0f);
  EXPECT_FLOAT_EQ(10.5f, dotProduct(a, b));
}

}  // namespace
