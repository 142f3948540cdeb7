// The display callback on the real world: room tracking through the doorway strips and the
// wall collision outside them, the end of a game at no health, the guards after it, the turned
// pedestals, the alarm lamps, and the pointer held at the centre while the menu is shown.
#include <gtest/gtest.h>

#include <cstdint>

#include "app/Display.h"
#include "app/Startup.h"
#include "assets/ModelObject.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Screen.h"
#include "game/World.h"
#include "input/HeldKeys.h"
#include "platform/Clock.h"
#include "render/Frame.h"
#include "support/GameWorld.h"

using testsupport::placePlayer;

namespace {

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
    platform::useVirtualClock(0);
    testsupport::setClockSeconds(200.0);
    testsupport::startGame();
    forwardDirection = strafeDirection = 0;
    moveStep = 0.0f;
    frameInterval = 0.05f;
  }
  void TearDown() override {
    currentScreen = GameScreen::Playing;
    heist.alarmActive = false;
  }

  // The player's eye at p looking along +x, in the given room, then one frame.
  void frameAt(std::int16_t room, const Vector3& p) {
    heist.currentRoom = room;
    placePlayer(p);
    display();
  }
};

struct ZoneCase {
  std::int16_t room;
  float x, z;
  bool inStrip;  // the wall collision is skipped
  std::int16_t roomAfter;
};

TEST_F(FrameTest, DoorwayStripsDecideTheRoomAndWhereTheWallsCollide) {
  const ZoneCase cases[] = {
      // Hall: the doorways to rooms 2, 3 and 4 change the room only past their middle lines;
      // the strips' bounds are strict and exact to the unit; the first zone decides.
      {1, 395, 50, true, 1}, {1, 395, 52, true, 2}, {1, 381, 52, false, 1},
      {1, 152.5f, 52, true, 3}, {1, 54, 160, true, 3}, {1, 54, 380, true, 4},
      {1, 400, 160, true, 2},
      // Hall: the two strips that change no room, bounds included.
      {1, 20, 38, true, 1}, {1, 19.9f, 45, false, 1}, {1, 56, 278, true, 1},
      {1, 30, 278.1f, false, 1},
      {2, 395, 54, true, 2}, {2, 395, 50, true, 1}, {2, 280, 160, true, 3},
      {2, 284, 152, false, 2}, {2, 395, 276, true, 4},
      {3, 170, 50, true, 1}, {3, 52, 160, true, 1}, {3, 282, 160, true, 2},
      {3, 170, 276, true, 4},
      {4, 395, 274, true, 2}, {4, 170, 274, true, 3}, {4, 52, 380, true, 1},
      {4, 56, 375, false, 4},
  };
  for (const ZoneCase& c : cases) {
    heist.currentRoom = c.room;
    EXPECT_EQ(trackRoom(c.x, c.z), c.inStrip)
        << "room " << c.room << " at x " << c.x << ", z " << c.z;
    EXPECT_EQ(heist.currentRoom, c.roomAfter) << "room " << c.room << " at x " << c.x << ", z " << c.z;
  }
  // Before the first game there is no room and so no strip.
  heist.currentRoom = 0;
  EXPECT_FALSE(trackRoom(395, 52));
  EXPECT_EQ(heist.currentRoom, 0);
}

// The left corridor's wall x 52..54 starts at z 52: a player 1.5 from its face is pushed off
// it, except inside the strip at the corridor's corner.
TEST_F(FrameTest, TheFrameRunsTheWallCollisionOnlyOutsideTheStrips) {
  frameAt(1, Vector3(50.5f, 1.0f, 100.0f));
  EXPECT_LT(camera->position.x, 50.0f);
  EXPECT_EQ(heist.currentRoom, 1);

  frameAt(1, Vector3(50.5f, 1.0f, 53.0f));
  EXPECT_FLOAT_EQ(camera->position.x, 50.5f);
  EXPECT_FLOAT_EQ(camera->position.z, 53.0f);

  frameAt(1, Vector3(395.0f, 1.0f, 52.0f));
  EXPECT_EQ(heist.currentRoom, 2);
}

TEST_F(FrameTest, TheGameIsOverOnTheFirstMuseumFrameWithoutHealth) {
  camera->health = 0.01f;
  display();
  EXPECT_FALSE(gameOver());

  camera->health = 0.0f;
  currentScreen = GameScreen::Menu;
  display();
  EXPECT_FALSE(gameOver());  // the menu is no museum frame

  currentScreen = GameScreen::Playing;
  display();
  EXPECT_TRUE(gameOver());

  currentScreen = GameScreen::Playing;
  camera->health = -30.0f;
  display();
  EXPECT_TRUE(gameOver());
}

TEST_F(FrameTest, AfterTheGameIsOverGuardsStandStillAndNoneComesBack) {
  guard1->walking = true;  // from corner 0 along +x
  platform::advanceVirtualClockMicros(50000);
  display();
  const float walkedTo = guard1->position.x;
  EXPECT_GT(walkedTo, guard1Path[0].x);

  camera->health = 0.0f;
  guard2->gone = guard2->down = true;
  for (int i = 0; i < 20; ++i) {
    platform::advanceVirtualClockMicros(500000);
    display();
  }
  EXPECT_TRUE(gameOver());
  EXPECT_FLOAT_EQ(guard1->position.x, walkedTo);
  EXPECT_TRUE(guard2->gone);
  EXPECT_EQ(heist.guardDownTime[1], -1);
}

// Looking along x 459 towards +z: pedestals 20, 21, 22 and 24 stand near the line of sight,
// 23 (x 93) does not.
TEST_F(FrameTest, GreenLampsGlowInPeaceAndRedOnesDuringTheAlarm) {
  auto emission = [](int lamp, int k) { return alarmLamps[lamp]->emission[k]; };
  display();
  for (int i = 0; i < alarmLampCount; ++i) {
    ASSERT_NE(alarmLamps[i]->emission, nullptr);
    EXPECT_FLOAT_EQ(emission(i, 1), i % 2 == 1 ? 0.8f : 0.0f) << i;  // the odd ones green
  }

  heist.alarmActive = true;
  heist.alarmStartTime = platform::clockSeconds();
  display();
  EXPECT_FLOAT_EQ(emission(0, 0), 1.0f);
  EXPECT_FLOAT_EQ(emission(1, 1), 0.0f);

  // The frame that ends the alarm still shows its colours.
  heist.alarmStartTime = platform::clockSeconds() - 26.0f;
  display();
  EXPECT_FALSE(heist.alarmActive);
  EXPECT_FLOAT_EQ(emission(2, 0), 1.0f);
  display();
  EXPECT_FLOAT_EQ(emission(2, 0), 0.0f);
  EXPECT_FLOAT_EQ(emission(3, 1), 0.8f);
}

}  // namespace
