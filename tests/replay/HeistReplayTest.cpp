// Recorded heists: the heist route played through the replay driver is recorded, and the
// real game watching that recording (at 1x and 4x) ends with the same state digest, score and
// outcome, writing nothing; damaged recordings are refused before anything opens; and the
// packed records come back as they went in.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/ReplayFile.h"
#include "support/Process.h"
#include "support/Replay.h"

namespace {

namespace fs = std::filesystem;

// A scratch folder for XDG_DATA_HOME, removed afterwards.
struct ScratchFolder {
  ScratchFolder() {
    char pattern[] = "/tmp/vaultrun-replays-XXXXXX";
    if (mkdtemp(pattern) != nullptr) path = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
  bool empty() const { return fs::is_empty(path); }
  fs::path path;
};

// The heist route once, through the replay driver with its recordings in `dataHome`; `start`
// are timeline lines for its beginning (the rules chosen for the new game). In room 2 he looks
// about and back in a smaller window: a watch that kept the first size turns him elsewhere.
testsupport::ReplayResult recordHeistRoute(const fs::path& dataHome, const std::string& start = "") {
  testsupport::Script s;
  s.withoutScreenshots();
  testsupport::heistIntoRoomTwo(s).resize(800, 600).look(150, 40).turn(-300).look(150, -40);
  testsupport::heistTakeTeapotAndLeave(testsupport::heistTakePicture(s.resize(1024, 768)));
  return testsupport::runReplayRecording(start + s.end(400), dataHome.string());
}

testsupport::CommandRun watch(const fs::path& file, const fs::path& dataHome,
                              const std::string& extra = "") {
  return testsupport::watchRecording(file.string(), dataHome.string(), extra);
}

std::string lineAfter(const std::string& text, const std::string& name) {
  const std::size_t at = text.find(name + " ");
  if (at == std::string::npos) return "";
  const std::size_t from = at + name.size() + 1;
  return text.substr(from, text.find('\n', from) - from);
}

ReplayFile readRecording(const fs::path& path) {
  ReplayFile file;
  std::string problem;
  EXPECT_TRUE(parseReplayFile(testsupport::readFile(path.string()), file, problem)) << problem;
  return file;
}

// One recording of the route for the tests of this suite run in one process: playing it
// takes a while.
class RecordedHeist : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    home_ = new ScratchFolder;
    driver_ = new testsupport::ReplayResult(recordHeistRoute(home_->path));
  }
  static void TearDownTestSuite() {
    delete driver_;
    delete home_;
  }
  static fs::path last() { return home_->path / "vaultrun/replays/last.vrr"; }
  static ScratchFolder* home_;
  static testsupport::ReplayResult* driver_;
};
ScratchFolder* RecordedHeist::home_ = nullptr;
testsupport::ReplayResult* RecordedHeist::driver_ = nullptr;

TEST_F(RecordedHeist, IsKeptAsTheBestAndWatchedEndsWithTheRecordedDigestScoreAndOutcome) {
  ASSERT_EQ(driver_->exitStatus, 0) << driver_->output;
  const ReplayFile file = readRecording(last());
  EXPECT_EQ(file.header.outcome, "escaped");
  EXPECT_EQ(std::to_string(file.header.score), lineAfter(driver_->output, "\nscore"));
  EXPECT_TRUE(file.header.newBest);
  EXPECT_EQ(file.header.rules, "classic");
  EXPECT_EQ(file.header.gameVersion, VAULTRUN_PROJECT_VERSION);
  // The route's frames are 80 ms apart: its some thirty virtual seconds are a few hundred.
  EXPECT_GT(file.frames, 200u);
  EXPECT_EQ(testsupport::readFile((home_->path / "vaultrun/replays/best.vrr").string()),
            testsupport::readFile(last().string()));

  // Watched in the real game, at 1x and 4x, it ends as it was recorded.
  char digest[17];
  std::snprintf(digest, sizeof digest, "%016llx",
                static_cast<unsigned long long>(file.header.digest));
  for (const char* speed : {"", "--replay-speed 4"}) {
    SCOPED_TRACE(speed);
    ScratchFolder watcherHome;
    const auto run = watch(last(), watcherHome.path, speed);
    EXPECT_EQ(lineAfter(run.out, "replay.digest"), digest) << run.out;
    EXPECT_EQ(lineAfter(run.out, "replay.outcome"), "escaped");
    EXPECT_EQ(lineAfter(run.out, "replay.score"), std::to_string(file.header.score));
    EXPECT_EQ(run.out.find("played differently"), std::string::npos) << run.out;
    // A watched heist enters no record and is not recorded again.
    EXPECT_TRUE(watcherHome.empty());
  }
}

