// A frame of the game's rules, step by step, in the order the game has always run them.
#include "game/FrameUpdate.h"

#include "assets/LevelMesh.h"
#include "assets/ModelObject.h"
#include "game/Alarm.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/GuardRespawn.h"
#include "game/Results.h"
#include "game/Rules.h"
#include "game/Screen.h"
#include "game/World.h"
#include "geometry/LampLight.h"
#include "geometry/MuseumPlan.h"

float frameInterval = 0.0f;
float moveStep = 0.0f;
bool alarmShown = false;
bool playerRan = false;

namespace {

// Step 3: a guard that can still act and sees the player raises the alarm and turns on him.
// This repeats every frame he is seen, so the alarm counts from the last sighting.
void noticePlayer(Guard* guard) {
  if (guard->down || !guard->canSee(camera->position)) return;
  raiseAlarm(guard);
}

// Step 3 under the stealth rules: the sight test takes the light where the player stands, the
// guard's field of view and the walls. What he saw decides whether he may fire this frame.
void noticePlayerInStealth(Guard* guard, float light) {
  guard->seesPlayer = !guard->down && guard->seesInStealth(camera->position, light);
  if (!guard->seesPlayer) return;
  guard->lastSeenAt = camera->position;
  raiseAlarm(guard);
}

// Step 4: walking; the footsteps play back to back, never restarted while one still sounds.
// True when the player moved.
bool walk(std::int32_t forward, std::int32_t sideways) {
  const bool moved = walkByHeldDirections(forward, sideways, moveStep);
  if (moved && !cuePlaying(Cue::Footsteps)) {
    playCue(Cue::Footsteps);
  }
  return moved;
}

// After step 4, under the stealth rules: a running step is heard through the walls.
void listenForSteps() {
  for (Guard* guard : {guard1, guard2}) {
    if (distanceBetween(guard->position, camera->position) < runningHeardWithin) {
      guard->hearNoise(camera->position);
    }
  }
}

// Steps 6 and 7: the guards and the furniture undo the step that came too close.
void pushPlayerAway(std::int32_t forward, std::int32_t sideways) {
  if (!guard1->down) guard1->keepAway(forward, sideways, *camera, moveStep);
  if (!guard2->down) guard2->keepAway(forward, sideways, *camera, moveStep);
  for (ModelObject* pedestal : pedestals) pedestal->pushCameraOut(forward, sideways, *camera, moveStep);
  for (ModelObject* chair : chairs) chair->pushCameraOut(forward, sideways, *camera, moveStep);
  for (ModelObject* sofa : sofas) sofa->pushCameraOut(forward, sideways, *camera, moveStep);
  for (ModelObject* table : tables) table->pushCameraOut(forward, sideways, *camera, moveStep);
}

// Step 8.
void trackRoomAndCollide() {
  if (heist.currentRoom < 1 || heist.currentRoom > 4) return;
  if (!trackRoom(camera->position.x, camera->position.z)) {
    camera->collideWithTriangles(levelTriangles, levelTriangleVertexCount);
  }
}

// The first frame with no health left ends the game; the results of a heist that already
// ended at the exit stand as they were entered.
void checkCaught() {
  if (camera->health > 0.0f || gameOver()) return;
  endCaught();
  if (!heist.leftMuseum) finishHeist(true);
}

// Step 15. Paused, the clock stands and the interval is 0: the guards stand as they stood, and
// no respawn wait begins. A guard is drawn in the frames its behaviour ran.
void updateGuards() {
  Guard* guards[2] = {guard1, guard2};
  const Vector3* paths[2] = {guard1Path, guard2Path};
  const Vector3* headings[2] = {&guard1StartHeading, &guard2StartHeading};
  for (int g = 0; g < 2; ++g) {
    Guard& guard = *guards[g];
    guard.posed = !guard.gone && !gameOver();
    if (guard.posed) guard.update(frameInterval, *camera);
    if (guard.gone && !gameOver() && !gamePaused()) {
      runRespawnWait(guard, heist.guardDownTime[g], paths[g], *headings[g]);
    }
  }
}

}  // namespace

bool walkByHeldDirections(std::int32_t forward, std::int32_t sideways, float s) {
  if (forward == 0 && sideways == 0) {
    return false;
  }
  if (sideways == 0) {
    camera->moveForward(forward > 0 ? s : -s);
  } else if (forward == 0) {
    camera->strafe(sideways > 0 ? s : -s);
  } else {
    camera->moveForward(forward > 0 ? s / 2 : -s / 2);
    camera->strafe(sideways > 0 ? s / 2 : -s / 2);
  }
  return true;
}

bool trackRoom(float x, float z) {
  if (heist.currentRoom < 1 || heist.currentRoom > 4) return false;  // no room, no strips
  const museum::RoomStrips& strips = museum::roomStrips[heist.currentRoom - 1];
  for (int i = 0; i < strips.count; ++i) {
    const museum::RoomStrip& strip = strips.strips[i];
    if (!strip.holds(x, z)) continue;
    if (strip.switches(x, z)) heist.currentRoom = strip.newRoom;
    return true;
  }
  return false;
}

void runFrame(std::int32_t forward, std::int32_t sideways) {
  if (camera == nullptr) return;
  // Step 1: the frame interval.
  frameInterval = camera->updateFrameTime();
  // Step 2: this frame's walking step; the two floats first, then the pace.
  moveStep = frameInterval * camera->walkSpeed * static_cast<float>(camera->walkPace);
  // Paused, the clock stands, so the interval is 0: nobody sees, walks or is pushed.
  const bool paused = gamePaused();
  playerRan = false;
  if (!paused) {
    // Step 3: no guard notices anything while the menu is shown.
    if (!menuActive()) {
      if (stealthRules()) {
        const float light = museum::lampLightAt(camera->position.x, camera->position.z);
        noticePlayerInStealth(guard1, light);
        noticePlayerInStealth(guard2, light);
      } else {
        noticePlayer(guard1);
        noticePlayer(guard2);
      }
    }
    // Step 4: walking runs behind the menu too.
    const bool moved = walk(forward, sideways);
    playerRan = moved && camera->walkPace == runningPace;
    if (playerRan && stealthRules() && !menuActive()) listenForSteps();
  }
  // Behind the menu the museum stands still, but the walls hold the player wherever he walks.
  if (menuActive()) {
    trackRoomAndCollide();
    return;
  }
  checkCaught();
  if (!paused) {
    pushPlayerAway(forward, sideways);
    trackRoomAndCollide();
  }
  // Step 11: the blink may end the alarm; this frame's lights still show it. The blink counts
  // frames, so a paused frame does not count.
  alarmShown = heist.alarmActive;
  if (alarmShown && !paused) blinkAlarmLights();
  // Under the stealth rules the guards give up when the alarm dies down.
  if (alarmShown && !heist.alarmActive && stealthRules()) {
    guard1->calmDown();
    guard2->calmDown();
  }
  updateGuards();
}
