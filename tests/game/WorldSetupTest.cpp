// The museum as the world set-up builds it from data/: the flags before the first game, each
// guard's own copy of the animations, and the pedestals' one mesh.
#include <gtest/gtest.h>

#include "assets/Md2Model.h"
#include "assets/ModelObject.h"
#include "game/Alarm.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Screen.h"
#include "game/World.h"
#include "platform/Clock.h"
#include "render/Frame.h"
#include "support/GameWorld.h"

namespace {

class WorldSetup : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
    platform::useVirtualClock(1000000);
  }
};

}  // namespace

// Only meaningful before any game in this process; under ctest every test has its own.
TEST_F(WorldSetup, BeforeTheFirstGameOnlyTheExhibitsLackTheirIntactFlag) {
  if (heist.currentRoom != 0) GTEST_SKIP() << "a game already ran in this process";
  for (int row = 0; row < roomRows; ++row) {
    EXPECT_TRUE(pictures[row][0]->visible && pictures[row][0]->intact) << row;
    EXPECT_TRUE(swords[row][0]->visible && swords[row][0]->intact) << row;
    for (int i = 0; i < exhibitCount[row]; ++i) {
      EXPECT_TRUE(exhibits[row][i]->visible) << row << " " << i;
      EXPECT_FALSE(exhibits[row][i]->intact) << row << " " << i;
    }
  }
  // The placeholders: down, so that no rule touches them, and holding nothing.
  for (const Guard* guard : {guard1, guard2}) {
    ASSERT_NE(guard, nullptr);
    EXPECT_TRUE(guard->down);
    EXPECT_EQ(guard->walkModel, nullptr);
  }
  EXPECT_TRUE(menuActive());
  EXPECT_FALSE(heist.alarmActive);
}

// Their push box turns with them: turned only when first drawn, they pushed with the unturned one.
TEST_F(WorldSetup, TheLastFivePedestalsStandTurnedBeforeAnyFrameIsDrawn) {
  for (int i = 20; i < pedestalCount; ++i) {
    EXPECT_TRUE(pedestals[i]->rotated) << i;
    EXPECT_EQ(pedestals[i]->angle, -90.0f) << i;
    EXPECT_EQ(pedestals[i]->axis, Vector3(0.0f, 1.0f, 0.0f)) << i;
  }
}

TEST_F(WorldSetup, BothGuardsPlayOneSetOfAnimationsEachWithItsOwnClocks) {
  for (int slot = 0; slot < 6; ++slot) ASSERT_FALSE(guardModels[slot].frames.empty()) << slot;
  testsupport::startGame();
  EXPECT_EQ(guard1->walkModel, &guardModels[0]);
  EXPECT_EQ(guard2->standModel, &guardModels[1]);
  EXPECT_EQ(guard2->weaponFallModel, &guardModels[5]);
  EXPECT_EQ(guard1->clocks, guard1Clocks);
  EXPECT_EQ(guard2->clocks, guard2Clocks);
  // Each guard steps his own clock: a frame of play leaves guard 2's walk where it was.
  const Md2Clock before = guard2Clocks[0];
  guard1->walking = true;
  guard2->walking = false;
  guard1->update(0.05f, *camera);
  EXPECT_NE(guard1Clocks[0].lastTime, before.lastTime);
  EXPECT_EQ(guard2Clocks[0].lastTime, before.lastTime);
}

TEST_F(WorldSetup, ThePedestalsShareOneMeshEachStandingInItsOwnPlace) {
  ASSERT_NE(pedestals[0]->model, nullptr);
  Vector3 firstCentre;
  float firstRadius = 0.0f;
  pedestals[0]->boundingSphere(firstCentre, firstRadius);
  for (int i = 1; i < pedestalCount; ++i) {
    EXPECT_EQ(pedestals[i]->model, pedestals[0]->model) << i;
    Vector3 centre;
    float radius = 0.0f;
    pedestals[i]->boundingSphere(centre, radius);
    EXPECT_FLOAT_EQ(radius, firstRadius) << i;
    // The unturned ones stand as the first does, shifted by their place.
    if (pedestals[i]->rotated) continue;
    const Vector3 shift = pedestals[i]->position - pedestals[0]->position;
    EXPECT_LT(distanceBetween(centre - firstCentre, shift), 1e-3f) << i;
  }
}
