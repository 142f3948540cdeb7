// The respawn wait of a gone guard, timed in whole seconds of the game clock.
#include "game/GuardRespawn.h"

#include "game/Guard.h"
#include "platform/Clock.h"

namespace {

constexpr std::int32_t respawnWaitSeconds = 8;  // the wait is over when more have passed
constexpr int spawnAngle = -90;

// The game clock in seconds, truncated toward zero.
std::int32_t wholeSecondNow() {
  return static_cast<std::int32_t>(platform::clockSeconds());
}

}  // namespace

void runRespawnWait(Guard& guard, std::int32_t& downTime, const Vector3* path,
                    const Vector3& startHeading) {
  if (!guard.gone) {
    return;
  }
  if (downTime == -1) {
    downTime = wholeSecondNow();
  }
  const std::int32_t now = wholeSecondNow();
  if (now - downTime > respawnWaitSeconds) {
    downTime = -1;
    guard.spawn(path[0], spawnAngle);
    guard.setPath(path);
    guard.heading = startHeading;
  }
}
