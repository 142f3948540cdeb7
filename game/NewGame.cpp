// The new game, in its fixed order.
#include "game/NewGame.h"

#include "assets/ModelObject.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/Guard.h"
#include "game/Results.h"
#include "game/Rules.h"
#include "game/StatusLine.h"
#include "game/World.h"
#include "platform/Clock.h"
#include "platform/Screen.h"

void retireGuard(Guard*& guard) {
  delete guard;
  guard = nullptr;
}

namespace {

// Step 1: the player at the entrance, with fresh health, an empty bag and no score.
void createPlayerCamera() {
  delete camera;
  camera = new Camera(419.0f, 1.0f, 15.0f, 0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f);
  camera->setScreenSize(platform::windowWidth(), platform::windowHeight());
}

// Step 5.
void restoreObjects() {
  for (int row = 0; row < roomRows; ++row) {
    for (int i = 0; i < pictureCount[row]; ++i) pictures[row][i]->visible = pictures[row][i]->intact = 1;
    for (int i = 0; i < exhibitCount[row]; ++i) exhibits[row][i]->visible = exhibits[row][i]->intact = 1;
    for (int i = 0; i < swordCount[row]; ++i) swords[row][i]->visible = swords[row][i]->intact = 1;
  }
}

// Steps 6 and 7, with the difficulty's sight, shot and time between shots (the shooting
// animation's frame time).
Guard* createGuard(const Vector3* path, const Vector3& startHeading, Md2Clock* clocks,
                   bool clockwise) {
  Guard* guard = new Guard(path, startHeading);
  guard->setModels(guardModels, clocks);
  guard->loadTexture("data/textures/pm1.bmp");
  guard->setPath(path);
  guard->setClockwise(clockwise);
  const DifficultyFigures& figures = figuresOf(playRules.difficulty);
  guard->sightRange = guardSightDistance * figures.sightFactor;
  guard->shotDamage = figures.shotDamage;
  for (GuardAnimation shooting : {GuardAnimation::Shoot, GuardAnimation::WeaponShoot}) {
    guard->clock(shooting).frameMs = md2FrameMs * figures.shotTimeFactor;
  }
  return guard;
}

}  // namespace

void newGame() {
  // One reading for the whole new game, the one its record keeps: loading the guards takes
  // milliseconds, and the heist's start must not fall later than the watch replays it.
  const bool heldAlready = platform::clockReadingHeld();
  if (!heldAlready) platform::holdClockReading();
  // The heist still recorded ends first, with the state it ended in.
  startHeistRecording();
  createPlayerCamera();
  // The room, the alarm and its lights, wireframe, the messages, the respawn waits and the
  // heist's book-keeping start afresh; the rules chosen since the last game take effect.
  heist = Heist{};
  playRules = chosenRules;
  restoreObjects();
  retireGuard(guard1);
  guard1 = createGuard(guard1Path, guard1StartHeading, guard1Clocks, true);
  retireGuard(guard2);
  guard2 = createGuard(guard2Path, guard2StartHeading, guard2Clocks, false);
  postStatusMessage(355, 390, textYellow, "It's your turn now, baby!");
  heist.heistStartMs = platform::clockMs();
  ++gamesStarted;
  lastHeist = HeistSummary();
  if (!heldAlready) platform::releaseClockReading();
}
