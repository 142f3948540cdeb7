// A long game through the replay driver: heists carried out to the verdict, a guard shot down
// who vanishes and comes back, the player caught and shot until the game is over, games
// restarted in play, and the menu between them, over and over. It must run clean (no
// sanitizer report, no leak at exit under LeakSanitizer) and its memory must not grow with
// its length. VAULTRUN_SOAK_MINUTES sets the virtual length (5 minutes unless set).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The game at 12.5 frames a second of virtual time; every event falls on a frame.
constexpr int frameMs = 80;
// Pointer pixels for a quarter turn (1/500 radian a pixel).
constexpr int quarterTurn = 785;

// A timeline written as the player acts, from the menu with "Start" selected.
class Script {
 public:
  Script& wait(int ms) {
    now_ += ms;
    return *this;
  }
  Script& key(const std::string& name) {
    add("key-down " + name);
    add("key-up " + name);
    return *this;
  }
  Script& walk(int ms) {
    add("key-down w");
    now_ += ms - frameMs;
    add("key-up w");
    return *this;
  }
  // A long turn comes as several moves: one event turns the view by a quarter screen width at most.
  Script& turn(int pixels) {
    for (int left = pixels; left != 0;) {
      const int step = std::max(-200, std::min(200, left));
      look(step, 0);
      left -= step;
    }
    return *this;
  }
  Script& look(int dx, int dy) {
    add("motion " + std::to_string(512 + dx) + " " + std::to_string(384 + dy));
    return *this;
  }
  Script& click() {
    add("button left down 512 384");
    add("button left up 512 384");
    return *this;
  }
  int time() const { return now_; }
  std::string end() const { return text_ + std::to_string(now_ + frameMs) + " end\n"; }

 private:
  void add(const std::string& event) {
    text_ += std::to_string(now_) + " " + event + "\n";
    now_ += frameMs;
  }
  std::string text_;
  int now_ = 0;
};

// Into room 2, a picture and the teapot taken, back to the drop zone, the bag emptied, out
// at the exit with the verdict; any key goes back to the menu.
void heist(Script& s) {
  s.key("enter").walk(1040).turn(-802).walk(2400);
  s.turn(-quarterTurn).walk(1040).key("t");
  s.turn(quarterTurn).walk(2480).turn(-quarterTurn).walk(640).key("t");
  s.turn(quarterTurn).turn(quarterTurn).walk(1680).turn(quarterTurn).walk(4880);
  s.turn(quarterTurn).walk(1040).key("g").key("q").wait(1000).key("x");
}

// Guard 1 shot down from the entrance, lying, gone and back at his first corner; then the
// player walks towards him, is seen (the alarm) and shot until the game is over.
void shootoutAndCaught(Script& s) {
  s.key("enter").look(-29, 5).wait(800).click().click().click().wait(20000);
  s.walk(12000).wait(24000).key("x");
}

// A game restarted with Enter in play, then left with Esc; music off and on in the menu.
void restarts(Script& s) {
  s.key("enter").walk(2000).key("enter").walk(1000).key("d").key("esc").key("m").key("m");
}

std::string soakTimeline(double minutes) {
  Script s;
  while (s.time() < minutes * 60000.0) {
    heist(s);
    shootoutAndCaught(s);
    restarts(s);
  }
  return s.end();
}

struct ReplayRun {
  int status = -1;
  std::string output;  // standard output and error
  long peakKilobytes = 0;
};

