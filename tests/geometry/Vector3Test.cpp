// Vector math: the float edge cases that the collision and the guards' aim depend on (the
// products and normals are exercised by every collision test).
#include "geometry/Vector3.h"

#include <gtest/gtest.h>

#include "support/ExpectVector.h"

#include <cmath>
#include <limits>

namespace {

using testsupport::expectVector;

constexpr double pi = 3.141592653589793;

TEST(Vector3, AnglesAndTheQuotientJustBelowMinusOne) {
  EXPECT_EQ(0.0, angleBetween(Vector3(0.0f, 0.0f, 0.0f), Vector3(1.0f, 0.0f, 0.0f)));
  EXPECT_NEAR(pi, angleBetween(Vector3(1.0f, 0.0f, 0.0f), Vector3(-1.0f, 0.0f, 0.0f)), 1e-7);
  EXPECT_NEAR(90.0,
              angleBetweenDegrees(Vector3(1.0f, 0.0f, 0.0f), Vector3(0.0f, 0.0f, 1.0f)), 1e-5);
  // |(1,1,0)| is sqrt(2) rounded down to a float, so the float product of the two lengths
  // is just under 2 and the float quotient -2 / lengths just under -1: 0, not pi.
  const Vector3 a(1.0f, 1.0f, 0.0f);
  const Vector3 b(-1.0f, -1.0f, 0.0f);
  const float lengths = static_cast<float>(static_cast<double>(length(a)) * length(b));
  ASSERT_LT(static_cast<float>(dotProduct(a, b) / static_cast<double>(lengths)), -1.0f);
  EXPECT_EQ(0.0, angleBetween(a, b));
  EXPECT_EQ(0.0, angleBetweenDegrees(a, b));
}

TEST(Vector3, ClosestPointOnASegmentAndExactEquality) {
  const Vector3 a(0.0f, 0.0f, 0.0f);
  const Vector3 b(10.0f, 0.0f, 0.0f);
  expectVector(Vector3(4.0f, 0.0f, 0.0f), closestPointOnSegment(a, b, Vector3(4.0f, 5.0f, 6.0f)));
  // t == 0 counts as lying before the start, the far end is b itself.
  EXPECT_TRUE(a == closestPointOnSegment(a, b, Vector3(0.0f, 5.0f, 0.0f)));
  EXPECT_TRUE(b == closestPointOnSegment(a, b, Vector3(12.0f, 3.0f, 0.0f)));
  EXPECT_FALSE(Vector3(1.0f, 2.0f, 3.0f) == Vector3(1.0f, 2.0f, 3.0000002f));
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Vector3 withNaN(1.0f, nan, 3.0f);
  EXPECT_FALSE(withNaN == withNaN);
}

}  // namespace
