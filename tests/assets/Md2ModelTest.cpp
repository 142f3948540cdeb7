// The MD2 loader on files built byte by byte: what it reads, how frames become animations,
// every malformed file it refuses, and the animation clock on the virtual clock.
#include "assets/Md2Model.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Clock.h"
#include "tests/assets/Md2TestFile.h"

using md2test::FrameData;
using md2test::Md2File;
using testing::HasSubstr;

namespace {

// Loads through an exact-size heap copy, so a read past the end is caught under ASan.
bool loadBytes(Md2Model& model, const std::vector<unsigned char>& bytes,
               const std::string& name = "test.md2", const char* skin = nullptr) {
  std::unique_ptr<unsigned char[]> exact(new unsigned char[bytes.size() + 1]);
  std::copy(bytes.begin(), bytes.end(), exact.get());
  return Md2Loader::loadFromBytes(model, bytes.empty() ? nullptr : exact.get(), bytes.size(),
                                  name, skin);
}

Md2Model loaded(const Md2File& file) {
  Md2Model model;
  EXPECT_TRUE(loadBytes(model, file.bytes()));
  return model;
}

struct ClockAt {
  explicit ClockAt(std::uint32_t ms) { platform::useVirtualClock(std::uint64_t{ms} * 1000u); }
  ~ClockAt() { platform::useRealClock(); }
  void set(std::uint32_t ms) { platform::setVirtualClockMicros(std::uint64_t{ms} * 1000u); }
};

TEST(Md2Loading, VerticesSwapToYUpAndTexCoordsScaleToTheSkin) {
  Md2File file = Md2File::withFrames({"stand01", "stand02"});
  FrameData& f = file.frames[0];
  f.scale[0] = f.scale[1] = f.scale[2] = 0.5f;
  f.translate[0] = 1.0f, f.translate[1] = 2.0f, f.translate[2] = 3.0f;
  f.xyz[0] = 10, f.xyz[1] = 20, f.xyz[2] = 30;
  Md2Model model;
  ASSERT_TRUE(loadBytes(model, file.bytes(), "test.md2", "data/textures/pm1.bmp"));

  ASSERT_EQ(2u, model.frames.size());
  const Md2Frame& first = model.frames[0];
  EXPECT_EQ(Vector3(6.0f, 18.0f, -12.0f), first.vertices[0]);
  ASSERT_EQ(3u, first.texCoords.size());
  EXPECT_FLOAT_EQ(0.25f, first.texCoords[0].u);
  EXPECT_FLOAT_EQ(0.75f, first.texCoords[0].v);

  // Frame 1 has its own vertices (i, 2i, 3i) + 1 with unit scale: x, z, -y.
  EXPECT_EQ(Vector3(3.0f, 7.0f, -5.0f), model.frames[1].vertices[2]);

  ASSERT_EQ(1, model.numMaterials);
  EXPECT_EQ("data/textures/pm1.bmp", model.materials[0].fileName);

  // Loading again replaces everything, and without a skin name there is no material.
  model.currentFrame = 1;
  model.playOnce = true;
  model.lastTime = 500.0f;
  // Frame records are stepped by the header's frame size, padding and all.
  Md2File walk = Md2File::withFrames(Md2File::numberedNames("walk", 4));
  walk.framePadding = 12;
  ASSERT_TRUE(loadBytes(model, walk.bytes()));
  EXPECT_EQ(4, model.numFrames);
  EXPECT_EQ(Vector3(4.0f, 8.0f, -6.0f), model.frames[2].vertices[2]);
  EXPECT_EQ(0, model.numMaterials);
  EXPECT_TRUE(model.currentFrame == 0 && !model.playOnce && model.lastTime == 0.0f);
}

TEST(Md2Loading, MalformedFilesAreRefusedAndLeaveTheModelAlone) {
  using namespace md2test;
  using Bytes = std::vector<unsigned char>;
  const Bytes good = Md2File::withFrames({"s01", "s02"}).bytes();
  const std::int32_t size = static_cast<std::int32_t>(good.size());
  const std::int32_t huge = 0x7fffffff;
  const struct {
    const char* what;
    std::size_t keptBytes;
  } cuts[] = {{"empty file", 0}, {"cut inside the last frame", good.size() - 1}};
  const struct {
    const char* what;
    HeaderField field;
    std::int32_t value;
  } fields[] = {
      {"version 7", fieldVersion, 7}, {"frames offset at the end", fieldOffsetFrames, size},
      {"negative texcoord offset", fieldOffsetTexCoords, -4},
      {"triangles far past the end", fieldOffsetTriangles, 0x7fffff00},
      {"skins past the end", fieldOffsetSkins, size - 10},
      {"end offset shorter than the data", fieldOffsetEnd, size - 1},
      {"end offset past the file", fieldOffsetEnd, size + 1},
      {"no frames", fieldNumFrames, 0}, {"no triangles", fieldNumTriangles, 0},
      {"negative skins", fieldNumSkins, -1}, {"huge frames", fieldNumFrames, huge},
      {"huge triangles", fieldNumTriangles, huge},
      {"frame size below the vertices", fieldFrameSize, 51},
      {"frame size above 8320", fieldFrameSize, 8321}, {"skin width 0", fieldSkinWidth, 0},
  };
  // A triangle corner 0xFFFF (-1), one past the vertices, and texcoord indices outside.
  const struct {
    const char* what;
    std::size_t slot;
    std::int16_t index;
  } badIndices[] = {
      {"vertex index 0xFFFF", 0, -1}, {"vertex index = vertex count", 1, 3},
      {"texcoord index = texcoord count", 5, 3}, {"negative texcoord index", 3, -2},
  };

  Md2Model model = loaded(Md2File::withFrames({"keep01", "keep02", "keep03"}));
  auto expectRefused = [&](const char* what, const Bytes& bytes) {
    SCOPED_TRACE(what);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(loadBytes(model, bytes, "data/animation/bad.md2"));
    const std::string error = testing::internal::GetCapturedStderr();
    EXPECT_THAT(error, HasSubstr("Error: Invalid file format ("));
    EXPECT_THAT(error, HasSubstr("): data/animation/bad.md2!\n"));
    EXPECT_EQ(3, model.numFrames);
    EXPECT_EQ("keep", model.animations.at(0).name);
  };
  for (const auto& c : cuts) {
    expectRefused(c.what, Bytes(good.begin(), good.begin() + static_cast<long>(c.keptBytes)));
  }
  for (const auto& c : fields) {
    Bytes bytes = good;
    setField(bytes, c.field, c.value);
    expectRefused(c.what, bytes);
  }
  for (const auto& c : badIndices) {
    Md2File file = Md2File::withFrames({"s01", "s02"});
    file.triangles[c.slot] = c.index;
    expectRefused(c.what, file.bytes());
  }
  Md2File tooMany = Md2File::withFrames(Md2File::numberedNames("f", md2MaxFrames + 1));
  expectRefused("513 frames", tooMany.bytes());
  // At the limits themselves a file loads: 512 frames, and 2070 vertices in 8320 bytes.
  tooMany.frames.pop_back();
  EXPECT_TRUE(loadBytes(model, tooMany.bytes()));
  Md2File widest = Md2File::withFrames({"w01", "w02"});
  widest.numVertices = 2070;
  for (FrameData& frame : widest.frames) frame.xyz.resize(3 * 2070, 7);
  ASSERT_TRUE(loadBytes(model, widest.bytes()));
  EXPECT_EQ(Vector3(7.0f, 7.0f, -7.0f), model.frames[1].vertices[2069]);
}

TEST(Md2Animations, FrameNamesGroupIntoAnimations) {
  const Md2Model stand = loaded(Md2File::withFrames(Md2File::numberedNames("stand", 40)));
  ASSERT_EQ(1, stand.numAnimations);
  EXPECT_EQ("stand", stand.animations[0].name);
  EXPECT_EQ(39, stand.animations[0].endFrame);

  // Numbering that starts at 3 starts the animation at frame 2.
  const Md2Model late = loaded(Md2File::withFrames({"fall03", "fall04", "fall05", "fall06"}));
  ASSERT_EQ(1u, late.animations.size());
  EXPECT_EQ(2, late.animations[0].startFrame);

  // A name sorting above its predecessor closes the animation at its own index; one sorting
  // below does not start a new one, though the last frame closes it under the newer name.
  const Md2Model two =
      loaded(Md2File::withFrames({"attack01", "attack02", "walk01", "walk02", "run01", "run02"}));
  ASSERT_EQ(2, two.numAnimations);
  EXPECT_EQ(2, two.animations[0].endFrame);
  EXPECT_EQ("run", two.animations[1].name);
  EXPECT_EQ(2, two.animations[1].startFrame);
  EXPECT_EQ(5, two.animations[1].endFrame);

  // A single frame, or names that are only digits, make no animation at all.
  EXPECT_EQ(0, loaded(Md2File::withFrames({"still01"})).numAnimations);
  EXPECT_EQ(0, loaded(Md2File::withFrames({"01", "02", "03"})).numAnimations);
}

TEST(Md2Clock, InterpolationFollowsTheMillisecondClock) {
  Md2Model model = loaded(Md2File::withFrames(Md2File::numberedNames("stand", 5)));
  ClockAt clock(1000);
  Md2Pose pose;
  // The first draw after loading is long after lastTime 0: the blend stops at the next frame.
  ASSERT_TRUE(model.advanceAnimation(pose));
  EXPECT_EQ(1.0f, pose.t);
  EXPECT_EQ(1, model.currentFrame);

  clock.set(1060);
  ASSERT_TRUE(model.advanceAnimation(pose));
  EXPECT_FLOAT_EQ(0.48f, pose.t);
  EXPECT_EQ(2, pose.nextFrame);
  EXPECT_EQ(1, model.currentFrame);

  clock.set(1130);
  ASSERT_TRUE(model.advanceAnimation(pose));
  EXPECT_EQ(1.0f, pose.t);
  EXPECT_EQ(2, model.currentFrame);

  // stepTime itself gives the unlimited step.
  clock.set(1260);
  EXPECT_FLOAT_EQ(1.04f, model.stepTime(3));
  EXPECT_EQ(3, model.currentFrame);

  // The loop runs 0..endFrame-1 and wraps to startFrame; the file's last frame never shows.
  clock.set(1400);
  ASSERT_TRUE(model.advanceAnimation(pose));
  EXPECT_EQ(3, pose.currentFrame);
  EXPECT_EQ(0, pose.nextFrame);
  EXPECT_EQ(0, model.currentFrame);
}

TEST(Md2Clock, PlayOnceRestsOnTheLastShownFrame) {
  Md2Model model = loaded(Md2File::withFrames(Md2File::numberedNames("fall", 10)));
  ClockAt clock(5000);
  model.playOnce = true;
  model.currentFrame = 7;
  model.lastTime = 4000.0f;
  Md2Pose pose;
  ASSERT_TRUE(model.advanceAnimation(pose));
  EXPECT_EQ(8, model.currentFrame);
  clock.set(600000);
  ASSERT_TRUE(model.advanceAnimation(pose));
  EXPECT_EQ(8, pose.currentFrame);
  EXPECT_EQ(0.0f, pose.t);
  EXPECT_EQ(8, model.currentFrame);
}

TEST(Md2Clock, OddStatesNeverLeaveTheFrames) {
  ClockAt clock(2000);
  Md2Pose pose;
  // startFrame 22 of a two-frame file: the wrap lands on frame 0 instead.
  Md2Model run = loaded(Md2File::withFrames({"run123", "run124"}));
  ASSERT_TRUE(run.advanceAnimation(pose));
  EXPECT_EQ(0, pose.nextFrame);
  // Frames numbered from 00 put startFrame at -1.
  Md2Model zero = loaded(Md2File::withFrames({"s00", "s01", "s02"}));
  zero.currentFrame = 1;
  ASSERT_TRUE(zero.advanceAnimation(pose));
  EXPECT_EQ(0, pose.nextFrame);
  // A current frame set out of range is read as frame 0.
  Md2Model walk = loaded(Md2File::withFrames(Md2File::numberedNames("walk", 4)));
  walk.currentFrame = 99;
  ASSERT_TRUE(walk.advanceAnimation(pose));
  EXPECT_EQ(0, pose.currentFrame);
  EXPECT_EQ(1, pose.nextFrame);
  // No animation in the names: the single frame stands still, the clock untouched.
  Md2Model still = loaded(Md2File::withFrames({"still01"}));
  ASSERT_TRUE(still.advanceAnimation(pose));
  EXPECT_TRUE(pose.currentFrame == 0 && pose.nextFrame == 0 && pose.t == 0.0f);
  EXPECT_EQ(0.0f, still.lastTime);
  // An empty model has nothing to draw.
  Md2Model empty;
  EXPECT_FALSE(empty.advanceAnimation(pose));
}

}  // namespace
