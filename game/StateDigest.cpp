// The state digest: FNV-1a over the bits of the game's state, in a fixed order.
#include "game/StateDigest.h"

#include <cstring>

#include "assets/Md2Model.h"
#include "assets/ModelObject.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Rules.h"
#include "game/Screen.h"
#include "game/World.h"

namespace {

class Fnv {
 public:
  explicit Fnv(std::uint64_t seed) : hash(seed ^ 14695981039346656037ull) {}
  void bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
      hash ^= p[i];
      hash *= 1099511628211ull;
    }
  }
  template <typename T>
  void add(const T& value) {
    bytes(&value, sizeof value);
  }
  void add(const Vector3& v) {
    add(v.x);
    add(v.y);
    add(v.z);
  }
  void text(const TextMessage& message) {
    if (message.text == nullptr) {
      add('\0');
      return;
    }
    bytes(message.text, std::strlen(message.text) + 1);
  }
  std::uint64_t hash;
};

void addClock(Fnv& fnv, const Md2Clock* clock) {
  if (clock == nullptr) {
    fnv.add(-1);
    return;
  }
  fnv.add(clock->currentFrame);
  fnv.add(clock->elapsedTime);
  fnv.add(clock->lastTime);
  fnv.add(clock->playOnce);
}

// The guard's clock of an animation he has; null for the placeholders, which have none.
const Md2Clock* clockOf(const Guard* guard, const Md2Model* model, GuardAnimation animation) {
  if (model == nullptr || guard->clocks == nullptr) return nullptr;
  return &guard->clocks[static_cast<int>(animation)];
}

void addGuard(Fnv& fnv, const Guard* guard) {
  if (guard == nullptr) {
    fnv.add(-1);
    return;
  }
  fnv.add(guard->position);
  fnv.add(guard->heading);
  fnv.add(guard->angle);
  fnv.add(guard->walking);
  fnv.add(guard->alerted);
  fnv.add(guard->fallPending);
  fnv.add(guard->shotReady);
  fnv.add(guard->targetIndex);
  fnv.add(guard->waitStart);
  fnv.add(guard->clockNow);
  fnv.add(guard->health);
  fnv.add(guard->down);
  fnv.add(guard->gone);
  addClock(fnv, clockOf(guard, guard->walkModel, GuardAnimation::Walk));
  addClock(fnv, clockOf(guard, guard->standModel, GuardAnimation::Stand));
  addClock(fnv, clockOf(guard, guard->shootModel, GuardAnimation::Shoot));
  addClock(fnv, clockOf(guard, guard->fallModel, GuardAnimation::Fall));
  addClock(fnv, clockOf(guard, guard->weaponShootModel, GuardAnimation::WeaponShoot));
  addClock(fnv, clockOf(guard, guard->weaponFallModel, GuardAnimation::WeaponFall));
}

// The rule set, and what only the stealth rules and the difficulties change: mixed in only
// outside classic normal, whose digests stay those of the game before there were others.
void addRules(Fnv& fnv) {
  if (playRules == RuleSet()) return;
  fnv.add(playRules.rules);
  fnv.add(playRules.difficulty);
  for (const Guard* guard : {guard1, guard2}) {
    if (guard == nullptr) continue;
    fnv.add(guard->sightRange);
    fnv.add(guard->shotDamage);
    fnv.add(guard->seesPlayer);
    fnv.add(guard->lastSeenAt);
    fnv.add(guard->offPatrol);
    fnv.add(guard->suspicious);
    fnv.add(guard->noiseAt);
    fnv.add(guard->suspiciousUntil);
    fnv.add(guard->leftPatrolAt);
  }
}

}  // namespace

std::uint64_t stateDigest(std::uint64_t previous, std::int32_t forward, std::int32_t sideways) {
  Fnv fnv(previous);
  fnv.add(menuActive());
  fnv.add(static_cast<std::int16_t>(menuSelection));
  fnv.add(controlsShown());
  fnv.add(creditsShown());
  fnv.add(helpFromGame());
  fnv.add(gameOver());
  fnv.add(heistFinished());
  fnv.add(gamePaused());
  fnv.add(musicOn);
  fnv.add(heist.wireframeOn);
  fnv.add(fpsShown);
  fnv.add(heist.alarmActive);
  fnv.add(heist.alarmStartTime);
  fnv.add(heist.alarmBlinkCounter);
  fnv.add(heist.alarmLightsLit);
  fnv.add(heist.messageTime);
  fnv.add(heist.messageDuration);
  fnv.text(heist.statusMessage);
  fnv.text(heist.endMessage);
  fnv.add(heist.heistStartMs);
  fnv.add(heist.guardsShotDown);
  fnv.add(frameInterval);
  fnv.add(moveStep);
  fnv.add(forward);
  fnv.add(sideways);
  fnv.add(heist.currentRoom);
  fnv.add(heist.guardDownTime[0]);
  fnv.add(heist.guardDownTime[1]);
  if (camera != nullptr) {
    fnv.add(camera->position);
    fnv.add(camera->view);
    fnv.add(camera->health);
    fnv.add(camera->interval);
    fnv.add(camera->bagLoad);
    fnv.add(camera->score);
    fnv.add(camera->walkPace);
  }
  addGuard(fnv, guard1);
  addGuard(fnv, guard2);
  addRules(fnv);
  for (int row = 0; row < roomRows; ++row) {
    for (int i = 0; i < pictureCount[row]; ++i) fnv.add(pictures[row][i]->intact);
    for (int i = 0; i < exhibitCount[row]; ++i) fnv.add(exhibits[row][i]->visible);
    for (int i = 0; i < swordCount[row]; ++i) fnv.add(swords[row][i]->visible);
  }
  return fnv.hash;
}
