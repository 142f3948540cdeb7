// The feedback of a fight in the real frame: the red flash over the window when a guard's shot
// takes health, gone after about 0.2 s, and the pistol's kick when the player fires.
#include <gtest/gtest.h>

#include "app/Idle.h"
#include "game/GameState.h"
#include "input/Mouse.h"
#include "platform/Clock.h"
#include "platform/Swap.h"
#include "render/Frame.h"
#include "render/HitFlash.h"
#include "render/PlayerPistol.h"
#include "render/RenderProbe.h"
#include "support/GameWorld.h"

#include <GL/freeglut.h>

namespace {

// The finished frame, read just before the swap.
std::vector<std::uint8_t> frame;
void keepFrame() {
  frame = renderprobe::readBlock(0, 0, renderprobe::width, renderprobe::height);
}
renderprobe::Rgb corner() {
  return {frame[0], frame[1], frame[2]};
}
// The bottom right quarter (GL rows count from the bottom).
std::vector<std::uint8_t> bottomRight() {
  std::vector<std::uint8_t> quarter;
  for (int row = 0; row < renderprobe::height / 2; ++row) {
    const auto start = frame.begin() + (row * renderprobe::width + renderprobe::width / 2) * 3;
    quarter.insert(quarter.end(), start, start + renderprobe::width / 2 * 3);
  }
  return quarter;
}

class HitFlashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
    platform::useVirtualClock(0);
    testsupport::setClockSeconds(500.0);
    testsupport::startGame();
    renderprobe::beginGameFrame();
    platform::setBeforeSwapHook(keepFrame);
    currentRoom = 2;
    testsupport::placePlayer(Vector3(300.0f, 1.0f, 160.0f));
    display();
  }
  void TearDown() override { platform::setBeforeSwapHook(nullptr); }
};

TEST_F(HitFlashTest, AHitReddensTheWholeWindowForAFifthOfASecond) {
  display();
  const renderprobe::Rgb before = corner();
  EXPECT_FLOAT_EQ(0.0f, hitFlashStrength()) << "a flash without a hit";
  camera->health -= 10.0f;
  display();
  EXPECT_GT(hitFlashStrength(), 0.4f);
  EXPECT_GT(corner().r, before.r + 60) << "the corner of the window is not red";
  testsupport::setClockSeconds(500.1);
  display();
  EXPECT_GT(hitFlashStrength(), 0.1f);
  EXPECT_LT(hitFlashStrength(), 0.3f);
  testsupport::setClockSeconds(500.25);
  display();
  EXPECT_FLOAT_EQ(0.0f, hitFlashStrength());
  EXPECT_EQ(before.r, corner().r);
}

TEST_F(HitFlashTest, FiringFlashesAtTheMuzzleAndKicksThePistolBack) {
  display();
  const std::vector<std::uint8_t> before = bottomRight();
  mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 512, 384);
  EXPECT_DOUBLE_EQ(0.0, secondsSincePlayerShot());
  display();
  auto brighterThanBefore = [&before]() {
    const std::vector<std::uint8_t> now = bottomRight();
    int brighter = 0;
    for (std::size_t i = 0; i < before.size(); i += 3) {
      if (now[i] + now[i + 1] > before[i] + before[i + 1] + 150) ++brighter;
    }
    return brighter;
  };
  EXPECT_GT(brighterThanBefore(), 200) << "no muzzle flash at the bottom right";
  testsupport::setClockSeconds(501.0);
  display();
  EXPECT_LT(brighterThanBefore(), 20) << "the flash did not go out";
}

}  // namespace
