// Games played with the pad alone through the replay driver, whose timelines plug SDL's
// virtual pad in, press its buttons and tilt its sticks: the heist from the menu to the
// verdict as the keyboard plays it (and recorded, then watched in the real game to the same
// end), the view's turn at the player's speed, a drifting stick, and a pad plugged in after
// start-up that starts, pauses and resumes a game.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "game/ReplayFile.h"
#include "input/Gamepad.h"
#include "support/Replay.h"

namespace {

using testsupport::reportLine;
using testsupport::reportNumber;
using testsupport::scriptFrameMs;

constexpr double pi = 3.141592653589793;

// A timeline of pad events at 80 ms frames, written as the player acts, as Script is for
// the keyboard and the mouse.
class PadScript {
 public:
  PadScript() { add("pad-attach"); now += scriptFrameMs; }
  PadScript& press(const std::string& button) {
    add("pad-button " + button + " down");
    now += scriptFrameMs;
    add("pad-button " + button + " up");
    now += scriptFrameMs;
    return *this;
  }
  PadScript& walk(int ms) {
    add("pad-axis lefty -1");
    now += ms;
    add("pad-axis lefty 0");
    now += scriptFrameMs;
    return *this;
  }
  // The turn the mouse makes with these pointer pixels (1/500 radian each, positive to the
  // right): whole frames at full tilt, then one frame tilted for the rest.
  PadScript& turn(int pixels) {
    const PadOptions options;
    const double perFrame = options.turnSpeed * pi / 180.0 * scriptFrameMs / 1000.0;
    const double angle = std::fabs(pixels) / 500.0;
    const int whole = static_cast<int>(angle / perFrame);
    const double rest = angle / perFrame - whole;
    const std::string sign = pixels < 0 ? "-" : "";
    for (int i = 0; i < whole; ++i) {
      add("pad-axis rightx " + sign + "1");
      now += scriptFrameMs;
    }
    if (rest > 0.0) {
      const double tilt = options.deadZone + (1.0 - options.deadZone) * std::sqrt(rest);
      add("pad-axis rightx " + sign + std::to_string(tilt));
      now += scriptFrameMs;
    }
    add("pad-axis rightx 0");
    now += scriptFrameMs;
    return *this;
  }
  PadScript& at(int ms, const std::string& event) {
    now = ms;
    add(event);
    return *this;
  }
  std::string end(int ms = scriptFrameMs) const { return text + std::to_string(now + ms) + " end\n"; }

