// The display callback: the menu, or the museum with the HUD, the pushes, the room tracking
// and wall collision, the lights, the objects, the level, the guards and the skyline.
#include "render/Frame.h"

#include <GL/freeglut.h>

#include <cmath>

#include "app/Idle.h"
#include "assets/LevelMesh.h"
#include "assets/ModelObject.h"
#include "audio/Siren.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/GuardRespawn.h"
#include "game/Results.h"
#include "game/World.h"
#include "geometry/MuseumPlan.h"
#include "geometry/RoomVisibility.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "platform/Screen.h"
#include "platform/Swap.h"
#include "render/Furniture.h"
#include "render/HitFlash.h"
#include "render/Hud.h"
#include "render/Lights.h"
#include "render/Menu.h"
#include "render/PlayerPistol.h"
#include "render/PauseScreen.h"
#include "render/ResultsPanel.h"
#include "render/StaticGeometry.h"

std::int16_t currentRoom = 0;
std::int32_t guardDownTime[2] = {-1, -1};

namespace {

// ---- Doorway strips: inside, the wall collision is off; crossing one changes the room ----
enum class Axis { X, Z };
enum class Bound { Above, Below, Never };

struct Zone {
  Axis spanAxis;       // the strip's extent across the doorway
  float spanLow, spanHigh;
  bool spanInclusive;  // zones 5 and 6 of the hall use <=
  Axis depthAxis;      // how far into the doorway
  Bound depthSide;     // depth above or below the limit (or a box for the inclusive zones)
  float depthLimit;    // strict
  float depthHigh;     // the inclusive zones' upper depth bound
  Bound switchSide;
  float switchLimit;
  std::int16_t newRoom;
};

struct RoomZones {
  int count;
  Zone zones[6];
};

// Rooms 1 to 4, zones in the order they are tried.
const RoomZones roomZones[4] = {
    {6,
     {{Axis::X, 381, 410, false, Axis::Z, Bound::Above, 47, 0, Bound::Above, 51, 2},
      {Axis::X, 152, 181, false, Axis::Z, Bound::Above, 47, 0, Bound::Above, 51, 3},
      {Axis::Z, 150, 176, false, Axis::X, Bound::Above, 49, 0, Bound::Above, 53, 3},
      {Axis::Z, 375, 398, false, Axis::X, Bound::Above, 49, 0, Bound::Above, 53, 4},
      {Axis::X, 20, 56, true, Axis::Z, Bound::Never, 38, 54, Bound::Never, 0, 0},
      {Axis::X, 20, 56, true, Axis::Z, Bound::Never, 269, 278, Bound::Never, 0, 0}}},
    {3,
     {{Axis::X, 381, 410, false, Axis::Z, Bound::Below, 55, 0, Bound::Below, 51, 1},
      {Axis::Z, 152, 175, false, Axis::X, Bound::Below, 286, 0, Bound::Below, 281, 3},
      {Axis::X, 381, 410, false, Axis::Z, Bound::Above, 271, 0, Bound::Above, 275, 4}}},
    {4,
     {{Axis::X, 152, 181, false, Axis::Z, Bound::Below, 55, 0, Bound::Below, 51, 1},
      {Axis::Z, 150, 176, false, Axis::X, Bound::Below, 57, 0, Bound::Below, 53, 1},
      {Axis::Z, 152, 175, false, Axis::X, Bound::Above, 277, 0, Bound::Above, 281, 2},
      {Axis::X, 152, 181, false, Axis::Z, Bound::Above, 271, 0, Bound::Above, 275, 4}}},
    {3,
     {{Axis::X, 381, 410, false, Axis::Z, Bound::Below, 279, 0, Bound::Below, 275, 2},
      {Axis::X, 152, 181, false, Axis::Z, Bound::Below, 279, 0, Bound::Below, 275, 3},
      {Axis::Z, 375, 398, false, Axis::X, Bound::Below, 57, 0, Bound::Below, 53, 1}}},
};

bool zoneContains(const Zone& zone, float x, float z) {
  const float span = zone.spanAxis == Axis::X ? x : z;
  const float depth = zone.depthAxis == Axis::X ? x : z;
  if (zone.spanInclusive) {
    return zone.spanLow <= span && span <= zone.spanHigh && zone.depthLimit <= depth &&
           depth <= zone.depthHigh;
  }
  if (!(zone.spanLow < span && span < zone.spanHigh)) return false;
  return zone.depthSide == Bound::Above ? depth > zone.depthLimit : depth < zone.depthLimit;
}

bool switchHolds(const Zone& zone, float x, float z) {
  const float depth = zone.depthAxis == Axis::X ? x : z;
  switch (zone.switchSide) {
    case Bound::Above: return depth > zone.switchLimit;
    case Bound::Below: return depth < zone.switchLimit;
    case Bound::Never: return false;
  }
  return false;
}

// ---- Alarm lamp colours ----
const float redLampColour[4] = {0.42f, 0.0f, 0.0f, 1.0f};
const float redLampLit[4] = {1.0f, 0.0f, 0.0f, 1.0f};
const float greenLampColour[4] = {0.0f, 0.3f, 0.0f, 1.0f};
const float greenLampLit[4] = {0.0f, 0.8f, 0.0f, 1.0f};
const float lampBlack[4] = {0.0f, 0.0f, 0.0f, 1.0f};
const float lampNoShininess[4] = {0.0f, 0.0f, 0.0f, 0.0f};

const float alarmLampPositions[alarmLampCount][3] = {
    {54, 0, 144}, {54, -2, 144}, {282, 0, 144}, {282, -2, 144}, {54, 0, 369}, {54, -2, 369}};

// Step 2.
void drawMenuFrame() {
  drawMenu();
  platform::warpPointer(platform::pointerCentreX(), platform::pointerCentreY());
}

// Steps 6 and 7.
void pushPlayerAway() {
  if (!guard1->down) guard1->keepAway(forwardDirection, strafeDirection, *camera, moveStep);
  if (!guard2->down) guard2->keepAway(forwardDirection, strafeDirection, *camera, moveStep);
  for (ModelObject* pedestal : pedestals) pedestal->pushCameraOut(forwardDirection, strafeDirection, *camera, moveStep);
  for (ModelObject* chair : chairs) chair->pushCameraOut(forwardDirection, strafeDirection, *camera, moveStep);
  for (ModelObject* sofa : sofas) sofa->pushCameraOut(forwardDirection, strafeDirection, *camera, moveStep);
  for (ModelObject* table : tables) table->pushCameraOut(forwardDirection, strafeDirection, *camera, moveStep);
}

// Step 8.
void trackRoomAndCollide() {
  if (currentRoom < 1 || currentRoom > 4) return;
  if (!trackRoom(camera->position.x, camera->position.z)) {
    camera->collideWithTriangles(levelTriangles, levelTriangleVertexCount);
  }
}

// Step 11. The blink may end the alarm; this frame's lamps still show it. The blink counts
// frames, so a paused frame does not count.
void colourAlarmLamps() {
  const bool alarm = alarmActive;
  if (alarm && !gamePaused) blinkAlarmLights();
  const float* redEmission = alarm ? redLampLit : lampBlack;
  const float* greenEmission = alarm ? lampBlack : greenLampLit;
  for (int pair = 0; pair < alarmLampCount; pair += 2) {
    alarmLamps[pair]->setMaterial(redLampColour, redLampColour, lampBlack, lampNoShininess, redEmission);
    alarmLamps[pair + 1]->setMaterial(greenLampColour, greenLampColour, lampBlack, lampNoShininess,
                                      greenEmission);
  }
}

// An object stands against a wall or on the floor of its room: within this of the room's
// floor area, so an object in a doorway or on a wall between rooms belongs to both.
constexpr float objectRoomMargin = 6.0f;

}  // namespace

