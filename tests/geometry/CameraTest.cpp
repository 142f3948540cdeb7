// The first-person camera: walking and strafing on the floor plane, turning, mouse look with
// its pointer warp and pitch bound, and frame timing on the virtual clock.
#include "geometry/Camera.h"

#include <gtest/gtest.h>

#include "support/ExpectVector.h"

#include <cmath>
#include <utility>
#include <vector>

#include "platform/Clock.h"
#include "platform/Pointer.h"

namespace {

using testsupport::expectVector;

constexpr double pi = 3.141592653589793;

Camera cameraLooking(Vector3 position, Vector3 view) {
  return Camera(position.x, position.y, position.z, view.x, view.y, view.z, 0.0f, 1.0f, 0.0f);
}

// Heading about the vertical axis, radians, 0 looking along -z, positive towards -x (left).
double headingOf(const Camera& cam) {
  const Vector3 sight = cam.view - cam.position;
  return std::atan2(-static_cast<double>(sight.x), -static_cast<double>(sight.z));
}

// Tilt of the line of sight above the horizontal, radians.
double pitchOf(const Camera& cam) {
  const Vector3 sight = cam.view - cam.position;
  return std::atan2(static_cast<double>(sight.y), std::hypot(sight.x, sight.z));
}

TEST(CameraWalking, ForwardFollowsTheSightOnTheFloorPlaneAndStrafeGoesRight) {
  Camera cam = cameraLooking(Vector3(0.0f, 0.0f, 0.0f), Vector3(3.0f, 0.0f, 4.0f));
  cam.moveForward(5.0f);
  expectVector(Vector3(3.0f, 0.0f, 4.0f), cam.position);
  expectVector(Vector3(6.0f, 0.0f, 8.0f), cam.view);
  // Looking up slows the walk and keeps the eye height.
  Camera up = cameraLooking(Vector3(0.0f, 0.0f, 0.0f), Vector3(0.0f, 3.0f, 4.0f));
  up.moveForward(5.0f);
  expectVector(Vector3(0.0f, 0.0f, 4.0f), up.position);
  expectVector(Vector3(0.0f, 3.0f, 8.0f), up.view);
  // Nor does it shorten the sideways step.
  Camera tilted = cameraLooking(Vector3(0.0f, 1.0f, 0.0f), Vector3(0.0f, 4.0f, -4.0f));
  tilted.strafe(2.0f);
  expectVector(Vector3(2.0f, 1.0f, 0.0f), tilted.position);
  expectVector(Vector3(2.0f, 4.0f, -4.0f), tilted.view);
}

TEST(CameraTurning, QuarterTurnAboutTheVertical) {
  Camera cam = cameraLooking(Vector3(0.0f, 0.0f, 0.0f), Vector3(0.0f, 0.0f, -1.0f));
  cam.turnView(static_cast<float>(pi / 2.0), 0.0f, 1.0f, 0.0f);
  expectVector(Vector3(-1.0f, 0.0f, 0.0f), cam.view);
  expectVector(Vector3(0.0f, 0.0f, 0.0f), cam.position, 0.0f);
}

// Records every pointer warp instead of moving a real pointer.
std::vector<std::pair<int, int>> warps;
void recordWarp(int x, int y) {
  warps.emplace_back(x, y);
}

class MouseLook : public ::testing::Test {
 protected:
  void SetUp() override {
    warps.clear();
    platform::setWarpHook(recordWarp);
    cam.setScreenSize(1024, 768);
  }
  void TearDown() override { platform::setWarpHook(nullptr); }

