// Whole games played by the replay driver on the real museum, each checked at the moments it
// reports: a heist from the entrance into room 2 and back out through the exit, a tour through
// every doorway, being caught by a guard, shooting a guard down and seeing him come back, and
// quitting from the menu.
// Screenshots of the rooms, the verdict, the alarm and an aiming guard go to
// <build>/scenario-shots/ for a person to look at.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "geometry/MuseumPlan.h"
#include "support/Replay.h"

namespace {

using testsupport::reportLine;
using testsupport::Script;

const char* const frameStep = "--step-ms 80";

Script intoRoomTwo() {
  Script s;
  return heistIntoRoomTwo(s);
}

Script pictureTaken() {
  Script s = intoRoomTwo();
  return heistTakePicture(s);
}

testsupport::ReplayResult play(const std::string& timeline) {
  return testsupport::runReplay(timeline, frameStep);
}

double number(const testsupport::ReplayResult& r, const std::string& name, std::size_t i = 0) {
  return testsupport::reportNumber(r, name, i);
}

bool fileIsThere(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && info.st_size > 0;
}

// The guard lines: "guard1 x y z health H down D alerted A gone G walking W".
struct GuardState {
  double x, y, z;
  int health, down, alerted, gone, walking;
};
GuardState guardState(const testsupport::ReplayResult& r, const std::string& name) {
  GuardState g{NAN, NAN, NAN, -999, -1, -1, -1, -1};
  std::sscanf(reportLine(r, name).c_str(),
              "%lf %lf %lf health %d down %d alerted %d gone %d walking %d", &g.x, &g.y, &g.z,
              &g.health, &g.down, &g.alerted, &g.gone, &g.walking);
  return g;
}

}  // namespace

TEST(HeistScenario, TakesAPictureInRoomTwoThenLeavesWithTheHaulAndTheVerdict) {
  for (const char* shot : {"room2", "verdict"}) std::remove(Script::shotPath(shot).c_str());
  Script s = pictureTaken();
  const auto r = play(heistTakeTeapotAndLeave(s.report("picture")).end(200));
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  EXPECT_EQ(number(r, "picture.room"), 2) << r.output;
  EXPECT_NEAR(number(r, "picture.camera.position", 0), 419.0, 1.5) << r.output;
  EXPECT_NEAR(number(r, "picture.camera.position", 2), 62.3, 1.5) << r.output;
  EXPECT_EQ(number(r, "picture.score"), 20) << r.output;
  EXPECT_EQ(number(r, "picture.bag"), 15) << r.output;
  EXPECT_EQ(reportLine(r, "picture.status-text"), "Yeah, you have it baby!") << r.output;

  EXPECT_EQ(reportLine(r, "screen"), "heist-finished") << r.output;
  EXPECT_EQ(number(r, "room"), 1) << r.output;
  const double x = number(r, "camera.position", 0), z = number(r, "camera.position", 2);
  EXPECT_TRUE(museum::standsIn(museum::dropZone, static_cast<float>(x), static_cast<float>(z)))
      << r.output;
  EXPECT_EQ(number(r, "score"), 55) << r.output;                // picture and teapot
  EXPECT_EQ(number(r, "bag"), 0) << r.output;                   // emptied
  EXPECT_EQ(reportLine(r, "verdict-text"), "Hey man, you should stay in bed next time!")
      << r.output;
  for (const char* shot : {"room2", "verdict"}) EXPECT_TRUE(fileIsThere(Script::shotPath(shot)));
}

// Hall, room 2, room 4 (a picture by the doorway), room 2 again, room 3 (the teapot on
// pedestal 7): each take counts only in the room the tracking says the player is in.
TEST(TourScenario, EveryDoorwayOnTheWayChangesTheRoom) {
  Script s = intoRoomTwo();
  s.walk(11040).screenshot("room4-doorway");  // on along x 398 to z 283
  s.turnLeft().walk(2000).key("t").screenshot("room4");  // to x 438: picture 3 at x 455
  s.turnAround().walk(2000).turnRight().walk(6160);      // back along x 398 to z 160
  s.turnLeft().walk(8560).screenshot("room3");           // along z 160 to x 227
  s.turnRight().walk(800).key("t");                      // to z 144: the teapot at z 132
  const auto r = play(s.end(200));
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  EXPECT_EQ(number(r, "room"), 3) << r.output;
  EXPECT_EQ(number(r, "score"), 19 + 45) << r.output;
  EXPECT_EQ(number(r, "bag"), 12 + 30) << r.output;
  EXPECT_EQ(number(r, "alarm"), 0) << r.output;
}

