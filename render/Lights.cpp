// The room lights and the alarm lights.
#include "render/Lights.h"

#include <GL/gl.h>

#include "game/FrameUpdate.h"

namespace {

struct RoomLightColours {
  float ambient[4];
  float diffuse[4];
  float specular[4];
};
const RoomLightColours normalColours = {
    {0.2f, 0.2f, 0.3f, 1.0f}, {0.2f, 0.2f, 0.3f, 1.0f}, {0.3f, 0.3f, 0.3f, 1.0f}};
const RoomLightColours alarmColours = {
    {0.4f, 0.4f, 0.5f, 1.0f}, {0.4f, 0.4f, 0.5f, 1.0f}, {0.6f, 0.6f, 0.6f, 1.0f}};

// World positions of lights 0 to 4 (points, w = 1): the hall and the three rooms.
const float roomLightPositions[5][4] = {
    {254.0f, 10.0f, 25.0f, 1.0f},  {25.0f, 10.0f, 180.0f, 1.0f}, {177.0f, 10.0f, 164.0f, 1.0f},
    {395.0f, 10.0f, 164.0f, 1.0f}, {281.0f, 10.0f, 386.0f, 1.0f},
};

// World positions of the alarm lights 5 to 7: over rooms 3, 2 and 4, where lights 2 to 4 hang.
const float alarmLightPositions[3][4] = {
    {177.0f, 10.0f, 164.0f, 1.0f}, {395.0f, 10.0f, 164.0f, 1.0f}, {281.0f, 10.0f, 386.0f, 1.0f}};

}  // namespace

void setRoomLights() {
  const RoomLightColours& colours = alarmShown ? alarmColours : normalColours;
  for (int i = 0; i < 5; ++i) {
    const GLenum light = GL_LIGHT0 + i;
    glLightfv(light, GL_AMBIENT, colours.ambient);
    glLightfv(light, GL_DIFFUSE, colours.diffuse);
    glLightfv(light, GL_SPECULAR, colours.specular);
    glLightfv(light, GL_POSITION, roomLightPositions[i]);
  }
  // A light's position is taken through the model-view matrix in force: set after the view,
  // the alarm lights stand over the rooms instead of hanging at fixed places around the eye.
  for (int i = 0; i < 3; ++i) glLightfv(GL_LIGHT5 + i, GL_POSITION, alarmLightPositions[i]);
}

void switchAlarmLights(bool on) {
  for (GLenum light = GL_LIGHT5; light <= GL_LIGHT7; ++light) {
    if (on) {
      glEnable(light);
    } else {
      glDisable(light);
    }
  }
}
