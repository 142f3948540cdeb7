// The timedemo's route through the museum and the driver that plays it: each frame it turns
// the plan into key presses and pointer motion, delivered through the game's own callbacks.
// The guards and the clock are deterministic, so a route plays the same way on every run.
#pragma once

#include <cstdio>
#include <set>
#include <string>
#include <vector>

struct RouteStep {
  enum Kind {
    Hold,         // nothing for ms
    Key,          // a character key pressed this frame and released the next
    Special,      // the same for a special key
    WalkTo,       // turn towards (x, z) and walk until there
    Approach,     // walk towards guard `guard` until it notices the player
    ShootDown,    // face guard `guard` and fire until it is down
  };
  Kind kind = Hold;
  double ms = 0.0;
  int code = 0;
  float x = 0.0f, z = 0.0f;
  int guard = 1;  // 1 or 2
};

// Menu, new game, a walk through every room with three takes, the drop at the entrance, an
// alarm with both guards attacking and one of them shot down.
std::vector<RouteStep> museumRoute();

class RouteDriver {
 public:
  explicit RouteDriver(std::vector<RouteStep> steps);

  // This frame's input; call before idle and display, with the frame's virtual time.
  void deliverInput(double nowMs);
  bool finished() const { return next >= steps.size(); }

  // What the route was meant to do and did not (rooms never entered, steps given up, guards
  // never alerted or shot down); empty when it all happened.
  std::string shortcomings() const;

  // One line of where everything is, for following a route while changing it.
  void trace(double nowMs, std::FILE* out) const;

 private:
  void beginStep(double nowMs);
  void finishStep(double nowMs);
  bool walkTowards(float x, float z, float arriveWithin);
  bool faceTowards(float x, float z);
  void holdForward(bool held);
  void turnBy(double radians);

  void watchGame();

  std::vector<RouteStep> steps;
  std::size_t next = 0;        // the step being played
  double stepStartMs = -1.0;   // virtual time the step began; -1 before its first frame
  int stepFrames = 0;          // frames played of the step
  int framesSinceShot = 0;
  bool forwardHeld = false;
  bool buttonDown = false;
  // What happened, for shortcomings().
  std::set<int> roomsEntered;
  std::vector<std::string> givenUp;
  int takes = 0;
  int drops = 0;
  float lastBagLoad = 0.0f;
  bool bothAttacked = false;
  bool guardShotDown = false;
};
