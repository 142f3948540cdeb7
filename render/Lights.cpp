// The room lights and the alarm lights.
#include "render/Lights.h"

#include <GL/gl.h>

#include "game/FrameUpdate.h"
#include "geometry/MuseumPlan.h"

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

// A light's world position from the plan, as a point (w = 1).
void placeLight(GLenum light, const double* at) {
  const float position[4] = {static_cast<float>(at[0]), static_cast<float>(at[1]),
                             static_cast<float>(at[2]), 1.0f};
  glLightfv(light, GL_POSITION, position);
}

}  // namespace

void setRoomLights() {
  const RoomLightColours& colours = alarmShown ? alarmColours : normalColours;
  for (int i = 0; i < 5; ++i) {
    const GLenum light = GL_LIGHT0 + i;
    glLightfv(light, GL_AMBIENT, colours.ambient);
    glLightfv(light, GL_DIFFUSE, colours.diffuse);
    glLightfv(light, GL_SPECULAR, colours.specular);
    placeLight(light, museum::roomLights[i]);
  }
  // A light's position is taken through the model-view matrix in force: set after the view,
  // the alarm lights stand over the rooms instead of hanging at fixed places around the eye.
  for (int i = 0; i < museum::alarmLightCount; ++i) {
    placeLight(GL_LIGHT5 + i, museum::roomLights[museum::firstAlarmRoomLight + i]);
  }
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

void setRoomLightFalloff() {
  const double* fade = museum::roomLightAttenuation;
  for (GLenum light = GL_LIGHT0; light <= GL_LIGHT4; ++light) {
    glLightf(light, GL_CONSTANT_ATTENUATION, static_cast<float>(fade[0]));
    glLightf(light, GL_LINEAR_ATTENUATION, static_cast<float>(fade[1]));
    glLightf(light, GL_QUADRATIC_ATTENUATION, static_cast<float>(fade[2]));
  }
}
