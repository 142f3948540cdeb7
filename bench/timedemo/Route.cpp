// The museum route and its driver. The player walks at the starting pace (20 units a second)
// and keeps out of the guards' 75 units of sight until the route goes to meet them.
#include "Route.h"

#include <GL/freeglut.h>

#include <cmath>
#include <utility>

#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Screen.h"
#include "input/FunctionKeys.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"

namespace {

constexpr double pi = 3.141592653589793;
constexpr double radiansPerPixel = 1.0 / 500.0;  // the mouse look's rate
constexpr int maxTurnPixels = 60;                // per frame: a brisk turn, 7 radians a second
constexpr double walkWhileTurningBelow = 0.35;   // radians off course; beyond, stop and turn
constexpr float arriveWithin = 1.5f;
constexpr double aimWithin = 0.004;              // radians
constexpr int framesBetweenShots = 6;
constexpr float stopShortOfGuard = 20.0f;        // the guards push back within 10

// Steps that have not done their job by then are given up, so a route always ends.
constexpr double walkLimitMs = 30000.0;
constexpr double approachLimitMs = 60000.0;
constexpr double shootLimitMs = 10000.0;

RouteStep hold(double ms) {
  RouteStep step;
  step.kind = RouteStep::Hold;
  step.ms = ms;
  return step;
}

RouteStep key(int code) {
  RouteStep step;
  step.kind = RouteStep::Key;
  step.code = code;
  return step;
}

RouteStep special(int code) {
  RouteStep step;
  step.kind = RouteStep::Special;
  step.code = code;
  return step;
}

RouteStep walkTo(float x, float z) {
  RouteStep step;
  step.kind = RouteStep::WalkTo;
  step.x = x;
  step.z = z;
  return step;
}

RouteStep approach(int guard) {
  RouteStep step;
  step.kind = RouteStep::Approach;
  step.guard = guard;
  return step;
}

RouteStep shootDown(int guard) {
  RouteStep step;
  step.kind = RouteStep::ShootDown;
  step.guard = guard;
  return step;
}

const Guard* guardNumber(int number) {
  return number == 1 ? guard1 : guard2;
}

double headingOf(double dx, double dz) {
  return std::atan2(dx, dz);
}

double wrapAngle(double a) {
  while (a > pi) a -= 2.0 * pi;
  while (a <= -pi) a += 2.0 * pi;
  return a;
}

// How far the player must turn about the vertical to face (x, z); positive turns towards +x
// from +z, as the mouse look's yaw does for a pointer moved left.
double turnTowards(float x, float z) {
  const Vector3& p = camera->position;
  const Vector3& v = camera->view;
  const double wanted = headingOf(x - p.x, z - p.z);
  const double current = headingOf(v.x - p.x, v.z - p.z);
  return wrapAngle(wanted - current);
}

const char* stepName(RouteStep::Kind kind) {
  switch (kind) {
    case RouteStep::Hold: return "hold";
    case RouteStep::Key: return "key";
    case RouteStep::Special: return "special key";
    case RouteStep::WalkTo: return "walk to";
    case RouteStep::Approach: return "approach guard";
    case RouteStep::ShootDown: return "shoot down guard";
  }
  return "step";
}

}  // namespace

std::vector<RouteStep> museumRoute() {
  return {
      // The menu: a moment on the first page, down to "controls" and back, then Start.
      hold(500), special(GLUT_KEY_DOWN), hold(300), special(GLUT_KEY_UP), hold(300), key(13),
      hold(300),
      // From the entrance into room 2; the teapot on the pedestal by the right wall.
      walkTo(395, 40), walkTo(395, 70), walkTo(440, 100), key('t'),
      // Through the doorway into room 3; round its pedestal to the teapot near the middle.
      walkTo(380, 163), walkTo(300, 163), walkTo(260, 163), walkTo(250, 118), walkTo(228, 112),
      key('t'),
      // Out into the hall's left corridor, down it and into room 4; the cube at the back.
      walkTo(100, 163), walkTo(30, 163), walkTo(30, 386), walkTo(70, 386), walkTo(115, 425),
      key('t'),
      // Back through room 3 to the front corridor and along it to the drop zone.
      walkTo(166, 300), walkTo(166, 250), walkTo(166, 70), walkTo(166, 30), walkTo(420, 15),
      key('g'),
      // Into room 2 to meet the guards: both attack; the first is shot down.
      walkTo(395, 40), walkTo(395, 80), approach(1), approach(2), shootDown(1), hold(2000)};
}

RouteDriver::RouteDriver(std::vector<RouteStep> route) : steps(std::move(route)) {}

void RouteDriver::holdForward(bool held) {
  if (held == forwardHeld) return;
  if (held) {
    keyboardDown('w', 0, 0);
  } else {
    keyboardUp('w', 0, 0);
  }
  forwardHeld = held;
}

void RouteDriver::turnBy(double radians) {
  long pixels = std::lround(radians / radiansPerPixel);
  if (pixels > maxTurnPixels) pixels = maxTurnPixels;
  if (pixels < -maxTurnPixels) pixels = -maxTurnPixels;
  if (pixels == 0) return;
  const int middleX = camera->screenWidth / 2;
  const int middleY = camera->screenHeight / 2;
  mousePassiveMotion(middleX - static_cast<int>(pixels), middleY);
}

