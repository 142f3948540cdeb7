// The replay driver runs the real game on a virtual clock: walking for one virtual second
// covers 20 units whatever the frame step (the scenarios check its screenshots), and the HUD's
// text lines show the score's 0 and, at a steady 60 frames a second, "FPS: 60.0".
#include <gtest/gtest.h>

#include <cmath>

#include "support/Replay.h"

namespace {

double horizontalDistance(const std::vector<double>& a, const std::vector<double>& b) {
  return std::hypot(a[0] - b[0], a[2] - b[2]);
}

// The new-game camera stands at (419, 1, 15).
const std::vector<double> start = {419.0, 1.0, 15.0};

}  // namespace

TEST(ReplayDriver, WalkingOneSecondCoversTwentyUnitsAtAnyFrameStep) {
  for (const char* step : {"", "--step-ms 33.3"}) {
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

TEST(ReplayDriver, RefusesAMalformedTimeline) {
  const auto result = testsupport::runReplay("100 jump high\n");
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_NE(result.output.find(":1: cannot read the event"), std::string::npos) << result.output;
}

TEST(HudLines, ScoreShowsItsZeroAndTheFpsLineTheTrueRate) {
  const auto result = testsupport::runReplay(
      "0 key-down enter\n0 key-up enter\n100 special-down f2\n100 special-up f2\n3000 end\n");
  ASSERT_EQ(result.exitStatus, 0) << result.output;
  EXPECT_NE(result.output.find("score-text SCORE:   0\n"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("fps-text FPS: 60.0\n"), std::string::npos) << result.output;
}