TEST_F(RecordedHeist, DamagedRecordingsAreRefusedBeforeAnythingOpens) {
  const std::string good = testsupport::readFile(last().string());
  ASSERT_FALSE(good.empty());
  const std::size_t bodyAt = good.find("\n\n") + 2;
  ScratchFolder scratch;
  const auto put = [&scratch](const std::string& name, const std::string& bytes) {
    std::ofstream(scratch.path / name, std::ios::binary) << bytes;
    return scratch.path / name;
  };
  std::string flippedHeader = good, flippedBody = good, otherVersion = good;
  flippedHeader[good.find("score ") + 6] ^= 0x01;
  flippedBody[bodyAt + (good.size() - bodyAt) / 2] ^= 0x40;
  // The second version kept no window sizes: refused, not guessed at.
  otherVersion[std::string("vaultrun-replay ").size()] = '2';
  fs::create_directory(scratch.path / "folder.vrr");
  const fs::path cases[] = {
      put("cut-in-header.vrr", good.substr(0, 40)),
      put("cut-before-body.vrr", good.substr(0, bodyAt)),
      put("cut-in-body.vrr", good.substr(0, bodyAt + (good.size() - bodyAt) / 3)),
      put("cut-last-byte.vrr", good.substr(0, good.size() - 1)),
      put("flipped-header.vrr", flippedHeader),
      put("flipped-body.vrr", flippedBody),
      put("other-version.vrr", otherVersion),
      put("empty.vrr", ""),
      put("settings.vrr", testsupport::readFile(std::string(VAULTRUN_SOURCE_DIR) + "/data/settings.ini")),
      scratch.path / "folder.vrr",
      scratch.path / "missing.vrr",
  };
  for (const fs::path& file : cases) {
    SCOPED_TRACE(file.filename().string());
    const std::string before = fs::is_regular_file(file) ? testsupport::readFile(file.string()) : "";
    ScratchFolder watcherHome;
    const auto run = testsupport::runCommand(
        std::string("cd '") + VAULTRUN_SOURCE_DIR + "' && XDG_DATA_HOME='" +
        watcherHome.path.string() + "' '" + VAULTRUN_GAME_BINARY + "' --replay '" +
        file.string() + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Error: cannot watch " + file.string() + ": "), std::string::npos)
        << run.out;
    if (file.filename() == "other-version.vrr") {
      EXPECT_NE(run.out.find("replay version 2; this game reads version 3"), std::string::npos)
          << run.out;
    }
    // One clear line: no window was opened, so not even the loading line came first.
    EXPECT_EQ(run.out.find("loading"), std::string::npos) << run.out;
    EXPECT_TRUE(watcherHome.empty());
    if (fs::is_regular_file(file)) {
      EXPECT_EQ(testsupport::readFile(file.string()), before);
    }
  }
  // Every cut, at any byte, is refused by the reader.
  for (std::size_t length = 0; length < good.size(); ++length) {
    ReplayFile file;
    std::string problem;
    ASSERT_FALSE(parseReplayFile(good.substr(0, length), file, problem)) << length;
    EXPECT_FALSE(problem.empty());
  }
}

// A heist played by the stealth rules at Hard: recorded with them, kept as their best
// (best.vrr is classic normal's), and watched by a game set to the classic rules it plays by the
// recorded ones, ending as it was recorded.
TEST(RecordedStealthHeist, IsKeptAsItsRulesBestAndWatchedByThem) {
  ScratchFolder home;
  const auto recorded = recordHeistRoute(home.path, "0 rules stealth\n0 difficulty hard\n");
  ASSERT_EQ(recorded.exitStatus, 0) << recorded.output;
  const fs::path replays = home.path / "vaultrun/replays";
  EXPECT_FALSE(fs::exists(replays / "best.vrr"));
  const ReplayFile file = readRecording(replays / "best-stealth-hard.vrr");
  EXPECT_EQ(file.header.rules, "stealth");
  EXPECT_EQ(file.header.difficulty, "hard");
  EXPECT_EQ(file.header.outcome, "escaped");
  EXPECT_NE(recorded.output.find("Rules Stealth, Hard"), std::string::npos) << recorded.output;

  char digest[17];
  std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(file.header.digest));
  ScratchFolder watcherHome;
  const auto run = watch(replays / "best-stealth-hard.vrr", watcherHome.path, "--replay-speed 4");
  EXPECT_EQ(lineAfter(run.out, "replay.digest"), digest) << run.out;
  EXPECT_EQ(run.out.find("played differently"), std::string::npos) << run.out;
}

