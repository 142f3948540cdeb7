// The replay driver runs the real game on a virtual clock: walking for one virtual second
// covers 20 units whatever the frame step, and a screenshot is written.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "support/Replay.h"

namespace {

double horizontalDistance(const std::vector<double>& a, const std::vector<double>& b) {
  return std::hypot(a[0] - b[0], a[2] - b[2]);
}

// The new-game camera stands at (419, 1, 15).
const std::vector<double> start = {419.0, 1.0, 15.0};

}  // namespace

TEST(ReplayDriver, WalkingOneSecondCoversTwentyUnitsAtAnyFrameStep) {
  for (const char* step : {"", "--step-ms 10", "--step-ms 33.3"}) {
    SCOPED_TRACE(step);
    // Enter starts a game at the entrance; then forward for one second.
    const auto result = testsupport::runReplay(
        "0 key-down enter\n0 key-up enter\n100 key-down w\n1100 key-up w\n1500 end\n", step);
    ASSERT_EQ(result.exitStatus, 0) << result.output;
    ASSERT_EQ(result.numbers.count("camera.position"), 1u) << result.output;
    const auto& position = result.numbers.at("camera.position");
    // Events are delivered after the frame's idle, so the key is held for exactly the frames
    // from 0 to 1000 ms; a step that does not divide a second overshoots by under one step.
    EXPECT_NEAR(horizontalDistance(position, start), 20.0, 0.7);
    EXPECT_FLOAT_EQ(position[1], 1.0f);
  }
}

TEST(ReplayDriver, ReportsFramesAndWritesScreenshots) {
  const std::string shot = "/tmp/vaultrun-replay-test.png";
  std::remove(shot.c_str());
  const auto result = testsupport::runReplay("100 screenshot " + shot + "\n200 end\n", "--step-ms 10");
  ASSERT_EQ(result.exitStatus, 0) << result.output;
  EXPECT_EQ(result.numbers.at("replay.frames")[0], 21.0);
  EXPECT_EQ(result.numbers.at("replay.frame-ms").size(), 2u);
  FILE* file = std::fopen(shot.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  unsigned char signature[8] = {};
  EXPECT_EQ(std::fread(signature, 1, 8, file), 8u);
  std::fclose(file);
  EXPECT_EQ(signature[1], 'P');
  EXPECT_EQ(signature[2], 'N');
  EXPECT_EQ(signature[3], 'G');
  std::remove(shot.c_str());
}

TEST(ReplayDriver, RefusesAMalformedTimeline) {
  const auto result = testsupport::runReplay("100 jump high\n");
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_NE(result.output.find(":1: cannot read the event"), std::string::npos) << result.output;
}
