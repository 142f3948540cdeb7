// Comparing vectors component by component within a tolerance.
#pragma once

#include <gtest/gtest.h>

#include "geometry/Vector3.h"

namespace testsupport {

inline void expectVector(Vector3 expected, Vector3 actual, float tolerance = 1e-5f) {
  EXPECT_NEAR(expected.x, actual.x, tolerance);
  EXPECT_NEAR(expected.y, actual.y, tolerance);
  EXPECT_NEAR(expected.z, actual.z, tolerance);
}

}  // namespace testsupport