 private:
  void add(const std::string& event) { text += std::to_string(now) + " " + event + "\n"; }
  std::string text;
  int now = 0;
};

// The keyboard's heist (support/Replay.cpp), move for move.
std::string padHeist() {
  const int quarter = testsupport::quarterTurn;
  PadScript s;
  s.press("a").walk(1040).turn(-802).walk(2400);
  s.turn(-quarter).walk(1040).press("a");
  s.turn(quarter).walk(2480).turn(-quarter).walk(640).press("a");
  s.turn(quarter).turn(quarter).walk(1680).turn(quarter).walk(4880).turn(quarter).walk(1040);
  return s.press("x").press("y").end(200);
}

// The text after "name " on its line of a program's output.
std::string reportLineOf(const std::string& text, const std::string& name) {
  const std::size_t at = text.find(name + " ");
  if (at == std::string::npos) return "";
  const std::size_t from = at + name.size() + 1;
  return text.substr(from, text.find('\n', from) - from);
}

double yawDegrees(const testsupport::ReplayResult& r, const std::string& label) {
  const std::string p = label.empty() ? "" : label + ".";
  const double dx = reportNumber(r, p + "camera.view", 0) - reportNumber(r, p + "camera.position", 0);
  const double dz = reportNumber(r, p + "camera.view", 2) - reportNumber(r, p + "camera.position", 2);
  return std::atan2(dz, dx) * 180.0 / pi;
}

// The signed turn from a to b in degrees, -180..180.
double turned(double a, double b) {
  double d = b - a;
  while (d > 180.0) d -= 360.0;
  while (d < -180.0) d += 360.0;
  return d;
}

// The keyboard's heist played with the pad alone ends as the keys end it; it is recorded with
// the pads' readings beside the frames, and the real game watching the recording plays it to
// the digest, score and outcome it ended with.
TEST(PadScenario, AHeistPlayedWithThePadAloneEndsAsByKeysAndIsWatchedToTheSameEnd) {
  namespace fs = std::filesystem;
  char pattern[] = "/tmp/vaultrun-pad-replay-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path home = pattern;
  testsupport::Script keys;
  keys.withoutScreenshots();
  heistTakeTeapotAndLeave(heistTakePicture(heistIntoRoomTwo(keys)));
  const auto byKeys = testsupport::runReplay(keys.end(200), "--step-ms 80");
  const auto played = testsupport::runReplayRecording(padHeist(), (home / "player").string(),
                                                      "--step-ms 80");
  ASSERT_EQ(byKeys.exitStatus, 0) << byKeys.output;
  ASSERT_EQ(played.exitStatus, 0) << played.output;
  EXPECT_EQ(reportLine(played, "screen"), "heist-finished") << played.output;
  for (const char* line : {"screen", "room", "score", "bag", "health", "status-text", "score-text"}) {
    EXPECT_EQ(reportLine(played, line), reportLine(byKeys, line)) << line << "\n" << played.output;
  }
  const std::string file = (home / "player/vaultrun/replays/last.vrr").string();
  ReplayFile recording;
  std::string problem;
  ASSERT_TRUE(parseReplayFile(testsupport::readFile(file), recording, problem)) << problem;
  EXPECT_EQ(recording.header.outcome, "escaped");
  // The A that started it is held at the new game; every later press, release and tilt is a
  // pad record of its own.
  EXPECT_EQ(recording.header.padAtStart.pressed, 1u);
  ReplayBodyReader reader(recording);
  ReplayRecord record;
  int padRecords = 0;
  while (reader.next(record, problem)) padRecords += record.kind == ReplayRecordKind::Pad;
  EXPECT_GT(padRecords, 40);

  const auto watched = testsupport::watchRecording(file, (home / "watcher").string());
  char digest[17];
  std::snprintf(digest, sizeof digest, "%016llx",
                static_cast<unsigned long long>(recording.header.digest));
  EXPECT_EQ(reportLineOf(watched.out, "replay.digest"), digest) << watched.out;
  EXPECT_EQ(reportLineOf(watched.out, "replay.outcome"), "escaped");
  EXPECT_EQ(reportLineOf(watched.out, "replay.score"), std::to_string(recording.header.score));
  EXPECT_EQ(watched.out.find("played differently"), std::string::npos) << watched.out;
  std::error_code ignored;
  fs::remove_all(home, ignored);
}

TEST(PadScenario, TheRightStickAtFullTiltForASecondTurnsThePlayersSpeed) {
  const PadOptions options;
  const std::string timeline =
      "0 pad-attach\n100 pad-button a down\n200 pad-button a up\n"
      "1000 report before\n1000 pad-axis rightx 1\n1500 report half\n"
      "2000 pad-axis rightx 0\n2100 report after\n2200 end\n";
  const auto r = testsupport::runReplay(timeline);  // 60 frames a second
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  ASSERT_EQ(reportLine(r, "before.screen"), "playing") << r.output;
  // To the right, as the mouse moved right turns (from -x towards -z): the angle rises.
  EXPECT_NEAR(turned(yawDegrees(r, "before"), yawDegrees(r, "half")), options.turnSpeed / 2,
              options.turnSpeed * 0.01) << r.output;
  EXPECT_NEAR(std::fabs(turned(yawDegrees(r, "before"), yawDegrees(r, "after"))),
              options.turnSpeed, options.turnSpeed * 0.02) << r.output;
}

TEST(PadScenario, AStickDriftingBeforeTheFirstTouchTurnsNothing) {
  const std::string timeline =
      "0 pad-attach\n0 pad-axis rightx 0.3\n1000 pad-axis rightx 0.45\n"
      "2000 key-down enter\n2080 key-up enter\n2200 report start\n"
      "2400 pad-button leftshoulder down\n2480 pad-button leftshoulder up\n"
      "5000 report drifted\n5000 pad-axis rightx 1\n5500 report moved\n5600 end\n";
  const auto r = testsupport::runReplay(timeline, "--step-ms 80");
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  EXPECT_EQ(reportLine(r, "start.camera.view"), reportLine(r, "drifted.camera.view")) << r.output;
  EXPECT_GT(std::fabs(turned(yawDegrees(r, "drifted"), yawDegrees(r, "moved"))), 30.0) << r.output;
}

TEST(PadScenario, APadPluggedInAfterStartUpStartsAGameAndPausesAndResumesIt) {
  const std::string timeline =
      "1000 report none\n1500 pad-attach\n1600 pad-button a down\n1680 pad-button a up\n"
      "1800 report started\n2000 pad-button start down\n2080 pad-button start up\n"
      "2200 report paused\n2400 pad-axis lefty -1\n3000 report still\n3000 pad-axis lefty 0\n"
      "3200 pad-button start down\n3280 pad-button start up\n3400 report resumed\n"
      "3400 pad-axis lefty -1\n4400 pad-axis lefty 0\n4500 report walked\n4600 end\n";
  const auto r = testsupport::runReplay(timeline, "--step-ms 80");
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  EXPECT_EQ(reportLine(r, "none.screen"), "menu") << r.output;
  EXPECT_EQ(reportLine(r, "started.screen"), "playing") << r.output;
  EXPECT_EQ(reportLine(r, "paused.paused"), "1") << r.output;
  // Paused, the stick walks nowhere; resumed, it walks.
  EXPECT_EQ(reportLine(r, "still.camera.position"), reportLine(r, "paused.camera.position"));
  EXPECT_EQ(reportLine(r, "resumed.paused"), "0") << r.output;
  EXPECT_GT(std::fabs(reportNumber(r, "walked.camera.position", 0) -
                      reportNumber(r, "resumed.camera.position", 0)),
            5.0) << r.output;
}

}  // namespace
