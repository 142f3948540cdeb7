// The stealth rules played by the replay driver on the real museum, each checked at the moments
// it reports, beside the classic rules where they differ: a guard behind a wall, a guard who
// sees the player under a lamp but not in the dark until he is near, and running and walking
// steps behind a wall (the shot that stops at a wall is the rules' own test). Guard 1 waits at his first corner
// (26, 25) until about 5.4 s, then walks the hall along z 25 towards +x at some 8.8 units a
// second, reaching x 395 at about 47.6 s. Screenshots of the visibility meter in a lamp's light
// and in the dark, and of a suspicious guard's bar, go to <build>/scenario-shots/.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "support/Replay.h"

namespace {

using testsupport::reportLine;
using testsupport::Script;

testsupport::ReplayResult play(const Script& s) {
  return testsupport::runReplay(s.end(), "--step-ms 80");
}

// A new game under the rules, at normal difficulty.
Script newGame(const char* rules) {
  Script s;
  s.choose(rules, "normal");
  return s.key("enter");
}

// Waits until ms after the start of the timeline.
Script& until(Script& s, int ms) {
  return s.wait(ms - s.time());
}

struct GuardState {
  double x = NAN, y = NAN, z = NAN, angle = NAN;
  int health = -999, alerted = -1, walking = -1, suspicious = -1;
};

// "guard1 x y z health H down D alerted A gone G walking W angle A suspicious S ..."
GuardState guardState(const testsupport::ReplayResult& r, const std::string& name) {
  GuardState g;
  int down = 0, gone = 0;
  std::sscanf(reportLine(r, name).c_str(),
              "%lf %lf %lf health %d down %d alerted %d gone %d walking %d angle %lf suspicious %d",
              &g.x, &g.y, &g.z, &g.health, &down, &g.alerted, &gone, &g.walking, &g.angle,
              &g.suspicious);
  return g;
}

// From the guard's feet to the player's eye, as the sight distance is measured.
double distanceToPlayer(const testsupport::ReplayResult& r, const std::string& label) {
  const GuardState g = guardState(r, label + ".guard1");
  return std::sqrt(std::pow(g.x - testsupport::reportNumber(r, label + ".camera.position", 0), 2) +
                   std::pow(g.y - testsupport::reportNumber(r, label + ".camera.position", 1), 2) +
                   std::pow(g.z - testsupport::reportNumber(r, label + ".camera.position", 2), 2));
}

double number(const testsupport::ReplayResult& r, const std::string& name) {
  return testsupport::reportNumber(r, name);
}

// In room 3 behind the wall z 50..52, near the hall's lamp (254, 25): light enough to be seen
// from 65 units. The player is put there when guard 1, coming along the hall, is 60 units off,
// ahead of him and to his left. The classic guard sees him through the wall at once and stops;
// the stealth guard walks on, and still does not see him 43 units off, well inside his field of
// view.
TEST(StealthScenario, AGuardDoesNotSeeThroughTheWallThatTheClassicRulesSeeThrough) {
  for (const char* rules : {"classic", "stealth"}) {
    SCOPED_TRACE(rules);
    Script s = newGame(rules);
    until(s, 25800).report("before").place(254.0f, 60.0f, 254.0f, 1.0f, 0.0f).report("sixty");
    until(s, 28400).report("later");
    const auto r = play(s);
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    const bool classic = std::string(rules) == "classic";
    EXPECT_EQ(number(r, "before.alarm"), 0) << r.output;
    EXPECT_EQ(number(r, "sixty.room"), 3) << r.output;
    EXPECT_NEAR(distanceToPlayer(r, "sixty"), 60.0, 2.0) << r.output;
    EXPECT_EQ(number(r, "sixty.alarm"), classic ? 1 : 0) << r.output;
    EXPECT_NEAR(distanceToPlayer(r, "later"), classic ? 60.0 : 43.0, 2.0) << r.output;
    EXPECT_EQ(number(r, "later.alarm"), classic ? 1 : 0) << r.output;
    EXPECT_EQ(guardState(r, "later.guard1").alerted, classic ? 1 : 0) << r.output;
  }
}

// Ahead of guard 1 on his line along the hall. Under the lamp at (254, 25) he sees the player
// from the full 75 units: put there when the guard is 61 off, the alarm comes at once. At the
// hall's dark end by the entrance he sees him from some 50 units only: at (455, 25) not even
// when he comes to his corner 60 off, but put at (419, 25) when the guard is 30 off, at once.
// In between the player waits out of the way at the far end of the hall's left corridor.
TEST(StealthScenario, UnderALampAGuardSeesThePlayerFromSixtyUnitsAndInTheDarkOnlyFromNearer) {
  Script lamp = newGame("stealth");
  until(lamp, 24400).report("before").place(254.0f, 25.0f, 0.0f, 1.0f, 25.0f);
  lamp.screenshot("meter-light").report("seen");
  const auto lit = play(lamp);
  ASSERT_EQ(lit.exitStatus, 0) << lit.output;
  EXPECT_EQ(number(lit, "before.alarm"), 0) << lit.output;
  // Alerted, he stopped where he first saw the player.
  EXPECT_NEAR(distanceToPlayer(lit, "seen"), 61.0, 2.0) << lit.output;
  EXPECT_EQ(number(lit, "seen.alarm"), 1) << lit.output;
  EXPECT_EQ(guardState(lit, "seen.guard1").alerted, 1) << lit.output;

  Script far = newGame("stealth");
  far.place(455.0f, 25.0f, 0.0f, 1.0f, 25.0f).screenshot("meter-shadow");
  until(far, 50000).report("corner");
  const auto sixty = play(far);
  ASSERT_EQ(sixty.exitStatus, 0) << sixty.output;
  EXPECT_NEAR(distanceToPlayer(sixty, "corner"), 60.3, 1.0) << sixty.output;
  EXPECT_EQ(number(sixty, "corner.alarm"), 0) << sixty.output;

  Script near = newGame("stealth");
  near.place(26.0f, 470.0f, 26.0f, 1.0f, 400.0f);
  until(near, 46400).report("before").place(419.0f, 25.0f, 0.0f, 1.0f, 25.0f).report("seen");
  const auto thirty = play(near);
  ASSERT_EQ(thirty.exitStatus, 0) << thirty.output;
  EXPECT_EQ(number(thirty, "before.alarm"), 0) << thirty.output;
  EXPECT_NEAR(distanceToPlayer(thirty, "seen"), 30.0, 2.0) << thirty.output;
  EXPECT_EQ(number(thirty, "seen.alarm"), 1) << thirty.output;
}

// Guard 1 passes room 3's wall at about 20.5 s; the player stands in the room behind the wall
// 35 units from him and behind his back, and steps left (away from the doorway) for a third
// of a second. Running, he is heard: the guard turns round to the noise and goes towards it,
// up to the wall. Walking, he is not.
TEST(StealthScenario, RunningBehindAGuardThroughAWallTurnsHimToTheNoiseAndWalkingDoesNot) {
  for (const bool running : {true, false}) {
    SCOPED_TRACE(running ? "running" : "walking");
    Script s = newGame("stealth");
    if (running) s.key("e");
    until(s, 20400).place(140.0f, 56.0f, 140.0f, 1.0f, 0.0f);
    s.report("before");
    if (running) {
      s.keyDown("a").wait(160).screenshot("running-heard").wait(80).keyUp("a");
    } else {
      s.hold("a", 320);
    }
    s.report("after");
    if (running) s.screenshot("suspicious-guard");
    until(s, 24000).report("later");
    const auto r = play(s);
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_LT(distanceToPlayer(r, "before"), 40.0) << r.output;
    const GuardState before = guardState(r, "before.guard1"), after = guardState(r, "after.guard1"),
                     later = guardState(r, "later.guard1");
    EXPECT_EQ(before.angle, 0.0) << r.output;  // walking along +x, the player behind him
    EXPECT_EQ(number(r, "after.alarm"), 0) << r.output;
    if (running) {
      EXPECT_EQ(after.suspicious, 1) << r.output;
      EXPECT_LT(after.angle, -100.0) << r.output;  // round towards the room behind him
      EXPECT_GT(later.z, 35.0) << r.output;        // towards the wall, where the noise was
      EXPECT_LT(later.z, 50.0) << r.output;
    } else {
      EXPECT_EQ(after.suspicious, 0) << r.output;
      EXPECT_EQ(after.angle, 0.0) << r.output;
      EXPECT_EQ(later.z, 25.0) << r.output;
      EXPECT_GT(later.x, after.x) << r.output;  // on along his patrol
    }
    EXPECT_EQ(number(r, "later.alarm"), 0) << r.output;
  }
}

}  // namespace
