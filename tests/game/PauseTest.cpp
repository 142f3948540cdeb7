// The pause: a minute away changes nothing in the museum, every timer goes on afterwards from
// where it stood, and a pause begun by losing the keyboard waits for 'p'.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "support/Replay.h"

namespace {

// The lines of one labelled report, without the label.
std::string report(const testsupport::ReplayResult& r, const std::string& label) {
  std::istringstream lines(r.output);
  std::string line, found;
  while (std::getline(lines, line)) {
    if (line.rfind(label + ".", 0) == 0) found += line.substr(label.size() + 1) + "\n";
  }
  return found;
}

double value(const testsupport::ReplayResult& r, const std::string& name, std::size_t i = 0) {
  return testsupport::reportNumber(r, name, i);
}

// Guard 1 is hit at 1.04 s (the alarm runs until 26.04 s of game time) and down at 1.36 s;
// guard 2 walks his first leg from about 5 s on; F4's message shows from 7.04 s to 10.04 s.
// Paused from 8.0 s to 68.4 s of the replay's clock (0.8 s a frame meanwhile): 60.4 s that
// the game never sees.
const char* const minuteAway =
    "0 key-down enter\n80 key-up enter\n160 motion 483 389\n1040 button left down 512 384\n"
    "1200 button left down 512 384\n1360 button left down 512 384\n7040 special-down f4\n"
    "8000 key-down p\n8080 key-up p\n8240 report paused\n8320 step 800\n"
    // Nothing of this may act while paused: walking, looking, shooting, a function key.
    "9000 key-down w\n9400 motion 700 300\n9480 button left down 512 384\n"
    "9600 special-down f3\n9700 key-up w\n"
    "20000 focus-out\n67520 step 80\n68240 report later\n"
    "68400 key-down p\n68480 key-up p\n68880 report walked\n"
    "69400 report message\n70800 report faded\n80000 report gone\n81200 report back\n"
    "85600 report alarm\n87200 end\n";

TEST(PauseReplay, AMinuteAwayChangesNothingAndEveryTimerGoesOnFromWhereItStood) {
  const auto r = testsupport::runReplay(minuteAway, "--step-ms 80");
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  const std::string paused = report(r, "paused");
  for (const char* item : {"paused 1", "alarm 1", "walking 1"}) {
    EXPECT_NE(paused.find(item), std::string::npos) << item << "\n" << r.output;
  }
  // The pause line stands where the message stood: the message gives way, and comes back
  // after the pause for the rest of its time.
  EXPECT_EQ(paused.find("status-text"), std::string::npos) << r.output;
  EXPECT_EQ(report(r, "later"), paused);
  // The first frames after the pause step as any other: guard 2 half a second further on.
  const double moved = std::hypot(value(r, "walked.guard2", 0) - value(r, "paused.guard2", 0),
                                  value(r, "walked.guard2", 2) - value(r, "paused.guard2", 2));
  EXPECT_GT(moved, 0.5) << r.output;
  EXPECT_LT(moved, 5.0) << r.output;
  EXPECT_NE(report(r, "message").find("Bilineare"), std::string::npos) << r.output;
  EXPECT_EQ(report(r, "faded").find("Bilineare"), std::string::npos) << r.output;
  EXPECT_EQ(value(r, "gone.guard1", 6), 1) << r.output;   // still in his respawn wait
  EXPECT_EQ(value(r, "back.guard1", 6), 0) << r.output;   // fresh at his first corner
  EXPECT_EQ(value(r, "back.guard1", 0), 26.0) << r.output;
  EXPECT_EQ(value(r, "alarm.alarm"), 1) << r.output;
  EXPECT_EQ(value(r, "alarm"), 0) << r.output;
}

TEST(PauseReplay, APauseBegunByLosingTheKeyboardWaitsForP) {
  const auto r = testsupport::runReplay(
      "0 key-down enter\n80 key-up enter\n2000 focus-out\n2240 report lost\n"
      "12000 report still\n12080 key-down p\n12160 key-up p\n12400 report back\n"
      "13000 key-down p\n13080 key-up p\n14000 key-down esc\n14080 key-up esc\n14400 end\n",
      "--step-ms 80");
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  EXPECT_EQ(value(r, "lost.paused"), 1) << r.output;
  EXPECT_EQ(report(r, "still"), report(r, "lost"));
  EXPECT_EQ(value(r, "back.paused"), 0) << r.output;
  EXPECT_EQ(report(r, "lost").find("status-text"), std::string::npos) << r.output;
  // Esc while paused goes to the menu, and the menu is not paused.
  EXPECT_NE(r.output.find("\nscreen menu\n"), std::string::npos) << r.output;
  EXPECT_EQ(value(r, "paused"), 0) << r.output;
}

// The welcome line shows for 3 s: a pause within them shows the pause line in its place, and
// the verdict of a heist left within them stands alone.
TEST(PauseReplay, TheWelcomeLineGivesWayToThePauseLineAndTheVerdict) {
  const auto r = testsupport::runReplay(
      "0 key-down enter\n80 key-up enter\n400 report welcome\n800 key-down p\n880 key-up p\n"
      "1040 report paused\n1600 key-down p\n1680 key-up p\n1840 report back\n"
      "2000 key-down q\n2080 key-up q\n2240 report verdict\n2400 end\n",
      "--step-ms 80");
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  EXPECT_NE(report(r, "welcome").find("status-text It's your turn now"), std::string::npos)
      << r.output;
  EXPECT_EQ(report(r, "paused").find("status-text"), std::string::npos) << r.output;
  EXPECT_NE(report(r, "back").find("status-text It's your turn now"), std::string::npos)
      << r.output;
  EXPECT_NE(report(r, "verdict").find("verdict-text"), std::string::npos) << r.output;
  EXPECT_EQ(report(r, "verdict").find("status-text"), std::string::npos) << r.output;
}

}  // namespace
