// The generated guard figures and pistols in data/ (made by the build before the tests run),
// read with the game's own loader: the frame counts and names the guard's rules rely on, and
// winding that survives the game's front-face culling.
#include <gtest/gtest.h>

#include "assets/Md2Model.h"

namespace {

const std::string kDataDir = VAULTRUN_SOURCE_DIR "/data/";

struct Figure {
  const char* file;
  const char* weapon;  // the pistol drawn with it, or null
  int minFrames, maxFrames;
};

const Figure kFigures[] = {
    {"gehend.md2", nullptr, 15, 60},
    {"stehend.md2", nullptr, 3, 60},
    {"figure_shooting.md2", "weapon_shooting.md2", 20, 60},
    {"figure_falling.md2", "waffe_falling.md2", 9, 12},
};

// Loads with the game's loader, which checks every table against the file, and says nothing.
Md2Model load(const std::string& name) {
  Md2Model model;
  testing::internal::CaptureStderr();
  EXPECT_TRUE(Md2Loader::load(model, kDataDir + "animation/" + name, "skin.bmp")) << name;
  EXPECT_EQ("", testing::internal::GetCapturedStderr()) << name;
  return model;
}

// Volume enclosed by the triangles, positive when they turn counter-clockwise seen from outside.
double signedVolume(const Md2Model& m, const std::vector<Vector3>& p) {
  double v = 0.0;
  for (const Md2Triangle& t : m.frames[0].triangles) {
    const Vector3& a = p[t.vertexIndices[0]];
    const Vector3& b = p[t.vertexIndices[1]];
    const Vector3& c = p[t.vertexIndices[2]];
    v += a.x * (b.y * c.z - b.z * c.y) - a.y * (b.x * c.z - b.z * c.x) +
         a.z * (b.x * c.y - b.y * c.x);
  }
  return v / 6.0;
}

TEST(GuardModels, FramesFormTheOneAnimationTheGuardPlaysWoundForFrontFaceCulling) {
  for (const Figure& figure : kFigures) {
    for (const char* name : {figure.file, figure.weapon}) {
      if (!name) continue;
      SCOPED_TRACE(name);
      const Md2Model model = load(name);
      const int frames = model.numFrames;
      EXPECT_GE(frames, figure.minFrames);  // the rules wait for frame 17 of the shot, say
      EXPECT_LE(frames, figure.maxFrames);
      if (figure.weapon) {
        EXPECT_EQ(load(figure.file).numFrames, frames);
      }
      ASSERT_EQ(1, model.numAnimations);
      EXPECT_EQ(0, model.animations[0].startFrame);
      EXPECT_EQ(frames - 1, model.animations[0].endFrame);
      for (int i = 0; i < frames; ++i) {
        EXPECT_LT(signedVolume(model, model.frames[i].vertices), -1.0) << "frame " << i;
      }
    }
  }
}

}  // namespace
