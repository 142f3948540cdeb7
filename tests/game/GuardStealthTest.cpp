// The guard under the stealth rules: what he sees (the light, his field of view, the walls
// and his difficulty's reach), where a noise takes him and how he comes back to his patrol,
// and that he fires only while he sees the player.
#include <gtest/gtest.h>

#include <cmath>

#include "game/Cues.h"
#include "game/Guard.h"
#include "game/Rules.h"
#include "geometry/SightLine.h"
#include "tests/game/GuardTestSupport.h"

using guardtest::GuardTest;
using guardtest::runFrame;
using guardtest::ShotCounter;

namespace {

// A guard at (x, -6, z) facing the way of yaw degrees (0 is +x, -90 is +z).
struct GuardAt : Guard {
  GuardAt(float x, float z, float yaw) : Guard(guard1Path, guard1StartHeading) {
    position = Vector3(x, -6.0f, z);
    angle = yaw;
  }
};

// The player's eye at `distance` on the floor from the guard, `degrees` off his facing.
Vector3 eyeFrom(const Guard& guard, float distance, float degrees) {
  const float yaw = (guard.angle + degrees) / 57.29578f;
  return Vector3(guard.position.x + distance * std::cos(yaw), 1.0f,
                 guard.position.z - distance * std::sin(yaw));
}

TEST(GuardStealthSight, SeesAheadFartherInTheLightAndNeverThroughAWall) {
  // In the middle of room 3, facing +x.
  const GuardAt guard(167.0f, 160.0f, 0.0f);
  // Full light: 75 units, as the classic sight; the dark halves it.
  EXPECT_TRUE(guard.seesInStealth(eyeFrom(guard, 60.0f, 0.0f), 1.0f));
  EXPECT_FALSE(guard.seesInStealth(eyeFrom(guard, 60.0f, 0.0f), 0.2f));
  EXPECT_TRUE(guard.seesInStealth(eyeFrom(guard, 30.0f, 0.0f), 0.2f));
  EXPECT_FALSE(guard.seesInStealth(eyeFrom(guard, 40.0f, 0.0f), 0.0f));  // 40.6 from his feet
  EXPECT_TRUE(guard.seesInStealth(eyeFrom(guard, 36.0f, 0.0f), 0.0f));
  // His field of view is 120 degrees: 60 either side of ahead, and nothing behind him.
  EXPECT_TRUE(guard.seesInStealth(eyeFrom(guard, 40.0f, 59.0f), 1.0f));
  EXPECT_TRUE(guard.seesInStealth(eyeFrom(guard, 40.0f, -59.0f), 1.0f));
  EXPECT_FALSE(guard.seesInStealth(eyeFrom(guard, 40.0f, 61.0f), 1.0f));
  EXPECT_FALSE(guard.seesInStealth(eyeFrom(guard, 20.0f, 180.0f), 1.0f));

  // Facing room 3 (+z): the player in the room, through the doorway at x 152..181, or behind
  // the wall beside it.
  const GuardAt byDoorway(160.0f, 25.0f, -90.0f), byWall(120.0f, 25.0f, -90.0f);
  const Vector3 inRoom(150.0f, 1.0f, 70.0f);
  EXPECT_TRUE(byDoorway.seesInStealth(inRoom, 1.0f));
  EXPECT_FALSE(byWall.seesInStealth(inRoom, 1.0f));
  EXPECT_TRUE(byWall.canSee(inRoom));  // as the classic rules see: by distance alone

  // The difficulty's reach.
  GuardAt hard(167.0f, 160.0f, 0.0f), easy(167.0f, 160.0f, 0.0f);
  hard.sightRange = guardSightDistance * figuresOf(Difficulty::Hard).sightFactor;
  easy.sightRange = guardSightDistance * figuresOf(Difficulty::Easy).sightFactor;
  EXPECT_TRUE(hard.seesInStealth(eyeFrom(hard, 80.0f, 0.0f), 1.0f));
  EXPECT_FALSE(easy.seesInStealth(eyeFrom(easy, 65.0f, 0.0f), 1.0f));
}

// Guard 1 waits at his first corner (26, 25) in the hall; the player runs in room 3 beyond the
// wall's corner. The guard turns and walks towards the noise as far as the walls let him, stands
// there, and after suspicionSeconds walks back to the very corner and patrols on from it.
TEST_F(GuardTest, AGuardLooksForANoiseAsFarAsTheWallsLetHimAndComesBackToHisPatrol) {
  Guard guard(guard1Path, guard1StartHeading);
  setUpGuard(guard, guard1Path, true);
  Camera player(300.0f, 1.0f, 400.0f, 300.0f, 1.0f, 390.0f, 0.0f, 1.0f, 0.0f);  // far off
  for (int frame = 0; frame < 10; ++frame) runFrame(guard, player);
  const Vector3 corner = guard.position;
  ASSERT_EQ(corner, guard1Path[0]);

  const Vector3 noise(70.0f, 1.0f, 60.0f);
  guard.hearNoise(noise);
  EXPECT_TRUE(guard.suspicious);
  EXPECT_TRUE(guard.offPatrol);
  float closest = distanceBetween(guard.position, noise);
  int framesToGiveUp = 1;
  for (; framesToGiveUp < 400; ++framesToGiveUp) {
    runFrame(guard, player);
    // Never into a wall: what he reaches, a straight line from his corner reaches.
    ASSERT_TRUE(museum::sightLineClear(corner.x, corner.z, guard.position.x, guard.position.z))
        << guard.position.x << " " << guard.position.z;
    if (!guard.suspicious) break;
    // Towards the noise, facing it.
    EXPECT_LE(distanceBetween(guard.position, noise), closest + 1e-3f);
    closest = distanceBetween(guard.position, noise);
    EXPECT_NEAR(guard.angle, std::atan2(-(noise.z - corner.z), noise.x - corner.x) * 57.29578f, 0.1f);
  }
  // He came up to the wall z 50..52, stopped short of it, and gave up after suspicionSeconds.
  EXPECT_GT(closest, 15.0f);
  EXPECT_LT(closest, 25.0f);
  EXPECT_NEAR(framesToGiveUp * guardtest::frameSeconds, suspicionSeconds, 0.1f);

  // Back to the corner, exactly, and on along his patrol.
  for (int frame = 0; frame < 400 && guard.offPatrol; ++frame) runFrame(guard, player);
  EXPECT_FALSE(guard.offPatrol);
  EXPECT_EQ(guard.position, corner);
  for (int frame = 0; frame < 200 && !guard.walking; ++frame) runFrame(guard, player);
  for (int frame = 0; frame < 20; ++frame) runFrame(guard, player);
  EXPECT_TRUE(guard.walking);
  EXPECT_GT(guard.position.x, corner.x);
  EXPECT_EQ(guard.position.z, corner.z);
}

// An alerted guard under the stealth rules holds his fire while he does not see the player, and
// aims where he last saw him; seen, he fires with his difficulty's damage.
TEST_F(GuardTest, UnderTheStealthRulesAGuardFiresOnlyWhileHeSeesThePlayer) {
  playRules = RuleSet{Rules::Stealth, Difficulty::Hard};
  Guard guard(guard1Path, guard1StartHeading);
  setUpGuard(guard, guard1Path, true);
  guard.shotDamage = figuresOf(Difficulty::Hard).shotDamage;
  ShotCounter counter;
  setCuePlayer(&counter);
  guard.setAlerted(true);
  guard.lastSeenAt = Vector3(26.0f, 1.0f, 100.0f);  // straight along +z from his corner
  Camera player(100.0f, 1.0f, 25.0f, 90.0f, 1.0f, 25.0f, 0.0f, 1.0f, 0.0f);
  for (int frame = 0; frame < 200; ++frame) runFrame(guard, player);
  EXPECT_EQ(counter.shots, 0);
  EXPECT_EQ(player.health, 100.0f);
  EXPECT_NEAR(guard.angle, -90.0f, 1e-3f);

  guard.seesPlayer = true;
  for (int frame = 0; frame < 200 && counter.shots == 0; ++frame) runFrame(guard, player);
  EXPECT_EQ(counter.shots, 1);
  EXPECT_EQ(player.health, 60.0f);
  EXPECT_NEAR(guard.angle, 0.0f, 1e-3f);  // on the player, along +x
  setCuePlayer(nullptr);
  playRules = RuleSet();
}

}  // namespace
