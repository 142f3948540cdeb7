// The guard against the player: the push that keeps him away, aiming and firing once per pass
// through frame 17, and the player's hit test against the four stacked spheres; and what a
// guard releases when it is destroyed. (Falling, lying, vanishing and coming back are played
// through the game by the scenarios.)
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "game/Cues.h"
#include "game/Guard.h"
#include "tests/game/GuardTestSupport.h"

using guardtest::GuardTest;
using guardtest::runFrame;
using guardtest::ShotCounter;

TEST(GuardKeepAway, UndoesThePlayersStepWithinTenAndNegatesIt) {
  struct Row {
    int forward, sideways;
    float x, z;  // where the player ends, from the origin, looking along -z with a step of 2
  };
  const Row rows[] = {{1, 0, 0.0f, 2.0f}, {1, 1, -1.0f, 2.0f}, {-1, -1, 1.0f, -2.0f}};
  Guard guard(guard1Path, guard1StartHeading);
  Guard other(guard2Path, guard2StartHeading);
  guard.position = Vector3(0.0f, -6.0f, -5.0f);  // 8.6 from the eye
  other.position = Vector3(0.0f, 1.0f, 10.0f);   // 10 away: out of reach
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.forward << " " << row.sideways);
    Camera player(0.0f, 1.0f, 0.0f, 0.0f, 1.0f, -10.0f, 0.0f, 1.0f, 0.0f);
    float step = 2.0f;
    other.keepAway(row.forward, row.sideways, player, step);
    guard.keepAway(row.forward, row.sideways, player, step);
    EXPECT_EQ(-2.0f, step);
    EXPECT_NEAR(row.x, player.position.x, 1e-5f);
    EXPECT_NEAR(row.z, player.position.z, 1e-5f);
  }

  // A second guard in reach in the same frame negates the step back, and moves with it.
  other.position = Vector3(3.0f, 1.0f, 0.0f);
  Camera player(0.0f, 1.0f, 0.0f, 0.0f, 1.0f, -10.0f, 0.0f, 1.0f, 0.0f);
  float step = 2.0f;
  guard.keepAway(1, 0, player, step);
  other.keepAway(1, 0, player, step);
  EXPECT_EQ(2.0f, step);
  EXPECT_NEAR(0.0f, player.position.z, 1e-5f);
}

TEST_F(GuardTest, AnAlertedGuardFiresOncePerPassThroughFrame17) {
  Guard guard(guard1Path, guard1StartHeading);
  setUpGuard(guard, guard1Path, true);
  ShotCounter counter;
  setCuePlayer(&counter);
  guard.setAlerted(true);
  Camera player(300.0f, 1.0f, 400.0f, 300.0f, 1.0f, 390.0f, 0.0f, 1.0f, 0.0f);  // out of sight
  const float expectedHealth[5] = {70.0f, 40.0f, 10.0f, 0.0f, 0.0f};
  int passes = 0;
  bool was17 = false;
  for (int frame = 0; frame < 400 && passes < 5; ++frame) {
    const int shotsBefore = counter.shots;
    runFrame(guard, player);
    const bool is17 = clocks[2].currentFrame == 17;
    if (is17 && !was17) {
      ASSERT_EQ(shotsBefore + 1, counter.shots);
      EXPECT_EQ(expectedHealth[passes], player.health);
      ++passes;
    } else {
      EXPECT_EQ(shotsBefore, counter.shots);
    }
    was17 = is17;
  }
  setCuePlayer(nullptr);
  EXPECT_EQ(5, passes);
  EXPECT_EQ(guard1Path[0], guard.position);
}

TEST_F(GuardTest, AnAlertedGuardTurnsToThePlayer) {
  Guard guard(guard2Path, guard2StartHeading);
  setUpGuard(guard, guard2Path, false);
  guard.setAlerted(true);
  const Vector3 p = guard.position;
  // Yaw 0 faces +x; a player on the +z side gives a negative angle; on the guard, 0.
  const float cases[][3] = {{0.0f, 20.0f, -90.0f}, {-20.0f, 0.0f, 180.0f},
                            {-20.0f, -20.0f, 135.0f}, {0.0f, 0.0f, 0.0f}};
  for (const auto& c : cases) {
    Camera player(p.x + c[0], 1.0f, p.z + c[1], 0.0f, 1.0f, 0.0f, 0.0f, 1.0f, 0.0f);
    runFrame(guard, player);
    EXPECT_NEAR(c[2], guard.angle, 1e-3f) << c[0] << " " << c[1];
  }
}

TEST(GuardHitByShot, TheLineOfSightAgainstFourSpheres) {
  const Camera player(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, -10.0f, 0.0f, 1.0f, 0.0f);
  Guard guard(guard1Path, guard1StartHeading);
  const auto hitsAt = [&](float x, float y, float z) {
    guard.position = Vector3(x, y, z);
    return guard.isHitByShot(player);
  };
  EXPECT_FALSE(hitsAt(3.0f, -2.0f, -20.0f));  // the sphere 2 above the feet, 3 off: it grazes
  EXPECT_TRUE(hitsAt(2.9f, -2.0f, -20.0f));
  EXPECT_TRUE(hitsAt(0.0f, -2.0f, 20.0f));  // the whole line counts, behind the player too
  // The spheres span from 7 below the feet to 8.5 above them.
  EXPECT_TRUE(hitsAt(0.0f, 6.9f, -20.0f));
  EXPECT_FALSE(hitsAt(0.0f, 7.1f, -20.0f));
  EXPECT_TRUE(hitsAt(0.0f, -8.4f, -20.0f));
  EXPECT_FALSE(hitsAt(0.0f, -8.6f, -20.0f));
}

TEST_F(GuardTest, ReleasingAGuardLeavesTheSharedAnimationsAndTheOtherGuardsSkins) {
  Md2Clock otherClocks[6];
  Guard* first = new Guard(guard1Path, guard1StartHeading);
  Guard second(guard2Path, guard2StartHeading);
  first->setModels(models, clocks);
  second.setModels(models, otherClocks);
  GLuint names[4];
  glGenTextures(4, names);
  for (const GLuint name : names) {
    glBindTexture(GL_TEXTURE_2D, name);  // a name becomes a texture when first bound
  }
  first->texture = names[0];
  first->weaponTexture = names[1];
  second.texture = names[2];
  second.weaponTexture = names[3];

  delete first;
  for (int i = 0; i < 6; ++i) EXPECT_EQ(3u, models[i].frames[0].vertices.size()) << i;
  EXPECT_FALSE(glIsTexture(names[0]) || glIsTexture(names[1]));
  EXPECT_TRUE(glIsTexture(names[2]) && glIsTexture(names[3]));
}
