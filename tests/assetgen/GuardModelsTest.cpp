// The generated guard figures and pistols in data/ (made by the build before the tests run):
// valid MD2 tables, the frame counts and names the guard's rules rely on, feet on the floor,
// winding that survives the game's front-face culling, smooth loops, the pistol in the hand,
// and skins that cover every mapped triangle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "assets/Md2Model.h"
#include "tests/assetgen/GuardMd2File.h"

namespace {

using guardtest::Md2File;
using guardtest::Point;

const std::string kDataDir = VAULTRUN_SOURCE_DIR "/data/";

struct Figure {
  const char* file;
  const char* weapon;  // the pistol drawn with it, or null
  int minFrames, maxFrames;
  double floor;  // height of the soles in the file
  bool loops;
};

const Figure kFigures[] = {
    {"gehend.md2", nullptr, 15, 60, 0.0, true},
    {"stehend.md2", nullptr, 3, 60, -3.6, true},
    {"figure_shooting.md2", "weapon_shooting.md2", 20, 60, 0.0, true},
    {"figure_falling.md2", "waffe_falling.md2", 9, 12, 0.0, false},
};

Md2File load(const std::string& name) {
  Md2File f;
  std::string why;
  EXPECT_TRUE(guardtest::readMd2(kDataDir + "animation/" + name, f, why)) << name << ": " << why;
  return f;
}

bool powerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

double lowest(const std::vector<Point>& points) {
  double y = 1e9;
  for (const Point& p : points) y = std::min(y, p.y);
  return y;
}

double highest(const std::vector<Point>& points) {
  double y = -1e9;
  for (const Point& p : points) y = std::max(y, p.y);
  return y;
}

double distance(const Point& a, const Point& b) {
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

// The largest distance any vertex moves between two frames.
double largestMove(const std::vector<Point>& a, const std::vector<Point>& b) {
  double m = 0.0;
  for (std::size_t i = 0; i < a.size(); ++i) m = std::max(m, distance(a[i], b[i]));
  return m;
}

// Volume enclosed by the triangles, positive when they turn counter-clockwise seen from outside.
double signedVolume(const Md2File& f, const std::vector<Point>& p) {
  double v = 0.0;
  for (const auto& t : f.triangles) {
    const Point& a = p[t[0]];
    const Point& b = p[t[1]];
    const Point& c = p[t[2]];
    v += a.x * (b.y * c.z - b.z * c.y) - a.y * (b.x * c.z - b.z * c.x) + a.z * (b.x * c.y - b.y * c.x);
  }
  return v / 6.0;
}

std::vector<std::string> allFiles() {
  std::vector<std::string> names;
  for (const Figure& f : kFigures) {
    names.push_back(f.file);
    if (f.weapon) names.push_back(f.weapon);
  }
  return names;
}

TEST(GuardModels, FilesHaveValidHeadersAndTables) {
  for (const std::string& name : allFiles()) {
    SCOPED_TRACE(name);
    const Md2File f = load(name);
    ASSERT_EQ(0, f.bytes.compare(0, 4, "IDP2"));
    EXPECT_EQ(8, f.version());
    EXPECT_TRUE(powerOfTwo(f.skinWidth()) && powerOfTwo(f.skinHeight()));
    ASSERT_EQ(1u, f.skins.size());
    const bool pistol = name.find("weapon") != std::string::npos || name.find("waffe") != std::string::npos;
    EXPECT_EQ(pistol ? "data/textures/weapon.bmp" : "data/textures/pm1.bmp", f.skins[0]);
    EXPECT_EQ(40 + 4 * f.vertexCount(), f.frameSize());
    EXPECT_LE(f.frameSize(), md2MaxFrameSize);
    // The tables follow each other and the GL commands, closed by a 0, end the file.
    const auto& h = f.header;
    EXPECT_EQ(68, h[11]);
    EXPECT_EQ(h[11] + 64 * h[5], h[12]);
    EXPECT_EQ(h[12] + 4 * h[7], h[13]);
    EXPECT_EQ(h[13] + 12 * h[8], h[14]);
    EXPECT_EQ(h[14] + h[4] * h[10], h[15]);
    EXPECT_EQ(h[15] + 4 * h[9], h[16]);
    EXPECT_EQ(static_cast<long>(f.bytes.size()), h[16]);
    EXPECT_EQ(0, guardtest::readInt(f.bytes, f.bytes.size() - 4));
    for (const auto& t : f.triangles) {
      for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(t[k] >= 0 && t[k] < f.vertexCount());
        ASSERT_TRUE(t[3 + k] >= 0 && t[3 + k] < static_cast<int>(f.texCoords.size()));
      }
    }
    for (const auto& st : f.texCoords) {
      EXPECT_TRUE(st[0] >= 0 && st[0] <= f.skinWidth() && st[1] >= 0 && st[1] <= f.skinHeight());
    }
  }
}

TEST(GuardModels, FramesFormTheOneAnimationTheGuardPlays) {
  for (const Figure& figure : kFigures) {
    for (const char* name : {figure.file, figure.weapon}) {
      if (!name) continue;
      SCOPED_TRACE(name);
      const Md2File f = load(name);
      const int frames = static_cast<int>(f.frames.size());
      EXPECT_GE(frames, figure.minFrames);
      EXPECT_LE(frames, figure.maxFrames);
      if (figure.weapon) {
        EXPECT_EQ(load(figure.file).frames.size(), f.frames.size());
      }
      Md2Model model;
      testing::internal::CaptureStderr();
      ASSERT_TRUE(Md2Loader::load(model, kDataDir + "animation/" + name, "skin.bmp"));
      EXPECT_EQ("", testing::internal::GetCapturedStderr());
      ASSERT_EQ(1, model.numAnimations);
      EXPECT_EQ(0, model.animations[0].startFrame);
      EXPECT_EQ(frames - 1, model.animations[0].endFrame);
      EXPECT_EQ(frames, model.numFrames);
    }
  }
}

TEST(GuardModels, FiguresStandOnTheirFloorAndAreAboutTwentyEightTall) {
  for (const Figure& figure : kFigures) {
    SCOPED_TRACE(figure.file);
    const Md2File f = load(figure.file);
    ASSERT_FALSE(f.frames.empty());
    const double height = highest(f.frames[0]) - lowest(f.frames[0]);
    EXPECT_GT(height, 26.0);
    EXPECT_LT(height, 30.0);
    for (std::size_t i = 0; i < f.frames.size(); ++i) {
      if (figure.loops || i == 0) {
        EXPECT_NEAR(figure.floor, lowest(f.frames[i]), 1e-4) << "frame " << i;
      } else {
        EXPECT_GE(lowest(f.frames[i]), figure.floor - 0.05) << "frame " << i << " sinks";
      }
    }
    if (!figure.loops) {
      // A play-once animation rests on its next-to-last frame: he lies on the floor.
      const std::vector<Point>& rest = f.frames[f.frames.size() - 2];
      EXPECT_NEAR(figure.floor, lowest(rest), 0.05);
      EXPECT_LT(highest(rest) - lowest(rest), 8.0);
    }
  }
}

TEST(GuardModels, OutsideIsWoundClockwiseSoFrontFaceCullingShowsIt) {
  for (const std::string& name : allFiles()) {
    SCOPED_TRACE(name);
    const Md2File f = load(name);
    for (std::size_t i = 0; i < f.frames.size(); ++i) {
      EXPECT_LT(signedVolume(f, f.frames[i]), -1.0) << "frame " << i;
    }
  }
}

TEST(GuardModels, LoopsBlendBackToTheirFirstFrameWithoutAJump) {
  for (const Figure& figure : kFigures) {
    if (!figure.loops) continue;
    SCOPED_TRACE(figure.file);
    const Md2File f = load(figure.file);
    const std::size_t shown = f.frames.size() - 1;  // the last frame is never the current one
    double step = 0.0;
    for (std::size_t i = 0; i + 1 < shown; ++i) step = std::max(step, largestMove(f.frames[i], f.frames[i + 1]));
    EXPECT_LE(largestMove(f.frames[shown - 1], f.frames[0]), step);
  }
}

// The game moves a walking guard 1.25 level units per key frame (a quarter of that while the
// walk shows frame 0, 1, 13 or 14), at a scale of 0.28. A sole resting on the floor through a
// key frame must slide back under him at about that pace, or he skates.
TEST(GuardModels, WalkingFeetKeepPaceWithTheGround) {
  const Md2File f = load("gehend.md2");
  int planted = 0;
  for (std::size_t i = 0; i + 1 < f.frames.size(); ++i) {
    const bool slow = i == 0 || i == 1 || i == 13 || i == 14;
    const double ground = (slow ? 0.25 : 1.0) * 1.25 / 0.28;
    double move = 0.0;
    int soles = 0;
    for (std::size_t v = 0; v < f.frames[i].size(); ++v) {
      if (f.frames[i][v].y < 0.2 && f.frames[i + 1][v].y < 0.2) {
        move += f.frames[i + 1][v].x - f.frames[i][v].x;
        ++soles;
      }
    }
    if (soles == 0) continue;
    ++planted;
    EXPECT_GT(-move / soles, 0.6 * ground) << "frame " << i;
    EXPECT_LT(-move / soles, 1.1 * ground) << "frame " << i;
  }
  EXPECT_GT(planted, 10);
}

TEST(GuardModels, PistolStaysInTheHandAndKicksUpAtTheShot) {
  for (const Figure& figure : kFigures) {
    if (!figure.weapon) continue;
    SCOPED_TRACE(figure.weapon);
    const Md2File body = load(figure.file);
    const Md2File pistol = load(figure.weapon);
    ASSERT_EQ(body.frames.size(), pistol.frames.size());
    for (std::size_t i = 0; i < body.frames.size(); ++i) {
      double gap = 1e9;
      for (const Point& p : pistol.frames[i])
        for (const Point& q : body.frames[i]) gap = std::min(gap, distance(p, q));
      EXPECT_LT(gap, 1.0) << "frame " << i;
    }
  }
  // The guard aims along +x and fires as frame 17 comes up; by frame 19 he aims again.
  const Md2File pistol = load("weapon_shooting.md2");
  ASSERT_GE(pistol.frames.size(), 20u);
  double x = 0.0;
  for (const Point& p : pistol.frames[0]) x += p.x / pistol.frames[0].size();
  EXPECT_GT(x, 4.0);
  EXPECT_GT(highest(pistol.frames[17]), highest(pistol.frames[16]) + 1.0);
  EXPECT_GT(highest(pistol.frames[17]), highest(pistol.frames[18]));
  EXPECT_NEAR(highest(pistol.frames[19]), highest(pistol.frames[0]), 0.5);
}

// Every triangle samples a painted part of its skin: the painter leaves unused texels black.
TEST(GuardModels, EveryTriangleMapsOntoPaintedSkin) {
  const std::pair<const char*, const char*> pairs[] = {{"gehend.md2", "pm1.bmp"},
                                                       {"weapon_shooting.md2", "weapon.bmp"}};
  for (const auto& [model, skin] : pairs) {
    SCOPED_TRACE(skin);
    std::ifstream in(kDataDir + "textures/" + skin, std::ios::binary);
    const std::string bmp((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bmp.size(), 54u);
    const int width = guardtest::readInt(bmp, 18);
    const int height = guardtest::readInt(bmp, 22);
    EXPECT_EQ(24, guardtest::readShort(bmp, 28));
    const Md2File f = load(model);
    EXPECT_EQ(f.skinWidth(), width);
    EXPECT_EQ(f.skinHeight(), height);
    const int offset = guardtest::readInt(bmp, 10);
    const int rowBytes = (width * 3 + 3) & ~3;
    for (const auto& t : f.triangles) {
      const int s = (f.texCoords[t[3]][0] + f.texCoords[t[4]][0] + f.texCoords[t[5]][0]) / 3;
      const int u = (f.texCoords[t[3]][1] + f.texCoords[t[4]][1] + f.texCoords[t[5]][1]) / 3;
      const int row = height - 1 - std::clamp(u, 0, height - 1);  // bottom-up rows
      const std::size_t at = offset + static_cast<std::size_t>(row) * rowBytes + 3 * std::clamp(s, 0, width - 1);
      ASSERT_LT(at + 2, bmp.size());
      EXPECT_NE(0, bmp[at] | bmp[at + 1] | bmp[at + 2]) << "texel " << s << ", " << u;
    }
  }
}

}  // namespace
