// The player's record of heists on disk: results added and the best kept, damaged files moved
// aside (each one kept, up to the last five) without a crash, a crash's temporary files
// cleaned up, two games ending at once both counted, the best read from a folder that cannot
// be written; the game entering an escape, and playing on where the record cannot be kept.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
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
    EXPECT_EQ(Folder::read(folder.path / "scores.bad.1"), bytes);
    EXPECT_NE(visit.movedAside.find("scores.bad.1"), std::string::npos) << visit.movedAside;
    EXPECT_EQ(visitScoreFile(folder.path, nullptr).record.recent.size(), 1u);
  }
}

// A FIFO nobody writes to in the record's place is no record: it is moved aside at once. The
// visit runs in a child with an alarm of its own, so a reader that waits on it fails the test.
TEST(ScoreRecord, AFifoInPlaceOfTheRecordIsMovedAsideWithoutWaiting) {
  Folder folder;
  ASSERT_EQ(0, mkfifo((folder.path / "scores").c_str(), 0644));
  const pid_t child = fork();
  if (child == 0) {
    alarm(20);
    const HeistResult r = heist(10);
    const ScoreFileVisit visit = visitScoreFile(folder.path, &r);
    _exit(visit.ok && visit.movedAside.find("FIFO") != std::string::npos ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "the visit waited on the FIFO";
  EXPECT_EQ(0, WEXITSTATUS(status));
  EXPECT_EQ(visitScoreFile(folder.path, nullptr).record.recent.size(), 1u);
}

TEST(ScoreRecord, EveryFileMovedAsideIsKeptUpToTheLastFive) {
  Folder folder;
  for (int i = 1; i <= 7; ++i) {
    std::ofstream(folder.path / "scores", std::ios::binary) << "damaged " << i;
    const ScoreFileVisit visit = visitScoreFile(folder.path, nullptr);
    ASSERT_TRUE(visit.ok) << visit.problem;
    EXPECT_NE(visit.movedAside.find("scores.bad." + std::to_string(i) + " "), std::string::npos)
        << visit.movedAside;
  }
  for (int i = 1; i <= 7; ++i) {
    const fs::path aside = folder.path / ("scores.bad." + std::to_string(i));
    EXPECT_EQ(Folder::read(aside), i <= 2 ? "" : "damaged " + std::to_string(i)) << aside;
  }
}

// A game that ended between writing its temporary file and the rename left it behind: the
// next write removes it once it is over a minute old, and nothing else of the folder.
TEST(ScoreRecord, TemporaryFilesLeftByACrashAreRemovedByTheNextWrite) {
  Folder folder;
  const fs::path stale = folder.path / "scores.Ab3xQ9", fresh = folder.path / "scores.Zz0kP1";
  const fs::path others[] = {fresh, folder.path / "scores.bad.12", folder.path / "scores.notes"};
  for (const fs::path& file : {stale, others[0], others[1], others[2]}) {
    std::ofstream(file) << "vaultrun-scores 1\n";
  }
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::seconds(61));
  fs::last_write_time(others[1], fs::file_time_type::clock::now() - std::chrono::hours(1));
  const HeistResult r = heist(10);
  ASSERT_TRUE(visitScoreFile(folder.path, &r).ok);
  EXPECT_FALSE(fs::exists(stale));
  for (const fs::path& file : others) EXPECT_TRUE(fs::exists(file)) << file;
}

// A folder the game cannot write (its lock cannot be made; a file cannot grow): the best it
// read is still given back, and the visit says the record was not kept.
TEST(ScoreRecord, AnUnwritableFolderStillGivesTheBestItRead) {
  Folder folder;
  const HeistResult best = heist(450);
  ASSERT_TRUE(visitScoreFile(folder.path, &best).ok);

  // Writes beyond 16 bytes fail (a full disk, as far as the game can tell), even for root.
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit = {16, 16};
    setrlimit(RLIMIT_FSIZE, &limit);
    const HeistResult better = heist(999);
    const ScoreFileVisit visit = visitScoreFile(folder.path, &better);
    _exit(!visit.ok && visit.read && visit.record.best.score == 450 && !visit.newBest &&
                  !visit.problem.empty() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  // No lock can be made where a folder stands in its place.
  fs::remove(folder.path / "scores.lock");
  fs::create_directory(folder.path / "scores.lock");
  const HeistResult r = heist(10);
  const ScoreFileVisit visit = visitScoreFile(folder.path, &r);
  EXPECT_FALSE(visit.ok);
  EXPECT_TRUE(visit.read);
  EXPECT_EQ(visit.record.best.score, 450);
  EXPECT_EQ(visit.record.recent.size(), 1u);
  EXPECT_FALSE(visit.problem.empty());
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

  // Where the record can be read but not kept, the panel shows the best it read.
  const fs::path scores = folder.path / "vaultrun";
  const HeistResult best = heist(450);
  ASSERT_TRUE(visitScoreFile(scores, &best).ok);
  fs::remove(scores / "scores.lock");
  fs::create_directory(scores / "scores.lock");
  setenv("XDG_DATA_HOME", folder.path.c_str(), 1);
  const auto r = testsupport::runReplay(timeline, "--step-ms 80");
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  for (const char* line : {"Best so far: 450 on 2026-12-07 21:04", "The record cannot be kept"}) {
    EXPECT_NE(r.output.find(line), std::string::npos) << line << "\n" << r.output;
  }
}

}  // namespace

namespace {

HeistResult heistUnder(Rules rules, Difficulty difficulty, int score) {
  HeistResult r = heist(score);
  r.rules = RuleSet{rules, difficulty};
  return r;
}

// A record written before there were other rules is classic normal's; each rule set keeps its
// own best beside it, in the file as the game writes it.
TEST(ScoreRecord, EachRulesAndDifficultyKeepTheirOwnBestAndAnOldRecordIsClassicNormals) {
  Folder folder;
  const std::string fields =
      " 2026-12-07T21:04 score 420 seconds 612 pictures 12 exhibits 10 swords 3 health 80 guards 1\n";
  std::ofstream(folder.path / "scores", std::ios::binary)
      << "vaultrun-scores 1\nbest" + fields + "heist" + fields;
  const HeistResult stealthHard = heistUnder(Rules::Stealth, Difficulty::Hard, 100);
  ScoreFileVisit visit = visitScoreFile(folder.path, &stealthHard);
  ASSERT_TRUE(visit.ok) << visit.problem;
  EXPECT_TRUE(visit.newBest);  // the first under its rules, though below classic's 420
  const HeistResult classicEasy = heistUnder(Rules::Classic, Difficulty::Easy, 50);
  const HeistResult worse = heistUnder(Rules::Stealth, Difficulty::Hard, 90);
  visitScoreFile(folder.path, &classicEasy);
  EXPECT_FALSE(visitScoreFile(folder.path, &worse).newBest);

  visit = visitScoreFile(folder.path, nullptr);
  ASSERT_TRUE(visit.ok) << visit.problem;
  EXPECT_EQ(bestUnder(visit.record, RuleSet())->score, 420);
  EXPECT_EQ(bestUnder(visit.record, stealthHard.rules)->score, 100);
  EXPECT_EQ(bestUnder(visit.record, classicEasy.rules)->score, 50);
  EXPECT_EQ(bestUnder(visit.record, RuleSet{Rules::Stealth, Difficulty::Easy}), nullptr);
  const auto added = [](const char* kind, int score) {
    return std::string(kind) + " 2026-12-07T21:04 score " + std::to_string(score) +
           " seconds 612 pictures 12 exhibits 0 swords 0 health 80 guards 0\n";
  };
  EXPECT_EQ(Folder::read(folder.path / "scores"),
            "vaultrun-scores 2\n" + added("best classic easy", 50) + "best" + fields +
                added("best stealth hard", 100) + "heist" + fields +
                added("heist stealth hard", 100) + added("heist classic easy", 50) +
                added("heist stealth hard", 90));
}

// What the game never writes is no record: rules in a record of version 1, a version 2 with
// nothing but classic normal, classic normal named, two bests of one rule set or out of order.
TEST(ScoreRecord, RulesWhereTheGameNeverWritesThemAreRefused) {
  const std::string fields = " 2026-12-07T21:04 score 9 seconds 1 pictures 0 exhibits 0 swords 0 health 1 guards 0\n";
  const std::string refused[] = {
      "vaultrun-scores 1\nbest stealth hard" + fields,
      "vaultrun-scores 2\nbest" + fields,
      "vaultrun-scores 2\nbest classic normal" + fields,
      "vaultrun-scores 2\nbest stealth hard" + fields + "best stealth hard" + fields,
      "vaultrun-scores 2\nbest stealth hard" + fields + "best stealth easy" + fields,
      "vaultrun-scores 2\nheist stealth normal" + fields + "best stealth hard" + fields,
      "vaultrun-scores 2\nheist stealthy hard" + fields,
      "vaultrun-scores 3\nheist stealth hard" + fields,
  };
  for (const std::string& text : refused) {
    ScoreRecord record;
    std::string problem;
    EXPECT_FALSE(parseScoreRecord(text, record, problem)) << text;
    EXPECT_FALSE(problem.empty());
  }
  ScoreRecord record;
  std::string problem;
  const std::string taken = "vaultrun-scores 2\nbest" + fields + "best stealth easy" + fields +
                            "heist" + fields + "heist classic hard" + fields;
  ASSERT_TRUE(parseScoreRecord(taken, record, problem)) << problem;
  EXPECT_EQ(formatScoreRecord(record), taken);
}

}  // namespace
