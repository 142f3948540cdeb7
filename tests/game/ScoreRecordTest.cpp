// The player's record of heists on disk: results added and the best kept, damaged files moved
// aside without a crash, two games ending at once both counted; the game entering an escape,
// and playing on where the record cannot be written.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "game/ScoreRecord.h"
#include "support/Replay.h"

namespace {

namespace fs = std::filesystem;

struct Folder {
  char name[32] = "/tmp/vaultrun-scores-XXXXXX";
  const fs::path path = mkdtemp(name);
  ~Folder() { fs::remove_all(path); }
  static std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

HeistResult heist(int score) { return HeistResult{"2026-12-07T21:04", score, 612, 12, 0, 0, 80, 0}; }

TEST(ScoreRecord, EveryHeistIsKeptAndOnlyABetterOneBecomesTheBest) {
  Folder folder;
  const int scores[] = {300, 200, 300, 450, 1, 2, 3, 4, 5, 6, 7, 8};
  for (std::size_t i = 0; i < std::size(scores); ++i) {
    const HeistResult r = heist(scores[i]);
    const ScoreFileVisit visit = visitScoreFile(folder.path, &r);
    ASSERT_TRUE(visit.ok) << visit.problem;
    // The first is the best at once; an equal score does not take the place of the older.
    EXPECT_EQ(visit.newBest, i == 0 || scores[i] == 450) << i;
  }
  const ScoreFileVisit after = visitScoreFile(folder.path, nullptr);
  EXPECT_EQ(after.record.best.score, 450);
  ASSERT_EQ(after.record.recent.size(), recentResultCount);  // the oldest two dropped out
  EXPECT_EQ(after.record.recent.front().score, 300);
  EXPECT_EQ(after.record.recent.back().score, 8);
}

TEST(ScoreRecord, AFileThatIsNoRecordIsMovedAsideAndANewOneBegins) {
  const std::string good = formatScoreRecord(ScoreRecord{true, heist(99), {heist(99)}});
  std::mt19937 random(12);
  std::string noise(4096, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  std::string big = good;
  while (big.size() < 10u << 20) big += good.substr(good.find('\n') + 1);
  std::string huge = good;
  huge.replace(huge.find("score 99"), 8, "score 99999999999999999999");
  const std::string damaged[] = {
      noise, "", good.substr(0, good.size() - 20), huge, big,
      good + good.substr(good.find('\n') + 1)};  // a second best line
  for (const std::string& bytes : damaged) {
    SCOPED_TRACE(bytes.substr(0, 60));
    Folder folder;
    std::ofstream(folder.path / "scores", std::ios::binary) << bytes;
    const HeistResult r = heist(10);
    const ScoreFileVisit visit = visitScoreFile(folder.path, &r);
    ASSERT_TRUE(visit.ok) << visit.problem;
    EXPECT_TRUE(visit.newBest);
    EXPECT_EQ(Folder::read(folder.path / "scores.bad"), bytes);
    EXPECT_EQ(visitScoreFile(folder.path, nullptr).record.recent.size(), 1u);
  }
}

// Two processes started together, many times over: neither result may be lost.
TEST(ScoreRecord, TwoGamesEndingAtOnceBothCount) {
  Folder folder;
  for (int round = 0; round < 40; ++round) {
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
      children[c] = fork();
      if (children[c] == 0) {
        close(gate[1]);
        char byte;
        (void)!read(gate[0], &byte, 1);  // both wait here until the gate opens
        const HeistResult r = heist(round * 2 + c);
        _exit(visitScoreFile(folder.path, &r).ok ? 0 : 1);
      }
    }
    close(gate[0]);
    close(gate[1]);
    for (pid_t child : children) {
      int status = 0;
      waitpid(child, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const ScoreRecord record = visitScoreFile(folder.path, nullptr).record;
    ASSERT_GE(record.recent.size(), 2u);
    const int last = record.recent.end()[-1].score, before = record.recent.end()[-2].score;
    EXPECT_EQ(last + before, round * 4 + 1) << "round " << round;
  }
}

// The real game through the replay driver: guard 1 shot down, 5 s paused, out at the exit.
TEST(ScoreRecord, TheGameEntersAnEscapeAndPlaysOnWhereTheRecordCannotBeKept) {
  Folder folder;
  std::ofstream(folder.path / "file") << "x";
  const char* const timeline =
      "0 key-down enter\n80 key-up enter\n160 motion 483 389\n1040 button left down 512 384\n"
      "1200 button left down 512 384\n1360 button left down 512 384\n2000 key-down p\n"
      "7000 key-down p\n9000 key-down q\n9400 end\n";
  for (const fs::path& home : {folder.path, folder.path / "file"}) {  // the second is no folder
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    const auto r = testsupport::runReplay(timeline, "--step-ms 80");
    ASSERT_EQ(r.exitStatus, 0) << r.output;  // and it played on to the end of the timeline
    for (const char* line : {"screen heist-finished", "pictures 0 of 36, exhibits 0 of 33, swords 0 of 7",
                             "Score 0    Time 0:04    Health 100    Guards brought down 1"}) {
      EXPECT_NE(r.output.find(line), std::string::npos) << line << "\n" << r.output;
    }
    EXPECT_EQ(r.output.find("cannot be kept") == std::string::npos, home == folder.path) << r.output;
  }
  EXPECT_EQ(visitScoreFile(folder.path / "vaultrun", nullptr).record.recent.size(), 1u);
}

}  // namespace
