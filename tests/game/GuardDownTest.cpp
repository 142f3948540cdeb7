// A guard shot down: it falls and lies 10 s, is gone, and after the respawn wait stands fresh
// at corner 0 again; and what a guard releases when it is destroyed.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "game/Guard.h"
#include "game/GuardRespawn.h"
#include "tests/game/GuardTestSupport.h"

using guardtest::GuardTest;

namespace {

class GuardDownTest : public GuardTest {
 protected:
  // The frame renderer's part: update while not gone, then the respawn wait.
  void runRendererFrame(Guard& guard, Camera& player) {
    platform::advanceVirtualClockMicros(guardtest::frameMicros);
    if (!guard.gone) {
      guard.update(guardtest::frameSeconds, player);
    }
    runRespawnWait(guard, downTime, guard1Path, guard1StartHeading);
  }
  std::int32_t downTime = -1;
};

float now() {
  return platform::clockSeconds();
}

}  // namespace

// An alerted guard brought below 1 health falls (and so comes back, unalerted).
TEST_F(GuardDownTest, FallsLiesTenSecondsAndComesBackFreshAtCornerZero) {
  Guard guard(guard1Path, guard1StartHeading);
  setUpGuard(guard, guard1Path, true);
  guard.walking = true;  // on the second leg, heading +z
  guard.targetIndex = 2;
  guard.heading = headingPosZ;
  guard.position = Vector3(395.0f, -5.0f, 80.0f);
  guard.setAlerted(true);
  Camera player(395.0f, 1.0f, 140.0f, 395.0f, 1.0f, 130.0f, 0.0f, 1.0f, 0.0f);
  // Brought down by three shots of 40, as the player's deal them.
  guard.health = -20;
  guard.down = true;

  const float downAt = now() + guardtest::frameSeconds;
  while (now() < downAt + 9.9f) {
    runRendererFrame(guard, player);
    ASSERT_FALSE(guard.gone);
  }
  EXPECT_EQ(Vector3(395.0f, -5.0f, 80.0f), guard.position);
  EXPECT_EQ(100.0f, player.health);
  EXPECT_EQ(8, models[3].currentFrame);  // the fall rests on its last shown frame
  while (!guard.gone && now() < downAt + 11.0f) {
    runRendererFrame(guard, player);
  }
  ASSERT_TRUE(guard.gone);
  EXPECT_GT(now() - downAt, 10.0f);
  const std::int32_t goneSecond = static_cast<std::int32_t>(now());
  EXPECT_EQ(goneSecond, downTime);

  while (guard.gone && now() < goneSecond + 12.0f) {
    runRendererFrame(guard, player);
  }
  EXPECT_EQ(goneSecond + 9, static_cast<std::int32_t>(now()));
  EXPECT_EQ(-1, downTime);
  EXPECT_EQ(100, guard.health);
  EXPECT_FALSE(guard.alerted || guard.down || guard.gone || guard.walking);
  EXPECT_EQ(guard1Path[0], guard.position);
  EXPECT_EQ(guard1StartHeading, guard.heading);
  EXPECT_FALSE(models[3].playOnce);

  // It waits at corner 0, then sets off along its first leg.
  while (!guard.walking && now() < goneSecond + 20.0f) {
    runRendererFrame(guard, player);
  }
  for (int i = 0; i < 20; ++i) {
    runRendererFrame(guard, player);
  }
  EXPECT_GT(guard.position.x, guard1Path[0].x);
  EXPECT_EQ(guard1Path[0].z, guard.position.z);
}

TEST_F(GuardTest, ReleasingAGuardLeavesTheOtherGuardsModelsAndSkins) {
  Md2Model otherModels[6];
  for (int i = 0; i < 6; ++i) {
    guardtest::buildAnimation(otherModels[i], guardtest::frameCounts[i]);
  }
  Guard* first = new Guard(guard1Path, guard1StartHeading);
  Guard second(guard2Path, guard2StartHeading);
  first->setModels(models);
  second.setModels(otherModels);
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
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(models[i].frames[0].vertices.empty()) << i;
    EXPECT_EQ(3u, otherModels[i].frames[0].vertices.size()) << i;
  }
  EXPECT_FALSE(glIsTexture(names[0]) || glIsTexture(names[1]));
  EXPECT_TRUE(glIsTexture(names[2]) && glIsTexture(names[3]));
}