bool objectMayShow(const ModelObject& object, const RoomView& view) {
  const museum::RoomMask rooms =
      museum::roomsAround(object.position.x, object.position.z, objectRoomMargin);
  if (!view.showsRooms(rooms)) return false;
  Vector3 centre;
  float radius = 0.0f;
  object.boundingSphere(centre, radius);
  const museum::Box box{centre.x - radius, centre.y - radius, centre.z - radius,
                        centre.x + radius, centre.y + radius, centre.z + radius};
  return view.mayShowBox(box, rooms);
}

namespace {

// Steps 12 and 13; an object the view cannot show is not drawn.
void drawMuseumObjects(const RoomView& view) {
  glEnable(GL_LIGHTING);
  for (int i = 0; i < pedestalCount; ++i) {
    if (!pedestals[i]->isNearLineOfSight(*camera)) continue;
    if (i >= 20) pedestals[i]->setRotation(-90.0f, 0.0f, 1.0f, 0.0f);
    if (objectMayShow(*pedestals[i], view)) pedestals[i]->draw();
  }
  auto drawSeen = [&view](ModelObject* object) {
    if (object->isNearLineOfSight(*camera) && objectMayShow(*object, view)) object->draw();
  };
  for (int row = 0; row < roomRows; ++row) {
    for (int i = 0; i < pictureCount[row]; ++i) drawSeen(pictures[row][i]);
    for (int i = 0; i < exhibitCount[row]; ++i) drawSeen(exhibits[row][i]);
    for (int i = 0; i < swordCount[row]; ++i) drawSeen(swords[row][i]);
  }
}

// Step 15. Paused, the clock stands and the interval is 0: the guards are drawn as they stood,
// and no respawn wait begins.
void updateGuards() {
  Guard* guards[2] = {guard1, guard2};
  const Vector3* paths[2] = {guard1Path, guard2Path};
  const Vector3* headings[2] = {&guard1StartHeading, &guard2StartHeading};
  for (int g = 0; g < 2; ++g) {
    if (!guards[g]->gone && !gameOver) guards[g]->update(frameInterval, *camera);
    if (guards[g]->gone && !gameOver && !gamePaused) {
      runRespawnWait(*guards[g], guardDownTime[g], paths[g], *headings[g]);
    }
  }
}

// Step 16.
void drawAlarmLamps() {
  for (int i = 0; i < alarmLampCount; ++i) {
    alarmLamps[i]->setPosition(alarmLampPositions[i][0], alarmLampPositions[i][1],
                               alarmLampPositions[i][2]);
  }
  for (ModelObject* lamp : alarmLamps) lamp->draw();
}

// The first frame with no health left ends the game; the results of a heist that already
// ended at the exit stand as they were entered.
void checkCaught() {
  if (camera->health > 0.0f || gameOver) return;
  gameOver = true;
  if (!heistFinished) finishHeist(true);
}

void drawMuseumFrame() {
  checkCaught();
  glLoadIdentity();
  if (!gamePaused) {
    pushPlayerAway();
    trackRoomAndCollide();
  }
  camera->applyView();
  const RoomView view = findRoomView(camera->position);
  setRoomLights();
  colourAlarmLamps();
  // Nearest first, so that the level's pixels hidden behind what stands in the rooms are
  // never shaded.
  drawMuseumObjects(view);
  drawFurniture(view);
  updateGuards();
  levelMesh->drawVisible(view);
  drawAlarmLamps();
  glDisable(GL_LIGHTING);
  drawSkylineThrough(view);
  drawPlayerPistol();
  drawHitFlash();
  // After the scene, so that the HUD's text blends over it; the pause and the results over all.
  drawHud();
  if (gamePaused) drawPauseScreen();
  if (gameOver || heistFinished) drawResultsPanel();
}

}  // namespace

bool trackRoom(float x, float z) {
  if (currentRoom < 1 || currentRoom > 4) return false;  // no room, no strips
  const RoomZones& zones = roomZones[currentRoom - 1];
  for (int i = 0; i < zones.count; ++i) {
    const Zone& zone = zones.zones[i];
    if (!zoneContains(zone, x, z)) continue;
    if (switchHolds(zone, x, z)) currentRoom = zone.newRoom;
    return true;
  }
  return false;
}

// The rooms the view reaches through the doorways, and where on the window.
RoomView findRoomView(const Vector3& eye) {
  float projection[16], modelView[16], clip[16];
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += projection[k * 4 + row] * modelView[column * 4 + k];
      clip[column * 4 + row] = sum;
    }
  }
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  return findVisibleRooms(clip, eye, viewport[2], viewport[3]);
}

void display() {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (menuActive) {
    drawMenuFrame();
  } else {
    drawMuseumFrame();
  }
  updateSiren();
  platform::swapBuffers();
}