// The records' packing at its edges: long clock advances, pointers far off and back,
// special keys above a byte, pad readings from one end of the sticks to the other, and a
// heist whose clock nears the end of its range.
TEST(ReplayRecords, ComeBackAsTheyWentIn) {
  ReplayFile file;
  file.header.gameVersion = "1.0.0";
  file.header.date = "2026-12-07T21:04";
  file.header.outcome = "caught";
  file.header.startClockMs = UINT_MAX - 100000u;
  const ReplayRecord records[] = {
      {ReplayRecordKind::NewGame, UINT_MAX - 100000u, 0, 0, 0, 0, {}},
      {ReplayRecordKind::Motion, UINT_MAX - 100000u, 0, 0, -5000, 70000, {}},
      {ReplayRecordKind::Frame, UINT_MAX - 99986u, 0, 0, 0, 0, {}},
      {ReplayRecordKind::Frame, UINT_MAX - 99971u, 0, 0, 0, 0, {}},
      {ReplayRecordKind::SpecialDown, UINT_MAX - 50000u, 0x1234, 0, 0, 0, {}},
      {ReplayRecordKind::Button, UINT_MAX - 50000u, 2, 1, 512, 384, {}},
      {ReplayRecordKind::Drag, UINT_MAX - 10u, 0, 0, 0, -1, {}},
      {ReplayRecordKind::Pad, UINT_MAX - 10u, 0, 0, 0, 0, {(1u << replayPadControls) - 1, {-32767, 32767, 0, -1}}},
      {ReplayRecordKind::Pad, UINT_MAX - 9u, 0, 0, 0, 0, {1u << 16, {32767, -32767, 1, 0}}},
      {ReplayRecordKind::Window, UINT_MAX - 5u, 0, 0, 16384, 1, {}},
      {ReplayRecordKind::Drag, UINT_MAX - 5u, 0, 0, 1, -2, {}},
      {ReplayRecordKind::KeyUp, UINT_MAX, 255, 0, 0, 0, {}},
      {ReplayRecordKind::End, UINT_MAX, 0, 0, 0, 0, {}},
  };
  ReplayBodyWriter writer(file.body);
  writer.start(file.header.startClockMs);
  for (const ReplayRecord& r : records) writer.append(r);
  file.frames = 2;
  file.records = sizeof records / sizeof records[0];
  ReplayFile back;
  std::string problem;
  ASSERT_TRUE(parseReplayFile(formatReplayFile(file), back, problem)) << problem;
  ReplayBodyReader reader(back);
  ReplayRecord r;
  for (const ReplayRecord& expected : records) {
    const bool more = reader.next(r, problem);
    EXPECT_EQ(more, expected.kind != ReplayRecordKind::End) << problem;
    EXPECT_EQ(r.kind, expected.kind);
    EXPECT_EQ(r.clockMs, expected.clockMs);
    EXPECT_EQ(r.code, expected.code);
    EXPECT_EQ(r.state, expected.state);
    EXPECT_EQ(r.x, expected.x);
    EXPECT_EQ(r.y, expected.y);
    EXPECT_TRUE(r.pad == expected.pad);
  }
  EXPECT_TRUE(reader.ended());
  // The options a replay plays with come back as the very same floats.
  file.header.mouseSensitivity = 0.1f;
  file.header.fieldOfView = 67.3f;
  file.header.padDeadZone = 0.07f;
  file.header.padTurnSpeed = 333.3f;
  file.header.swapPadSticks = true;
  file.header.padAtStart = {5, {-32767, 12, 0, 32767}};
  ASSERT_TRUE(parseReplayFile(formatReplayFile(file), back, problem)) << problem;
  EXPECT_EQ(back.header.mouseSensitivity, 0.1f);
  EXPECT_EQ(back.header.fieldOfView, 67.3f);
  EXPECT_EQ(back.header.padDeadZone, 0.07f);
  EXPECT_EQ(back.header.padTurnSpeed, 333.3f);
  EXPECT_TRUE(back.header.swapPadSticks);
  EXPECT_TRUE(back.header.padAtStart == file.header.padAtStart);
  // A pad reading past the sticks' range or with a control the game has not is no recording.
  std::string text = formatReplayFile(file);
  for (const char* bad : {"pad 5 -32768 12 0 32767", "pad 16777216 -32767 12 0 32767",
                          "pad 5 -32767 12 0", "pad 5 -0 12 0 32767"}) {
    std::string broken = text;
    broken.replace(broken.find("pad 5 "), std::string("pad 5 -32767 12 0 32767").size(), bad);
    EXPECT_FALSE(parseReplayFile(broken, back, problem)) << bad;
    EXPECT_NE(problem.find("pad line"), std::string::npos) << bad << ": " << problem;
  }
}

}  // namespace