bool RouteDriver::faceTowards(float x, float z) {
  const double turn = turnTowards(x, z);
  turnBy(turn);
  return std::fabs(turn) < aimWithin;
}

bool RouteDriver::walkTowards(float x, float z, float within) {
  const float dx = x - camera->position.x;
  const float dz = z - camera->position.z;
  if (std::hypot(dx, dz) < within) return true;
  const double turn = turnTowards(x, z);
  turnBy(turn);
  holdForward(std::fabs(turn) < walkWhileTurningBelow);
  return false;
}

void RouteDriver::beginStep(double nowMs) {
  stepStartMs = nowMs;
  stepFrames = 0;
}

void RouteDriver::finishStep(double) {
  ++next;
  stepStartMs = -1.0;
  if (finished() || steps[next].kind != RouteStep::WalkTo) holdForward(false);
}

void RouteDriver::watchGame() {
  if (menuActive() || camera == nullptr) return;
  roomsEntered.insert(heist.currentRoom);
  if (camera->bagLoad > lastBagLoad) ++takes;
  if (camera->bagLoad == 0.0f && lastBagLoad > 0.0f) ++drops;
  lastBagLoad = camera->bagLoad;
  if (guard1->alerted && guard2->alerted) bothAttacked = true;
  if (guard1->down || guard2->down) guardShotDown = true;
}

void RouteDriver::deliverInput(double nowMs) {
  watchGame();
  if (buttonDown) {
    mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, camera->screenWidth / 2, camera->screenHeight / 2);
    buttonDown = false;
  }
  ++framesSinceShot;
  if (finished()) return;
  if (stepStartMs < 0.0) beginStep(nowMs);
  ++stepFrames;
  const RouteStep& step = steps[next];
  const double elapsed = nowMs - stepStartMs;
  bool done = false;
  double limit = walkLimitMs;
  switch (step.kind) {
    case RouteStep::Hold:
      done = elapsed >= step.ms;
      break;
    case RouteStep::Key:
      holdForward(false);
      if (stepFrames == 1) {
        keyboardDown(static_cast<unsigned char>(step.code), 0, 0);
      } else {
        keyboardUp(static_cast<unsigned char>(step.code), 0, 0);
        done = true;
      }
      break;
    case RouteStep::Special:
      if (stepFrames == 1) {
        specialDown(step.code, 0, 0);
      } else {
        specialUp(step.code, 0, 0);
        done = true;
      }
      break;
    case RouteStep::WalkTo:
      done = walkTowards(step.x, step.z, arriveWithin);
      break;
    case RouteStep::Approach: {
      limit = approachLimitMs;
      const Guard* guard = guardNumber(step.guard);
      done = guard->alerted || guard->down;
      if (!done) {
        const float dx = guard->position.x - camera->position.x;
        const float dz = guard->position.z - camera->position.z;
        walkTowards(guard->position.x, guard->position.z, 0.0f);
        if (std::hypot(dx, dz) < stopShortOfGuard) holdForward(false);
      }
      break;
    }
    case RouteStep::ShootDown: {
      limit = shootLimitMs;
      const Guard* guard = guardNumber(step.guard);
      holdForward(false);
      done = guard->down;
      if (!done && faceTowards(guard->position.x, guard->position.z) &&
          framesSinceShot >= framesBetweenShots) {
        mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, camera->screenWidth / 2,
                    camera->screenHeight / 2);
        buttonDown = true;
        framesSinceShot = 0;
      }
      break;
    }
  }
  if (!done && step.kind != RouteStep::Hold && elapsed > limit) {
    char text[96];
    std::snprintf(text, sizeof text, "step %zu (%s %.0f %.0f, guard %d) gave up", next,
                  stepName(step.kind), step.x, step.z, step.guard);
    givenUp.emplace_back(text);
    done = true;
  }
  if (done) finishStep(nowMs);
}

std::string RouteDriver::shortcomings() const {
  std::string text;
  for (const std::string& line : givenUp) text += line + "\n";
  for (int room = 1; room <= 4; ++room) {
    if (roomsEntered.count(room) == 0) text += "room " + std::to_string(room) + " never entered\n";
  }
  if (takes < 3) text += "only " + std::to_string(takes) + " of 3 takes\n";
  if (drops < 1) text += "the bag was never emptied\n";
  if (!bothAttacked) text += "the guards never attacked together\n";
  if (!guardShotDown) text += "no guard was shot down\n";
  return text;
}

void RouteDriver::trace(double nowMs, std::FILE* out) const {
  if (camera == nullptr || guard1 == nullptr || guard2 == nullptr) return;
  std::fprintf(out,
               "t %7.2f step %2zu room %d player %6.1f %6.1f health %3.0f bag %3.0f score %3d | "
               "guard1 %6.1f %6.1f%s%s | guard2 %6.1f %6.1f%s%s\n",
               nowMs / 1000.0, next, heist.currentRoom, camera->position.x, camera->position.z,
               camera->health, camera->bagLoad, camera->score, guard1->position.x,
               guard1->position.z, guard1->alerted ? " alerted" : "", guard1->down ? " down" : "",
               guard2->position.x, guard2->position.z, guard2->alerted ? " alerted" : "",
               guard2->down ? " down" : "");
}
