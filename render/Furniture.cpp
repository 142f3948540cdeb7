// Furniture and wall switches.
#include "render/Furniture.h"

#include <GL/gl.h>

#include "assets/ModelObject.h"
#include "game/GameState.h"
#include "game/World.h"
#include "geometry/MuseumPlan.h"
#include "render/Frame.h"
#include "render/Scene.h"
#include "render/StaticGeometry.h"

namespace {

void drawAll(ModelObject* const* objects, int count, const RoomView& view) {
  for (int i = 0; i < count; ++i) {
    if (objects[i] != nullptr && objectMayShow(*objects[i], view)) {
      objects[i]->draw();
    }
  }
}

// The switch boxes are lit as the tables' oak is (they are drawn straight after the tables
// and so always were); set here, their look does not depend on which table was drawn last.
const float switchAmbient[4] = {0.1f, 0.1f, 0.082f, 1.0f};
const float switchDiffuse[4] = {1.44f, 1.296f, 0.864f, 1.0f};
const float switchNone[4] = {0.0f, 0.0f, 0.0f, 1.0f};

void setSwitchMaterial() {
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, switchAmbient);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, switchDiffuse);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, switchNone);
  glMaterialfv(GL_FRONT, GL_EMISSION, switchNone);
}

}  // namespace

void drawFurniture(const RoomView& view) {
  drawAll(chairs, chairCount, view);
  drawAll(sofas, sofaCount, view);
  drawAll(tables, tableCount, view);
  setSwitchMaterial();
  for (const double* place : museum::wallSwitches) {
    glPushMatrix();
    glTranslatef(static_cast<float>(place[0]), static_cast<float>(place[1]),
                 static_cast<float>(place[2]));
    if (heist.alarmActive) {
      glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    }
    glCallList(switchList);
    glPopMatrix();
  }
}