// A heist played with the player's own keys (take on 'f', 't' unbound) is watched by a game
// with the default keys: the recording carries the key table, so it ends the same.
TEST(RecordedHeistOwnKeys, IsWatchedWithTheKeysItWasPlayedWith) {
  ScratchFolder home, config, watcherHome;
  fs::create_directories(config.path / "vaultrun");
  std::ofstream(config.path / "vaultrun/settings.ini") << "key-take = f\n1024x768\n";
  testsupport::Script s;
  s.withoutScreenshots();
  testsupport::heistTakeTeapotAndLeave(
      testsupport::heistTakePicture(testsupport::heistIntoRoomTwo(s)));
  std::string timeline = s.end(400);
  for (const char* event : {" key-down ", " key-up "}) {
    for (std::size_t at = 0; (at = timeline.find(std::string(event) + "t\n", at)) != std::string::npos;) {
      timeline[at + std::string(event).size()] = 'f';
    }
  }
  const char* old = std::getenv("XDG_CONFIG_HOME");
  const std::string oldValue = old != nullptr ? old : "";
  setenv("XDG_CONFIG_HOME", config.path.c_str(), 1);
  const auto driver = testsupport::runReplayRecording(timeline, home.path.string());
  if (old != nullptr) {
    setenv("XDG_CONFIG_HOME", oldValue.c_str(), 1);
  } else {
    unsetenv("XDG_CONFIG_HOME");
  }
  ASSERT_EQ(driver.exitStatus, 0) << driver.output;
  const ReplayFile file = readRecording(home.path / "vaultrun/replays/last.vrr");
  EXPECT_EQ(file.header.outcome, "escaped");
  EXPECT_GT(file.header.score, 0);  // 'f' took the picture and the teapot
  char digest[17];
  std::snprintf(digest, sizeof digest, "%016llx",
                static_cast<unsigned long long>(file.header.digest));
  const auto run = watch(home.path / "vaultrun/replays/last.vrr", watcherHome.path, "--replay-speed 4");
  EXPECT_EQ(lineAfter(run.out, "replay.digest"), digest) << run.out;
  EXPECT_EQ(lineAfter(run.out, "replay.score"), std::to_string(file.header.score)) << run.out;
}
