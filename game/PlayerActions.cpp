// The player's actions: taking, emptying the bag, leaving with the verdict, the shot.
#include "game/PlayerActions.h"

#include "assets/ModelObject.h"
#include "game/Alarm.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Results.h"
#include "game/Rules.h"
#include "game/Screen.h"
#include "game/StatusLine.h"
#include "game/World.h"
#include "geometry/MuseumPlan.h"
#include "geometry/SightLine.h"
#include "platform/Clock.h"

namespace {

// Where the status messages of the keys stand; the verdict has its own place.
constexpr int statusX = 380;
constexpr int statusY = 686;

// ---- 'q': the verdict ----
struct Verdict {
  int x;
  const char* text;
};

Verdict verdictFor(std::int16_t score) {
  if (score > 400) return {250, "Wow, whotta superb job. I will bow right before you!"};
  if (score > 200) return {250, "Congratulations, your little museum tour was a great success!"};
  return {300, "Hey man, you should stay in bed next time!"};
}

// ---- 't' ----
const char* remarkFor(std::int16_t value) {
  if (value >= 30) return "Wow, whotta cool piece!";
  if (value >= 20) return "Yeah, you have it baby!";
  return "Man ,that's a poor piece of shit!";
}

// An exhibit or sword disappears; a picture keeps its frame and loses its canvas.
void takeObject(ModelObject* object, bool isPicture) {
  if (object->bagSpace + camera->bagLoad > bagCapacity) {
    playCue(Cue::BagFull);
    postStatusMessage(statusX, statusY, textYellow, "You can't carry this anymore, stupid");
    return;
  }
  playCue(Cue::Taken);
  if (isPicture) {
    object->intact = 0;
  } else {
    object->visible = 0;
  }
  camera->score = static_cast<std::int16_t>(camera->score + object->value);
  camera->bagLoad += object->bagSpace;
  heist.messageDuration = 2;
  postStatusMessage(statusX, statusY, textYellow, remarkFor(object->value));
}

// The alarm switches by the lamps: never within reach as the lamps are set up (their intact
// flag is never set), so this toggle stays unused unless the lamps are made reachable.
bool toggleAlarmAtSwitch(const Vector3& p) {
  for (int lamp : {0, 2, 4}) {
    if (!alarmLamps[lamp]->isWithinReach(p.x, p.y, p.z)) continue;
    toggleAlarm();
    return true;
  }
  return false;
}

// The shot's hit on a guard.
void hitGuard(Guard* guard) {
  if (!heist.alarmActive) raiseAlarm(guard);
  guard->health = static_cast<std::int16_t>(guard->health - playerShotDamage);
  playCue(Cue::GuardHit);
  if (guard->health <= 0) {
    guard->down = true;
    ++heist.guardsShotDown;
  }
}

// One guard and the player's shot: one shot can hit both.
void shootAt(Guard* guard) {
  if (guard->down || !guard->isHitByShot(*camera)) return;
  hitGuard(guard);
}

// Under the stealth rules: where the shot first meets a guard ahead, when no wall stands
// before that; negative for a miss.
float stealthHitDistance(const Guard* guard) {
  if (guard->down) return -1.0f;
  const float distance = guard->shotHitDistance(*camera);
  if (distance < 0.0f) return -1.0f;
  const Vector3 u = normalized(camera->view - camera->position);
  const Vector3 hit = camera->position + u * distance;
  return museum::sightLineClear(camera->position.x, camera->position.z, hit.x, hit.z) ? distance
                                                                                      : -1.0f;
}

// The stealth rules' shot: every guard hears it, wherever he is; it stops in the first guard
// it meets ahead, and at walls. A guard it hits knows where it came from.
void fireInStealth() {
  for (Guard* guard : {guard1, guard2}) guard->hearNoise(camera->position);
  const float first = stealthHitDistance(guard1), second = stealthHitDistance(guard2);
  Guard* hit = first < 0.0f ? (second < 0.0f ? nullptr : guard2)
                            : (second < 0.0f || first <= second ? guard1 : guard2);
  if (hit == nullptr) return;
  hit->lastSeenAt = camera->position;
  hitGuard(hit);
}

}  // namespace

bool inDropZone(const Vector3& p) {
  return museum::standsIn(museum::dropZone, p.x, p.z);
}

bool inExitZone(const Vector3& p) {
  return museum::standsIn(museum::exitZone, p.x, p.z);
}

void takeWithinReach() {
  if (heist.currentRoom < 2 || heist.currentRoom > 4) return;
  const Vector3 p = camera->position;
  if (toggleAlarmAtSwitch(p)) return;
  const int row = heist.currentRoom - 2;
  for (int i = 0; i < exhibitCount[row]; ++i) {
    if (exhibits[row][i]->isWithinReach(p.x, p.y, p.z)) takeObject(exhibits[row][i], false);
  }
  for (int i = 0; i < pictureCount[row]; ++i) {
    if (pictures[row][i]->isWithinReach(p.x, p.y, p.z)) takeObject(pictures[row][i], true);
  }
  for (int i = 0; i < swordCount[row]; ++i) {
    if (swords[row][i]->isWithinReach(p.x, p.y, p.z)) takeObject(swords[row][i], false);
  }
}

void emptyBag() {
  if (!(inDropZone(camera->position) && camera->bagLoad > 0.0f)) return;
  playCue(Cue::BagEmptied);
  camera->bagLoad = 0.0f;
  postStatusMessage(statusX, statusY, textGreen, "Alle Objekte sind gesichert");
  heist.messageDuration = 3;
}

void leaveMuseum() {
  if (!inExitZone(camera->position)) return;
  finishAtExit();
  const Verdict verdict = verdictFor(camera->score);
  heist.endMessage = TextMessage(verdict.x, 400, textRed);
  heist.endMessage.setText(verdict.text);
  finishHeist(false);
}

void firePlayerShot() {
  playCue(Cue::Gunshot);
  playerShotAt = platform::clockSeconds();
  if (stealthRules()) {
    fireInStealth();
    return;
  }
  shootAt(guard1);
  shootAt(guard2);
}
