// The patrol: a whole lap of a guard's rectangle with its corner waits and turns, the quarter
// steps and the arrival test, and the sight distance.
#include <gtest/gtest.h>

#include "game/Guard.h"
#include "tests/game/GuardTestSupport.h"

using guardtest::GuardTest;
using guardtest::runFrame;

// A whole lap of guard 2's rectangle along +z, +x, -z, -x from (162, 164); guard 1 turns
// the other way at its corners (below, at corner 1).
TEST_F(GuardTest, WalksItsCornersInOrderWaitingOverFiveSecondsAtEach) {
  const Vector3 legs[4] = {headingPosZ, headingPosX, headingNegZ, headingNegX};
  Guard guard(guard2Path, guard2StartHeading);
  setUpGuard(guard, guard2Path, false);
  Camera player;
  float arrivedAt = platform::clockSeconds();
  int corner = 0;
  for (int frame = 0; frame < 10000 && corner < 5; ++frame) {
    const Vector3 before = guard.position;
    const bool wasWalking = guard.walking;
    runFrame(guard, player);
    if (wasWalking && guard.walking) {
      // On its leg: only the leg's coordinate moves.
      const bool alongX = guard.heading.x != 0.0f;
      EXPECT_EQ(before.y, guard.position.y);
      EXPECT_EQ(alongX ? before.z : before.x, alongX ? guard.position.z : guard.position.x);
    } else if (wasWalking) {
      arrivedAt = platform::clockSeconds();
    } else if (guard.walking) {
      SCOPED_TRACE(corner);
      const float waited = platform::clockSeconds() - arrivedAt;
      EXPECT_GT(waited, 5.0f);
      EXPECT_LT(waited, 5.5f);
      EXPECT_EQ(guard2Path[corner % 4], guard.position);
      EXPECT_EQ(legs[corner % 4], guard.heading);
      EXPECT_EQ(guard.headingAngle(), guard.angle);
      ++corner;
    }
  }
  EXPECT_EQ(5, corner);
}

TEST_F(GuardTest, QuarterStepsOnWalkFramesAndArrivalByTheFullStep) {
  Guard guard(guard1Path, guard1StartHeading);
  setUpGuard(guard, guard1Path, true);
  Camera player;
  for (int frame = 0; frame < 15; ++frame) {
    SCOPED_TRACE(frame);
    guard.walking = true;
    guard.position = Vector3(100.0f, -6.0f, 25.0f);
    clocks[0].currentFrame = frame;
    guard.update(0.1f, player);  // a step of 1.0
    const bool quarter = frame == 0 || frame == 1 || frame == 13 || frame == 14;
    EXPECT_FLOAT_EQ(quarter ? 100.25f : 101.0f, guard.position.x);
  }

  // 0.2 short of corner 1 on a quarter frame: the full step arrives, the angle waits a frame.
  clocks[0].currentFrame = 0;
  guard.position.x = 394.8f;
  guard.update(0.1f, player);
  EXPECT_FALSE(guard.walking);
  EXPECT_EQ(Vector3(395.0f, -6.0f, 25.0f), guard.position);
  EXPECT_EQ(headingPosZ, guard.heading);
  EXPECT_EQ(0.0f, guard.angle);
  guard.update(0.1f, player);
  EXPECT_EQ(guard1Path[1], guard.position);  // one unit higher
  EXPECT_EQ(-90.0f, guard.angle);
}

TEST(GuardSight, SeesInThreeDimensionsBelowSeventyFive) {
  const Guard guard(guard1Path, guard1StartHeading);
  const Vector3 p = guard.position;
  EXPECT_TRUE(guard.canSee(p + Vector3(44.994f, 59.992f, 0.0f)));  // 74.99 away
  EXPECT_FALSE(guard.canSee(p + Vector3(45.0f, 60.0f, 0.0f)));     // exactly 75
  EXPECT_FALSE(guard.canSee(p + Vector3(0.0f, 60.0f, 50.0f)));     // 50 across, 78 in all
}