// Guard 1 waits at (26, -6, 25), then walks along z 25 towards +x; the player walks to meet
// him along the front corridor and stops once in sight.
TEST(CaughtScenario, StandingInSightOfAGuardEndsInGameOver) {
  Script s = Script::newGame();
  s.walk(12000).wait(4000).screenshot("guard-aiming");
  s.wait(4800).screenshot("alarm").report("seen");  // the red alarm lights on, 60 frames after the raise
  const auto r = play(s.wait(12000).screenshot("game-over").end(200));
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  EXPECT_EQ(reportLine(r, "seen.screen"), "playing") << r.output;
  EXPECT_EQ(number(r, "seen.alarm"), 1) << r.output;
  const GuardState aiming = guardState(r, "seen.guard1");
  EXPECT_EQ(aiming.alerted, 1) << r.output;
  const double gap = std::hypot(aiming.x - number(r, "seen.camera.position", 0),
                                aiming.z - number(r, "seen.camera.position", 2));
  EXPECT_LT(gap, 75.0) << r.output;
  EXPECT_GT(gap, 10.0) << r.output;

  EXPECT_EQ(reportLine(r, "screen"), "game-over") << r.output;
  EXPECT_EQ(number(r, "health"), 0) << r.output;
  EXPECT_EQ(guardState(r, "guard1").down, 0) << r.output;
}

// From the entrance guard 1 stands 393 units away at his first corner: three shots at him
// (at 1.04, 1.2 and 1.36 s) bring him down before he can shoot back. Down at 1.36 s, he is
// gone once he has lain more than 10 s, in whole second 11; still gone in second 19, and back
// in second 20 (more than 8 whole seconds later), fresh at his first corner.
TEST(ShotGuardScenario, ThreeHitsBringGuardOneDownAndHeComesBackFreshAtHisFirstCorner) {
  Script s = Script::newGame();
  s.look(-29, 5).wait(800).click().click().click().wait(400).report("down");
  s.wait(19840 - s.time()).report("gone");
  const auto r = play(s.wait(720).end(0));  // at 20.64 s
  ASSERT_EQ(r.exitStatus, 0) << r.output;
  const GuardState down = guardState(r, "down.guard1");
  EXPECT_EQ(down.health, -20) << r.output;
  EXPECT_EQ(down.down, 1) << r.output;
  EXPECT_EQ(number(r, "down.alarm"), 1) << r.output;
  EXPECT_EQ(guardState(r, "down.guard2").health, 100) << r.output;
  const GuardState away = guardState(r, "gone.guard1");
  EXPECT_EQ(away.gone, 1) << r.output;
  EXPECT_EQ(away.down, 1) << r.output;
  const GuardState fresh = guardState(r, "guard1");
  EXPECT_EQ(fresh.gone, 0) << r.output;
  EXPECT_EQ(fresh.down, 0) << r.output;
  EXPECT_EQ(fresh.health, 100) << r.output;
  EXPECT_DOUBLE_EQ(fresh.x, 26.0) << r.output;
  EXPECT_DOUBLE_EQ(fresh.z, 25.0) << r.output;
}

// Enter on "Quit" (three steps down), or Esc in the menu: the game ends with status 0 in the
// callback, before the timeline's end would print the state; under the virtual clock the
// two-second wait for the shutdown sound passes at once.
TEST(QuitScenario, EnterOnQuitOrEscInTheMenuEndsTheGameWithStatusZero) {
  const auto quit =
      play(Script().key("s").key("s").key("s").key("s").key("enter").end(4000));
  EXPECT_EQ(quit.exitStatus, 0) << quit.output;
  EXPECT_EQ(quit.output.find("replay.frames"), std::string::npos) << quit.output;

  // Esc in play goes to the menu; Esc there quits.
  const auto escaped = play(Script::newGame().key("esc").key("esc").end(4000));
  EXPECT_EQ(escaped.exitStatus, 0) << escaped.output;
  EXPECT_EQ(escaped.output.find("replay.frames"), std::string::npos) << escaped.output;
}
