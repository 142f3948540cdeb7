// The timedemo's one-layer frame: clear, one textured and lit quad over the whole view, the
// HUD, swap.
#include "LayerFrame.h"

#include <GL/freeglut.h>

#include <cmath>
#include <string>

#include "assets/LevelMesh.h"
#include "platform/Swap.h"
#include "render/Hud.h"
#include "render/Lights.h"

namespace {

// The floor's texture, as the level draws it (mipmaps and the current filter); 0 if the level
// has no parquet material.
GLuint floorTexture() {
  if (levelMesh == nullptr || levelMesh->model == nullptr) return 0;
  for (const MeshMaterial& material : levelMesh->model->materials) {
    if (material.textureName.find("parquet") != std::string::npos) return material.textureId;
  }
  return 0;
}

}  // namespace

void drawLayerFrame() {
  static const GLuint texture = floorTexture();
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  setRoomLights();
  glEnable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  if (texture != 0) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
  }
  // At 4 units in front of the eye, wider and taller than any view of up to 90 degrees and
  // an aspect of 4; tiled as the floor is, so that minification and mipmaps take part.
  const float depth = -4.0f, half = 16.0f, tiles = 8.0f;
  const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);
  glBegin(GL_QUADS);
  glNormal3f(0.0f, 0.0f, 1.0f);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(-half, -half, depth);
  glTexCoord2f(tiles, 0.0f);
  glVertex3f(half, -half, depth);
  glTexCoord2f(tiles, tiles);
  glVertex3f(half, half, depth);
  glTexCoord2f(0.0f, tiles);
  glVertex3f(-half, half, depth);
  glEnd();
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glEnable(GL_CULL_FACE);
  drawHud();
  platform::swapBuffers();
}
