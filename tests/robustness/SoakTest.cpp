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

using testsupport::ReplayResult;
using testsupport::Script;

// The scenarios' heist to the verdict; any key goes back to the menu.
void heist(Script& s) {
  testsupport::heistTakeTeapotAndLeave(testsupport::heistTakePicture(testsupport::heistIntoRoomTwo(s)));
  s.wait(1000).key("x");
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

// Rounds until the timeline is at least `minutes` long (one at the least).
Script rounds(double minutes) {
  Script s;
  s.withoutScreenshots();
  do {
    heist(s);
    shootoutAndCaught(s);
    restarts(s);
  } while (s.time() < minutes * 60000.0);
  return s;
}

ReplayResult replay(const Script& s) { return testsupport::runReplay(s.end(), "--step-ms 80"); }

double soakMinutes() {
  const char* value = std::getenv("VAULTRUN_SOAK_MINUTES");
  const double minutes = value != nullptr ? std::atof(value) : 0.0;
  return minutes > 0.0 ? minutes : 5.0;
}

// Ended with status 0 back in the menu (every round ends there), with no report of trouble.
void expectClean(const ReplayResult& run) {
  ASSERT_EQ(0, run.exitStatus) << run.output.substr(0, 20000);
  for (const char* mark : {"AddressSanitizer", "LeakSanitizer", "runtime error:", "Error:"}) {
    EXPECT_EQ(std::string::npos, run.output.find(mark)) << run.output.substr(0, 20000);
  }
  EXPECT_NE(std::string::npos, run.output.find("\nscreen menu\n")) << run.output;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool underAddressSanitizer = true;
#else
constexpr bool underAddressSanitizer = false;
#endif

// Under AddressSanitizer the soak plays its full length (its quarantine holds freed memory, so
// resident sizes mean nothing there); elsewhere one round, then four: a leak of anything the
// rounds make again shows as the difference. The short run goes first, as the peak is that of
// any child so far.
TEST(Soak, RepeatedRoundsRunCleanAndMemoryDoesNotGrowWithTheirNumber) {
  const Script one = rounds(0.0);
  const double minutes = underAddressSanitizer ? soakMinutes() : 4 * one.time() / 60000.0;
  const ReplayResult shortRun = underAddressSanitizer ? ReplayResult{} : replay(one);
  const ReplayResult longRun = replay(rounds(minutes));
  expectClean(longRun);
  std::printf("soak: %.1f virtual minutes, peak resident memory %ld KiB\n", minutes,
              longRun.peakKilobytes);
  if (underAddressSanitizer) return;
  expectClean(shortRun);
  EXPECT_LT(longRun.peakKilobytes - shortRun.peakKilobytes, 8 * 1024)
      << "peak " << shortRun.peakKilobytes << " KiB after one round";
}

}  // namespace
