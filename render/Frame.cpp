// Drawing a frame: the menu, or the museum with its lights, the objects, the furniture, the
// guards, the level, the skyline, the pistol and the HUD. Nothing here changes the game.
#include "render/Frame.h"

#include <GL/freeglut.h>

#include <cmath>

#include "assets/LevelMesh.h"
#include "assets/ModelObject.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Screen.h"
#include "game/World.h"
#include "geometry/MuseumPlan.h"
#include "geometry/RoomVisibility.h"
#include "platform/Screen.h"
#include "render/Furniture.h"
#include "render/GuardDraw.h"
#include "render/HitFlash.h"
#include "render/Hud.h"
#include "render/Lights.h"
#include "render/Menu.h"
#include "render/PageDraw.h"
#include "render/PlayerPistol.h"
#include "render/ResultsPanel.h"
#include "render/StaticGeometry.h"

namespace {

// ---- Alarm lamp colours ----
const float redLampColour[4] = {0.42f, 0.0f, 0.0f, 1.0f};
const float redLampLit[4] = {1.0f, 0.0f, 0.0f, 1.0f};
const float greenLampColour[4] = {0.0f, 0.3f, 0.0f, 1.0f};
const float greenLampLit[4] = {0.0f, 0.8f, 0.0f, 1.0f};
const float lampBlack[4] = {0.0f, 0.0f, 0.0f, 1.0f};
const float lampNoShininess[4] = {0.0f, 0.0f, 0.0f, 0.0f};

// Step 2.
// The pointer is the player's while a menu is shown: it stays where he puts it.
void drawMenuFrame() {
  drawMenu();
}

// Step 11: the lamps show the alarm as this frame's lights do, before its end in this frame.
void colourAlarmLamps() {
  const bool alarm = alarmShown;
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
  auto drawSeen = [&view](ModelObject* object) {
    if (object->isNearLineOfSight(*camera) && objectMayShow(*object, view)) object->draw();
  };
  for (ModelObject* pedestal : pedestals) drawSeen(pedestal);
  for (int row = 0; row < roomRows; ++row) {
    for (int i = 0; i < pictureCount[row]; ++i) drawSeen(pictures[row][i]);
    for (int i = 0; i < exhibitCount[row]; ++i) drawSeen(exhibits[row][i]);
    for (int i = 0; i < swordCount[row]; ++i) drawSeen(swords[row][i]);
  }
}


// Step 16.
void drawAlarmLamps() {
  for (ModelObject* lamp : alarmLamps) lamp->draw();
}

void drawMuseumFrame() {
  releaseMenuPage();
  glLoadIdentity();
  // Steady for a player who asked: the red lights shine for as long as the alarm does.
  switchAlarmLights(accessibility.steadyAlarmLights ? alarmShown : heist.alarmLightsOn);
  camera->applyView();
  const RoomView view = findRoomView(camera->position);
  setRoomLights();
  colourAlarmLamps();
  // Nearest first, so that the level's pixels hidden behind what stands in the rooms are
  // never shaded.
  drawMuseumObjects(view);
  drawFurniture(view);
  drawGuard(*guard1);
  drawGuard(*guard2);
  levelMesh->drawVisible(view);
  drawAlarmLamps();
  glDisable(GL_LIGHTING);
  drawSkylineThrough(view);
  drawPlayerPistol();
  drawHitFlash();
  // After the scene, so that the HUD's text blends over it; the pause and the results over all.
  drawHud();
  if (gameOver() || heistFinished()) drawResultsPanel();
}

}  // namespace

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

void drawFrame() {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // Polygons are outlined from F3 on until Esc, the menu pages then too.
  glPolygonMode(GL_FRONT_AND_BACK, heist.polygonLines ? GL_LINE : GL_FILL);
  if (menuActive() || currentScreen == GameScreen::PauseControls) {
    drawMenuFrame();
  } else {
    drawMuseumFrame();
  }
  // The pause menu, the options and the bindings stand over the frame.
  drawShownPage();
}
