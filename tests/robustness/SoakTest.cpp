// A long game through the replay driver: heists carried out to the verdict, a guard shot down
// who vanishes and comes back, the player caught and shot until the game is over, games
// restarted in play, and the menu between them, over and over. It must run clean (no
// sanitizer report, no leak at exit under LeakSanitizer) and its memory must not grow with
// its length. VAULTRUN_SOAK_MINUTES sets the virtual length (5 minutes unless set).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/Replay.h"

namespace {

using testsupport::quarterTurn;
using testsupport::ReplayResult;
using testsupport::Script;

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

ReplayResult replay(const std::string& timeline) {
  return testsupport::runReplay(timeline, "--step-ms 80");
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
  const ReplayResult run = replay(soakTimeline(minutes));
  ASSERT_EQ(0, run.exitStatus) << run.output.substr(0, 20000);
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
  const ReplayResult shortRun = replay(oneRound.end());
  const ReplayResult longRun = replay(soakTimeline(4 * roundMinutes));
  for (const ReplayResult* run : {&shortRun, &longRun}) {
    ASSERT_EQ(0, run->exitStatus) << run->output;
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
