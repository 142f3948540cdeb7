// Walking and collision together, frame by frame as the game runs them: the frame moves the
// global camera by the held directions on the virtual clock, then the camera collides with a
// closed box of wall triangles. Also the walking step that the frame derives from its time.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/Display.h"
#include "app/Idle.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "geometry/Camera.h"
#include "input/HeldKeys.h"
#include "platform/Clock.h"
#include "support/GlContext.h"

namespace {

constexpr double pi = 3.141592653589793;
// One frame at 60 frames per second, in microseconds.
constexpr std::uint64_t frameMicros = 16667;
// How much closer than its radius the sphere may come to a wall, for float rounding.
constexpr float wallTolerance = 1e-4f;

// The box x 0..40, z 0..40, floor y = -6, ceiling y = 14; two triangles per face.
constexpr float boxSize = 40.0f;

void addQuad(std::vector<Vector3>& list, Vector3 a, Vector3 b, Vector3 c, Vector3 d) {
  list.insert(list.end(), {a, b, c, a, c, d});
}

std::vector<Vector3> closedBox() {
  const float s = boxSize;
  const float lo = -6.0f;
  const float hi = 14.0f;
  std::vector<Vector3> list;
  addQuad(list, Vector3(0, lo, 0), Vector3(s, lo, 0), Vector3(s, hi, 0), Vector3(0, hi, 0));
  addQuad(list, Vector3(0, lo, s), Vector3(s, lo, s), Vector3(s, hi, s), Vector3(0, hi, s));
  addQuad(list, Vector3(0, lo, 0), Vector3(0, lo, s), Vector3(0, hi, s), Vector3(0, hi, 0));
  addQuad(list, Vector3(s, lo, 0), Vector3(s, lo, s), Vector3(s, hi, s), Vector3(s, hi, 0));
  addQuad(list, Vector3(0, lo, 0), Vector3(s, lo, 0), Vector3(s, lo, s), Vector3(0, lo, s));
  addQuad(list, Vector3(0, hi, 0), Vector3(s, hi, 0), Vector3(s, hi, s), Vector3(0, hi, s));
  return list;
}

class WalkingCollision : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureGlContext()) {
      GTEST_SKIP() << "no X display (idle asks GLUT for a redisplay)";
    }
    platform::useVirtualClock(5000000);
    previousCamera = camera;
    currentScreen = GameScreen::Menu;  // no guard looks: the walking alone
    forwardDirection = 0;
    strafeDirection = 0;
  }

  void TearDown() override {
    forwardDirection = 0;
    strafeDirection = 0;
    camera = previousCamera;
    platform::useRealClock();
  }

  // Places the camera, then runs one frame standing still so the next interval is one frame.
  void startAt(Vector3 position, double heading) {
    player = Camera(position.x, position.y, position.z,
                    position.x - 100.0f * static_cast<float>(std::sin(heading)), position.y,
                    position.z - 100.0f * static_cast<float>(std::cos(heading)), 0.0f, 1.0f, 0.0f);
    camera = &player;
    runFrame(forwardDirection, strafeDirection);
  }

  // One frame: the clock moves on, the frame walks, the collision corrects.
  void frame(std::uint64_t micros = frameMicros) {
    platform::advanceVirtualClockMicros(micros);
    runFrame(forwardDirection, strafeDirection);
    player.collideWithTriangles(walls.data(), static_cast<std::int32_t>(walls.size()));
  }

  Camera player;
  Camera* previousCamera = nullptr;
  const std::vector<Vector3> walls = closedBox();
};

TEST_F(WalkingCollision, SlidesAlongAWallWalkedIntoAtAnAngle) {
  // Heading 20 degrees to the left of +z (towards +x): mostly into the wall z = 40, a little
  // along it.
  const double heading = pi + 20.0 * pi / 180.0;
  startAt(Vector3(5.0f, 1.0f, 20.0f), heading);
  const Vector3 sight = player.view - player.position;
  forwardDirection = 1;
  int slidingFrames = 0;
  for (int i = 0; i < 150; ++i) {
    const Vector3 before = player.position;
    frame();
    if (player.position.z < boxSize - player.radius - 0.01f) continue;  // not yet at the wall
    ++slidingFrames;
    EXPECT_NEAR(boxSize - player.radius, player.position.z, wallTolerance) << "frame " << i;
    EXPECT_NEAR(moveStep * std::sin(20.0 * pi / 180.0), player.position.x - before.x, 1e-4)
        << "frame " << i;
    // The pushes move the view point too, so the line of sight stays.
    const Vector3 nowSight = player.view - player.position;
    EXPECT_NEAR(sight.x, nowSight.x, 1e-3f);
    EXPECT_NEAR(sight.z, nowSight.z, 1e-3f);
  }
  EXPECT_GT(slidingFrames, 80);
  EXPECT_GT(player.position.x, 20.0f);
  EXPECT_LT(player.position.x, boxSize - player.radius);
}

TEST_F(WalkingCollision, TheStepFollowsTheFrameTimeAndPaceAndADiagonalTakesHalfOnEachAxis) {
  startAt(Vector3(20.0f, 1.0f, 20.0f), 0.0);
  forwardDirection = 1;
  strafeDirection = 1;
  frame(50000);
  EXPECT_NEAR(20.5f, player.position.x, 1e-4f);
  EXPECT_NEAR(19.5f, player.position.z, 1e-4f);
  player.walkPace = 4;
  forwardDirection = -1;
  strafeDirection = -1;
  frame(50000);
  EXPECT_NEAR(2.0f, moveStep, 2e-4f);
  EXPECT_NEAR(19.5f, player.position.x, 1e-4f);
  EXPECT_NEAR(20.5f, player.position.z, 1e-4f);
}

}  // namespace
