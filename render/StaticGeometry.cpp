// The crosshair, skyline and wall switch display lists.
#include "render/StaticGeometry.h"

#include <algorithm>
#include <cmath>

#include "assets/MeshDraw.h"
#include "game/World.h"
#include "geometry/RoomVisibility.h"
#include "platform/Screen.h"
#include "render/Scene.h"

GLuint overlayList = 0;
GLuint skylineList = 0;
GLuint switchList = 0;

namespace {

// One corner of a textured quad: world position and texture coordinate.
struct Corner {
  float x, y, z;
  float s, t;
};
using Quad = Corner[4];

// Skyline and sky: walls at z = -400, x = 2048, x = -1024 and z = 1636. The skyline band runs
// from y -400 to 368, the sky above it to 624. Repeats (s up to 7) keep the images' scale.
const Quad skylineQuads[4] = {
    {{-1024, 368, -400, 0, 1}, {2048, 368, -400, 3, 1}, {2048, -400, -400, 3, 0},
     {-1024, -400, -400, 0, 0}},
    {{2048, 368, -400, 0, 1}, {2048, 368, 612, 1, 1}, {2048, -400, 612, 1, 0},
     {2048, -400, -400, 0, 0}},
    {{-1024, 368, 1636, 0, 1}, {-1024, 368, -400, 2, 1}, {-1024, -400, -400, 2, 0},
     {-1024, -400, 1636, 0, 0}},
    {{0, 368, 1636, 0, 1}, {-1024, 368, 1636, 1, 1}, {-1024, -400, 1636, 1, 0},
     {0, -400, 1636, 0, 0}},
};
const Quad skyQuads[4] = {
    {{-1024, 624, -400, 0, 1}, {2048, 624, -400, 3, 1}, {2048, 368, -400, 3, 0},
     {-1024, 368, -400, 0, 0}},
    {{2048, 624, -400, 0, 1}, {2048, 624, 612, 3, 1}, {2048, 368, 612, 3, 0},
     {2048, 368, -400, 0, 0}},
    {{-1024, 624, 1636, 0, 1}, {-1024, 624, -400, 7, 1}, {-1024, 368, -400, 7, 0},
     {-1024, 368, 1636, 0, 0}},
    {{0, 624, 1636, 0, 1}, {-1024, 624, 1636, 1, 1}, {-1024, 368, 1636, 1, 0},
     {0, 368, 1636, 0, 0}},
};

// The switch box: its front (x = 0) with the switch texture, then the sides z = 1, z = -1,
// the bottom y = -2 and the top y = 2 with the side texture.
const Quad switchFront = {{0, 2, 1, 0, 1}, {0, 2, -1, 1, 1}, {0, -2, -1, 1, 0}, {0, -2, 1, 0, 0}};
const Quad switchSides[4] = {
    {{-1, 2, 1, 0, 1}, {0, 2, 1, 1, 1}, {0, -2, 1, 1, 0}, {-1, -2, 1, 0, 0}},
    {{0, 2, -1, 0, 1}, {-1, 2, -1, 1, 1}, {-1, -2, -1, 1, 0}, {0, -2, -1, 0, 0}},
    {{0, -2, 1, 0, 1}, {0, -2, -1, 1, 1}, {-1, -2, -1, 1, 0}, {-1, -2, 1, 0, 0}},
    {{-1, 2, 1, 0, 1}, {-1, 2, -1, 1, 1}, {0, 2, -1, 1, 0}, {0, 2, 1, 0, 0}},
};

void emitQuads(GLuint texture, const Quad* quads, int count) {
  glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_QUADS);
  for (int q = 0; q < count; ++q) {
    for (const Corner& corner : quads[q]) {
      glTexCoord2f(corner.s, corner.t);
      glVertex3f(corner.x, corner.y, corner.z);
    }
  }
  glEnd();
}

void emitLine(float x1, float y1, float x2, float y2) {
  glBegin(GL_LINE_STRIP);
  glVertex2f(x1, y1);
  glVertex2f(x2, y2);
  glEnd();
}

// The window size generation the crosshair was compiled for.
unsigned overlayGeneration = 0;

}  // namespace

void buildOverlayList() {
  overlayGeneration = platform::windowSizeGeneration();
  const float s = platform::layoutScale();
  const float cx = static_cast<float>(platform::pointerCentreX());
  const float cy = static_cast<float>(platform::pointerCentreY());
  const float inner = 10.0f * s, outer = 20.0f * s;
  glColor3f(0.8f, 0.8f, 0.8f);
  glLineWidth(std::max(1.0f, std::round(s)));
  emitLine(cx - outer, cy, cx - inner, cy);
  emitLine(cx + inner, cy, cx + outer, cy);
  emitLine(cx, cy - outer, cx, cy - inner);
  emitLine(cx, cy + inner, cx, cy + outer);
  glLineWidth(1.0f);
  glPointSize(2.0f * s);
  glBegin(GL_POINTS);
  glVertex2f(cx, cy);
  glEnd();
}

void refreshOverlayList() {
  if (overlayList == 0 || overlayGeneration == platform::windowSizeGeneration()) return;
  glNewList(overlayList, GL_COMPILE);
  buildOverlayList();
  glEndList();
}

void buildSkylineList() {
  glEnable(GL_TEXTURE_2D);
  emitQuads(skylineTextures[0], skylineQuads, 4);
  emitQuads(skylineTextures[1], skyQuads, 4);
  glDisable(GL_TEXTURE_2D);
}

void buildSwitchList() {
  glEnable(GL_TEXTURE_2D);
  emitQuads(switchTextures[0], &switchFront, 1);
  emitQuads(switchTextures[1], switchSides, 4);
  glDisable(GL_TEXTURE_2D);
}

void drawSkylineThrough(const RoomView& view) {
  if (view.skyRect.empty()) return;
  scissorTo(view.skyRect);
  glEnable(GL_SCISSOR_TEST);
  glCallList(skylineList);
  glDisable(GL_SCISSOR_TEST);
}