  Camera cam = cameraLooking(Vector3(0.0f, 1.0f, 0.0f), Vector3(0.0f, 1.0f, -100.0f));
};

TEST_F(MouseLook, PointerOffTheCentreTurnsOrTiltsAndWarpsBack) {
  cam.lookWithMouse(512, 384);
  EXPECT_TRUE(warps.empty());
  EXPECT_TRUE(cam.view == Vector3(0.0f, 1.0f, -100.0f));
  cam.lookWithMouse(562, 384);
  ASSERT_EQ(1u, warps.size());
  EXPECT_EQ(std::make_pair(512, 384), warps[0]);
  EXPECT_NEAR(-0.1, headingOf(cam), 1e-5);
  EXPECT_NEAR(100.0f, length(cam.view - cam.position), 1e-3f);
  cam.lookWithMouse(512, 334);
  EXPECT_NEAR(0.1, pitchOf(cam), 1e-5);
  // An odd width's centre is truncated.
  cam.setScreenSize(1023, 767);
  cam.lookWithMouse(512, 383);
  EXPECT_EQ(std::make_pair(511, 383), warps.back());
  EXPECT_NEAR(-0.102, headingOf(cam), 1e-5);
}

TEST_F(MouseLook, SensitivityScalesTheTurnAndInvertSwapsUpAndDown) {
  cam.lookWithMouse(562, 334, 2.0f, false);
  EXPECT_NEAR(-0.2, headingOf(cam), 1e-5);
  EXPECT_NEAR(0.2, pitchOf(cam), 1e-5);
  cam.lookWithMouse(512, 334, 0.5f, true);  // the pointer up looks down
  EXPECT_NEAR(0.15, pitchOf(cam), 1e-5);
  EXPECT_NEAR(-0.2, headingOf(cam), 1e-5);  // turning sideways is never inverted
}

TEST_F(MouseLook, AFarPointerTurnsByAQuarterScreenWidthAtMost) {
  // A warp that did not happen: the pointer arrives thousands of pixels off the centre.
  cam.lookWithMouse(512 - 5000, 384);
  EXPECT_NEAR(0.512, headingOf(cam), 1e-5);  // 256 pixels' worth
  cam.lookWithMouse(512 + 256, 384);         // exactly a quarter: all of it
  EXPECT_NEAR(0.0, headingOf(cam), 1e-5);
  cam.lookWithMouse(512, 384 + 100000);
  EXPECT_NEAR(-0.512, pitchOf(cam), 1e-5);
  EXPECT_NEAR(0.0, headingOf(cam), 1e-5);
}

TEST_F(MouseLook, PitchStaysOffTheVertical) {
  // Each event moves the pointer to the top edge: 0.512 radian upwards asked for every time.
  for (int event = 0; event < 40; ++event) {
    cam.lookWithMouse(512 + (event % 3) - 1, 0);
    const Vector3 sight = cam.view - cam.position;
    ASSERT_GT(std::hypot(sight.x, sight.z), 1.0) << "event " << event;
    ASSERT_LE(pitchOf(cam), 85.0 * pi / 180.0 + 1e-4) << "event " << event;
    // The heading never flips by half a turn.
    ASSERT_LT(sight.z, 0.0f) << "event " << event;
  }
  EXPECT_NEAR(85.0 * pi / 180.0, pitchOf(cam), 1e-3);
  // And the same bound looking down.
  for (int event = 0; event < 40; ++event) {
    cam.lookWithMouse(512, 767);
  }
  EXPECT_NEAR(-85.0 * pi / 180.0, pitchOf(cam), 1e-3);
}

class FrameTime : public ::testing::Test {
 protected:
  void SetUp() override { platform::useVirtualClock(20000000); }
  void TearDown() override { platform::useRealClock(); }
};

TEST_F(FrameTime, IntervalIsTheTimeSinceThePreviousFrameOfAnyCamera) {
  Camera first;
  first.updateFrameTime();
  platform::advanceVirtualClockMicros(50000);
  EXPECT_NEAR(0.05f, first.updateFrameTime(), 1e-5f);
  EXPECT_NEAR(0.05f, first.interval, 1e-5f);
  // A camera made by a new game goes on from the last frame, not from program start.
  platform::advanceVirtualClockMicros(20000);
  Camera replacement(419.0f, 1.0f, 15.0f, 0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f);
  EXPECT_NEAR(0.02f, replacement.updateFrameTime(), 1e-5f);
  // A frame with no time passed has interval 0.
  EXPECT_EQ(0.0f, replacement.updateFrameTime());
}

}  // namespace
