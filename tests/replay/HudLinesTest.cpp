// The HUD's text lines in a real game on the replay driver's virtual clock: the score line
// shows its 0, and the frames-per-second line at a steady 60 frames a second reads 60.0.
#include <gtest/gtest.h>

#include "support/Replay.h"

TEST(HudLines, ScoreShowsItsZeroAndTheFpsLineTheTrueRate) {
  const auto result = testsupport::runReplay(
      "0 key-down enter\n0 key-up enter\n100 special-down f2\n100 special-up f2\n3000 end\n");
  ASSERT_EQ(result.exitStatus, 0) << result.output;
  EXPECT_NE(result.output.find("score-text SCORE:   0\n"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("fps-text FPS: 60.0\n"), std::string::npos) << result.output;
}
