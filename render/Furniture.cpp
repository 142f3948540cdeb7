// Furniture and wall switches.
#include "render/Furniture.h"

#include <GL/gl.h>

#include "assets/ModelObject.h"
#include "game/GameState.h"
#include "game/World.h"
#include "render/StaticGeometry.h"

namespace {

// On the room-side faces of the walls at x 52..54 and 280..282, beside the alarm lamps.
const float switchPlaces[3][3] = {
    {54.8f, -1.0f, 146.0f}, {282.8f, -1.0f, 146.0f}, {54.8f, -1.0f, 371.0f}};

void drawAll(ModelObject* const* objects, int count) {
  for (int i = 0; i < count; ++i) {
    if (objects[i] != nullptr) {
      objects[i]->draw();
    }
  }
}

}  // namespace

void drawFurniture() {
  drawAll(chairs, chairCount);
  drawAll(sofas, sofaCount);
  drawAll(tables, tableCount);
  for (const float* place : switchPlaces) {
    glPushMatrix();
    glTranslatef(place[0], place[1], place[2]);
    if (alarmActive) {
      glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    }
    glCallList(switchList);
    glPopMatrix();
  }
}
