// Fuzz target of the MD2 loader and its animation clock: any bytes either load into a model
// whose frames, triangles and texture coordinates all agree with each other (every index in
// range), and whose animation then only ever shows frames it has; or they are refused with one
// error line naming the file, and the model keeps what it held before.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "assets/Md2Model.h"
#include "fuzz/FuzzCheck.h"
#include "platform/Clock.h"

using fuzzsupport::contains;

namespace {

void checkModel(const Md2Model& model) {
  FUZZ_CHECK(model.numFrames >= 1 && model.numFrames <= md2MaxFrames);
  FUZZ_CHECK(model.frames.size() == static_cast<std::size_t>(model.numFrames));
  FUZZ_CHECK(model.animations.size() == static_cast<std::size_t>(model.numAnimations));
  FUZZ_CHECK(model.numMaterials == 1 && model.materials.size() == 1);
  const Md2Frame& first = model.frames[0];
  FUZZ_CHECK(first.numVertices >= 1 && first.numTriangles >= 1 && first.numTexCoords >= 0);
  FUZZ_CHECK(first.triangles.size() == static_cast<std::size_t>(first.numTriangles));
  FUZZ_CHECK(first.texCoords.size() == static_cast<std::size_t>(first.numTexCoords));
  for (const Md2Triangle& tri : first.triangles) {
    for (int c = 0; c < 3; ++c) {
      FUZZ_CHECK(tri.vertexIndices[c] >= 0 && tri.vertexIndices[c] < first.numVertices);
      // Without texture coordinates the indices are never used (the model draws untextured).
      FUZZ_CHECK(first.numTexCoords == 0 ||
                 (tri.texCoordIndices[c] >= 0 && tri.texCoordIndices[c] < first.numTexCoords));
    }
  }
  for (const Md2TexCoord& tc : first.texCoords) {
    FUZZ_CHECK(std::isfinite(tc.u) && std::isfinite(tc.v));
  }
  for (std::size_t i = 0; i < model.frames.size(); ++i) {
    const Md2Frame& frame = model.frames[i];
    FUZZ_CHECK(frame.numVertices == first.numVertices);
    FUZZ_CHECK(frame.vertices.size() == static_cast<std::size_t>(first.numVertices));
    if (i > 0) {
      FUZZ_CHECK(frame.triangles.empty() && frame.texCoords.empty());
    }
  }
  for (const Md2Animation& a : model.animations) {
    FUZZ_CHECK(a.endFrame >= 0 && a.endFrame < model.numFrames);
  }
}

// Plays the model for a few seconds of virtual time, looping and then once, as a guard does;
// every pose must name frames of the model and blend by a factor within [0, 1].
void play(Md2Model& model) {
  platform::useVirtualClock(0);
  for (int pass = 0; pass < 2; ++pass) {
    model.playOnce = pass == 1;
    model.currentFrame = 0;
    for (int step = 0; step < 60; ++step) {
      platform::advanceVirtualClockMicros(70000);
      Md2Pose pose;
      FUZZ_CHECK(model.advanceAnimation(pose));
      FUZZ_CHECK(pose.currentFrame >= 0 && pose.currentFrame < model.numFrames);
      FUZZ_CHECK(pose.nextFrame >= 0 && pose.nextFrame < model.numFrames);
      FUZZ_CHECK(pose.t >= 0.0f && pose.t <= 1.0f);
    }
  }
  releaseMd2Model(model);
  for (const Md2Frame& frame : model.frames) {
    FUZZ_CHECK(frame.vertices.empty() && frame.triangles.empty() && frame.texCoords.empty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Md2Model model;
  model.numFrames = -7;  // a refusal must leave the model as it was
  fuzzsupport::clearErrorLines();
  if (!Md2Loader::loadFromBytes(model, data, size, "fuzz.md2", "fuzz-skin.bmp")) {
    FUZZ_CHECK(fuzzsupport::errorLineCount() == 1);
    FUZZ_CHECK(contains(fuzzsupport::lastErrorLine(), "fuzz.md2"));
    FUZZ_CHECK(model.numFrames == -7 && model.frames.empty());
    return 0;
  }
  FUZZ_CHECK(fuzzsupport::errorLineCount() == 0);
  checkModel(model);
  play(model);
  return 0;
}
