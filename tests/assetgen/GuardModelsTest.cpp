// The generated guard figures and pistols in data/ (made by the build before the tests run),
// read with the game's own loader: the frame counts and names the guard's rules rely on, feet
// on the floor, winding that survives the game's front-face culling, smooth loops, and the
// pistol in the hand, kicking up at the shot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "assets/Md2Model.h"

namespace {

const std::string kDataDir = VAULTRUN_SOURCE_DIR "/data/";

struct Figure {
  const char* file;
  const char* weapon;  // the pistol drawn with it, or null
  int minFrames, maxFrames;
  float floor;  // height of the soles in the file
  bool loops;
};

const Figure kFigures[] = {
    {"gehend.md2", nullptr, 15, 60, 0.0f, true},
    {"stehend.md2", nullptr, 3, 60, -3.6f, true},
    {"figure_shooting.md2", "weapon_shooting.md2", 20, 60, 0.0f, true},
    {"figure_falling.md2", "waffe_falling.md2", 9, 12, 0.0f, false},
};

using Points = std::vector<Vector3>;

// Loads with the game's loader, which checks every table against the file, and says nothing.
Md2Model load(const std::string& name) {
  Md2Model model;
  testing::internal::CaptureStderr();
  EXPECT_TRUE(Md2Loader::load(model, kDataDir + "animation/" + name, "skin.bmp")) << name;
  EXPECT_EQ("", testing::internal::GetCapturedStderr()) << name;
  return model;
}

float lowest(const Points& points) {
  float y = 1e9f;
  for (const Vector3& p : points) y = std::min(y, p.y);
  return y;
}

float highest(const Points& points) {
  float y = -1e9f;
  for (const Vector3& p : points) y = std::max(y, p.y);
  return y;
}

// The largest distance any vertex moves between two frames.
float largestMove(const Points& a, const Points& b) {
  float m = 0.0f;
  for (std::size_t i = 0; i < a.size(); ++i) m = std::max(m, distanceBetween(a[i], b[i]));
  return m;
}

// Volume enclosed by the triangles, positive when they turn counter-clockwise seen from outside.
double signedVolume(const Md2Model& m, const Points& p) {
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
      EXPECT_GE(frames, figure.minFrames);
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

TEST(GuardModels, FiguresStandOnTheirFloorAndLoopWithoutAJump) {
  for (const Figure& figure : kFigures) {
    SCOPED_TRACE(figure.file);
    const Md2Model f = load(figure.file);
    ASSERT_FALSE(f.frames.empty());
    const Points& first = f.frames[0].vertices;
    const float height = highest(first) - lowest(first);
    EXPECT_GT(height, 26.0f);
    EXPECT_LT(height, 30.0f);
    for (std::size_t i = 0; i < f.frames.size(); ++i) {
      const float low = lowest(f.frames[i].vertices);
      if (figure.loops || i == 0) {
        EXPECT_NEAR(figure.floor, low, 1e-4) << "frame " << i;
      } else {
        EXPECT_GE(low, figure.floor - 0.05f) << "frame " << i << " sinks";
      }
    }
    const std::size_t shown = f.frames.size() - 1;  // the last frame is never the current one
    if (!figure.loops) {
      // A play-once animation rests on its next-to-last frame: he lies on the floor.
      const Points& rest = f.frames[shown - 1].vertices;
      EXPECT_NEAR(figure.floor, lowest(rest), 0.05f);
      EXPECT_LT(highest(rest) - lowest(rest), 8.0f);
      continue;
    }
    float step = 0.0f;
    for (std::size_t i = 0; i + 1 < shown; ++i) {
      step = std::max(step, largestMove(f.frames[i].vertices, f.frames[i + 1].vertices));
    }
    EXPECT_LE(largestMove(f.frames[shown - 1].vertices, first), step);
  }
}

TEST(GuardModels, PistolStaysInTheHandAndKicksUpAtTheShot) {
  for (const Figure& figure : kFigures) {
    if (!figure.weapon) continue;
    SCOPED_TRACE(figure.weapon);
    const Md2Model body = load(figure.file);
    const Md2Model pistol = load(figure.weapon);
    ASSERT_EQ(body.frames.size(), pistol.frames.size());
    for (std::size_t i = 0; i < body.frames.size(); ++i) {
      float gap = 1e9f;
      for (const Vector3& p : pistol.frames[i].vertices)
        for (const Vector3& q : body.frames[i].vertices) gap = std::min(gap, distanceBetween(p, q));
      EXPECT_LT(gap, 1.0f) << "frame " << i;
    }
  }
  // The guard aims along +x and fires as frame 17 comes up; by frame 19 he aims again.
  const Md2Model pistol = load("weapon_shooting.md2");
  ASSERT_GE(pistol.frames.size(), 20u);
  auto top = [&](int i) { return highest(pistol.frames[static_cast<std::size_t>(i)].vertices); };
  float x = 0.0f;
  for (const Vector3& p : pistol.frames[0].vertices) x += p.x / pistol.frames[0].vertices.size();
  EXPECT_GT(x, 4.0f);
  EXPECT_GT(top(17), top(16) + 1.0f);
  EXPECT_GT(top(17), top(18));
  EXPECT_NEAR(top(19), top(0), 0.5f);
}

}  // namespace