// Runs the replay driver from the source folder (which holds data/) on the timeline, and
// takes its peak resident memory from the kernel's account of the finished child.
ReplayRun replay(const std::string& timeline) {
  ReplayRun run;
  char timelinePath[] = "/tmp/vaultrun-soak-timeline-XXXXXX";
  char outputPath[] = "/tmp/vaultrun-soak-output-XXXXXX";
  const int timelineFd = mkstemp(timelinePath);
  const int outputFd = mkstemp(outputPath);
  if (timelineFd < 0 || outputFd < 0) return run;
  close(timelineFd);
  std::ofstream(timelinePath) << timeline;
  const char* const argv[] = {VAULTRUN_REPLAY_BINARY, "--step-ms", "80", timelinePath, nullptr};
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(VAULTRUN_SOURCE_DIR) != 0 || dup2(outputFd, 1) < 0 || dup2(outputFd, 2) < 0) {
      _exit(126);
    }
    execv(VAULTRUN_REPLAY_BINARY, const_cast<char* const*>(argv));
    _exit(127);
  }
  close(outputFd);
  int raw = 0;
  struct rusage usage {};
  if (pid > 0 && wait4(pid, &raw, 0, &usage) == pid) {
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.peakKilobytes = usage.ru_maxrss;
  }
  std::ifstream output(outputPath, std::ios::binary);
  run.output.assign(std::istreambuf_iterator<char>(output), std::istreambuf_iterator<char>());
  std::remove(timelinePath);
  std::remove(outputPath);
  return run;
}

double soakMinutes() {
  const char* value = std::getenv("VAULTRUN_SOAK_MINUTES");
  const double minutes = value != nullptr ? std::atof(value) : 0.0;
  return minutes > 0.0 ? minutes : 5.0;
}

bool reportsTrouble(const std::string& output) {
  for (const char* mark : {"AddressSanitizer", "LeakSanitizer", "runtime error:", "Error:"}) {
    if (output.find(mark) != std::string::npos) return true;
  }
  return false;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool underAddressSanitizer = true;
#else
constexpr bool underAddressSanitizer = false;
#endif

TEST(Soak, RepeatedHeistsShootoutsAndNewGamesRunCleanToTheEnd) {
  if (!underAddressSanitizer) {
    GTEST_SKIP() << "a check for the sanitizer build; the memory check below plays the same "
                    "rounds here";
  }
  const double minutes = soakMinutes();
  const ReplayRun run = replay(soakTimeline(minutes));
  ASSERT_EQ(0, run.status) << run.output.substr(0, 20000);
  EXPECT_FALSE(reportsTrouble(run.output)) << run.output.substr(0, 20000);
  // Every round ends back in the menu.
  EXPECT_NE(std::string::npos, run.output.find("\nscreen menu\n")) << run.output;
  std::printf("soak: %.1f virtual minutes, peak resident memory %ld KiB\n", minutes,
              run.peakKilobytes);
}

TEST(Soak, MemoryDoesNotGrowWithTheLengthOfTheGame) {
  if (underAddressSanitizer) {
    GTEST_SKIP() << "AddressSanitizer's quarantine holds freed memory: resident sizes mean "
                    "nothing there";
  }
  // One round, then four: a leak of anything the rounds make again shows as the difference.
  Script oneRound;
  heist(oneRound);
  shootoutAndCaught(oneRound);
  restarts(oneRound);
  const double roundMinutes = oneRound.time() / 60000.0;
  const ReplayRun shortRun = replay(oneRound.end());
  const ReplayRun longRun = replay(soakTimeline(4 * roundMinutes));
  for (const ReplayRun* run : {&shortRun, &longRun}) {
    ASSERT_EQ(0, run->status) << run->output;
    EXPECT_FALSE(reportsTrouble(run->output)) << run->output;
    EXPECT_NE(std::string::npos, run->output.find("\nscreen menu\n")) << run->output;
  }
  const long growth = longRun.peakKilobytes - shortRun.peakKilobytes;
  std::printf("soak memory: peak %ld KiB after one round (%.1f virtual minutes), %ld KiB after "
              "four (%+ld KiB)\n",
              shortRun.peakKilobytes, roundMinutes, longRun.peakKilobytes, growth);
  RecordProperty("peak_kib_one_round", static_cast<int>(shortRun.peakKilobytes));
  RecordProperty("peak_kib_four_rounds", static_cast<int>(longRun.peakKilobytes));
  EXPECT_LT(growth, 8 * 1024);
}

}  // namespace
