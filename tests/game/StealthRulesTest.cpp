// The rule sets on the real world through the real callbacks: a new game takes up the rules
// and difficulty chosen (never a heist in play), the difficulty's figures reach the guards,
// the stealth rules' shot stops in the first guard ahead and at walls and is heard everywhere,
// and their guards give up when the alarm dies down.
#include <gtest/gtest.h>

#include <GL/freeglut.h>

#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Rules.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"
#include "support/GameWorld.h"

using testsupport::placePlayer;

namespace {

class StealthRules : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
    testsupport::setClockSeconds(100.0);
    chooseRules(Rules::Stealth);
    chooseDifficulty(Difficulty::Normal);
    testsupport::startGame();
  }
  void TearDown() override {
    chooseRules(Rules::Classic);
    chooseDifficulty(Difficulty::Normal);
    playRules = RuleSet();
  }

  static void fire() { mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 512, 384); }

  // A guard standing on his leg at (x, z), walking along +x, unalerted.
  static void standGuard(Guard* guard, float x, float z) {
    guard->position = Vector3(x, -6.0f, z);
    guard->walking = true;
    guard->angle = 0.0f;
  }
};

TEST_F(StealthRules, ANewGameTakesUpTheChosenRulesWithTheirFiguresAndAHeistKeepsItsOwn) {
  EXPECT_EQ(playRules, (RuleSet{Rules::Stealth, Difficulty::Normal}));
  chooseRules(Rules::Classic);
  chooseDifficulty(Difficulty::Hard);
  EXPECT_EQ(playRules, (RuleSet{Rules::Stealth, Difficulty::Normal}));  // not in this heist
  keyboardDown(13, 0, 0);  // Enter in play: a new game
  EXPECT_EQ(playRules, (RuleSet{Rules::Classic, Difficulty::Hard}));
  for (Guard* guard : {guard1, guard2}) {
    EXPECT_FLOAT_EQ(guard->sightRange, 90.0f);
    EXPECT_FLOAT_EQ(guard->shotDamage, 40.0f);
    EXPECT_FLOAT_EQ(guard->clock(GuardAnimation::Shoot).frameMs, 93.75f);
    EXPECT_FLOAT_EQ(guard->clock(GuardAnimation::WeaponShoot).frameMs, 93.75f);
  }
  // Classic at Normal: the game's own figures, exactly.
  chooseDifficulty(Difficulty::Normal);
  keyboardDown(13, 0, 0);
  EXPECT_EQ(guard1->sightRange, guardSightDistance);
  EXPECT_EQ(guard1->shotDamage, guardShotDamage);
  EXPECT_EQ(guard1->clock(GuardAnimation::Shoot).frameMs, md2FrameMs);
}

TEST_F(StealthRules, TheShotStopsInTheFirstGuardAheadAndAtWallsAndEveryGuardHearsIt) {
  // Both guards on the line of fire along the hall: only the nearer is hit.
  placePlayer(Vector3(300.0f, 1.0f, 25.0f));  // looking along +x
  standGuard(guard1, 360.0f, 25.0f);
  standGuard(guard2, 330.0f, 25.0f);
  fire();
  EXPECT_EQ(guard2->health, 60);
  EXPECT_EQ(guard1->health, 100);
  // The one not hit heard it, and goes to look where it came from.
  EXPECT_TRUE(guard1->suspicious);
  EXPECT_EQ(guard1->noiseAt, camera->position);

  // Behind the player on his line: missed (the classic shot hits both ways).
  keyboardDown(13, 0, 0);
  placePlayer(Vector3(300.0f, 1.0f, 25.0f));
  standGuard(guard1, 270.0f, 25.0f);
  standGuard(guard2, 100.0f, 400.0f);
  fire();
  EXPECT_EQ(guard1->health, 100);
  EXPECT_TRUE(guard1->suspicious);
  EXPECT_TRUE(guard2->suspicious);  // across the museum

  // From room 3 at a guard in the hall: through the wall z 50..52 missed, through the
  // doorway at x 152..181 hit.
  for (const float x : {200.0f, 166.0f}) {
    keyboardDown(13, 0, 0);
    camera->position = Vector3(x, 1.0f, 80.0f);
    camera->view = Vector3(x, -0.7f, 70.0f);  // down at his middle, 55 off
    standGuard(guard1, x, 25.0f);
    standGuard(guard2, 100.0f, 400.0f);
    fire();
    EXPECT_EQ(guard1->health, x == 166.0f ? 60 : 100) << "from x " << x;
  }
}

// Seen, a guard raises the alarm and turns on the player; out of sight for the alarm's 25 s, he
// gives up and patrols on. Under the classic rules he would keep firing.
TEST_F(StealthRules, AGuardGivesUpWhenTheAlarmDiesDown) {
  placePlayer(Vector3(100.0f, 1.0f, 25.0f));
  camera->view = Vector3(90.0f, 1.0f, 25.0f);
  standGuard(guard1, 60.0f, 25.0f);  // 40 ahead of him along the hall
  testsupport::setClockSeconds(101.0);
  runFrame(0, 0);
  ASSERT_TRUE(guard1->alerted);
  ASSERT_TRUE(heist.alarmActive);
  placePlayer(Vector3(26.0f, 1.0f, 470.0f));  // far off, at the end of the left corridor
  for (double t = 101.1; t < 127.0; t += 0.1) {
    testsupport::setClockSeconds(t);
    runFrame(0, 0);
  }
  EXPECT_FALSE(heist.alarmActive);
  EXPECT_FALSE(guard1->alerted);
  const float x = guard1->position.x;
  testsupport::setClockSeconds(130.0);
  runFrame(0, 0);
  EXPECT_GT(guard1->position.x, x);  // walking his leg again
  EXPECT_EQ(camera->health, 100.0f);  // he never saw the player to shoot
}

}  // namespace
