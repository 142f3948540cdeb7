// Drawing an Md2Model: one blended pose a call, in immediate mode.
#include <GL/gl.h>

#include "assets/Md2Model.h"

void Md2Model::drawAnimated() {
  Md2Pose pose;
  if (advanceAnimation(pose)) {
    drawPose(pose);
  }
}

void Md2Model::drawPose(const Md2Pose& pose) const {
  if (frames.empty()) {
    return;
  }
  const Md2Frame& first = frames[0];
  const std::vector<Vector3>& p = frames[static_cast<std::size_t>(pose.currentFrame)].vertices;
  const std::vector<Vector3>& q = frames[static_cast<std::size_t>(pose.nextFrame)].vertices;
  // The triangles' indices were checked against the vertex count at loading; a released
  // model has no triangles left, and no frame may come up short.
  const std::size_t needed = static_cast<std::size_t>(first.numVertices);
  if (p.size() < needed || q.size() < needed) {
    return;
  }
  const bool textured = !first.texCoords.empty();
  const float t = pose.t;

  // A model without texture coordinates would spread the one texel at the current coordinate
  // over every triangle: it is drawn in the current colour instead, with texturing off.
  glPushAttrib(textured ? GL_CURRENT_BIT : (GL_CURRENT_BIT | GL_ENABLE_BIT));
  if (!textured) {
    glDisable(GL_TEXTURE_2D);
  }
  // MD2 triangles wind clockwise seen from outside. The cull face is left at GL_FRONT.
  glCullFace(GL_FRONT);
  glBegin(GL_TRIANGLES);
  for (const Md2Triangle& tri : first.triangles) {
    for (int c = 0; c < 3; ++c) {
      if (textured) {
        const Md2TexCoord& tc = first.texCoords[static_cast<std::size_t>(tri.texCoordIndices[c])];
        glTexCoord2f(tc.u, tc.v);
      }
      const Vector3& a = p[static_cast<std::size_t>(tri.vertexIndices[c])];
      const Vector3& b = q[static_cast<std::size_t>(tri.vertexIndices[c])];
      glVertex3f(a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z));
    }
  }
  glEnd();
  glPopAttrib();
}
