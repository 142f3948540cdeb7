// What the guard tests share: the six animations built in memory (one triangle, moved up by
// f in frame f), and a fixture with a GL context and the virtual clock at 1000 s.
#pragma once

#include <gtest/gtest.h>

#include "assets/Md2Model.h"
#include "game/Cues.h"
#include "game/Guard.h"
#include "geometry/Camera.h"
#include "platform/Clock.h"
#include "render/GuardDraw.h"
#include "support/GlContext.h"

namespace guardtest {

// Walk, stand, shoot, fall, weapon-shoot, weapon-fall. One animation each over all frames, so
// a looping one shows frames 0 to count - 2 and a play-once one rests on count - 2.
constexpr int frameCounts[6] = {15, 3, 20, 10, 20, 10};

inline void buildAnimation(Md2Model& model, int frameCount) {
  model = Md2Model();
  for (int i = 0; i < frameCount; ++i) {
    Md2Frame frame;
    frame.numVertices = 3;
    const float f = static_cast<float>(i);
    frame.vertices = {Vector3(0.0f, f, 0.0f), Vector3(10.0f, f, 0.0f), Vector3(0.0f, 28.0f, 1.0f)};
    if (i == 0) {
      frame.texCoords = {{0.0f, 0.0f}, {1.0f, 0.0f}, {0.0f, 1.0f}};
      frame.triangles = {Md2Triangle{{0, 1, 2}, {0, 1, 2}}};
    }
    model.frames.push_back(frame);
  }
  model.animations.push_back(Md2Animation{"anim", 0, frameCount - 1});
  model.numAnimations = 1;
  model.numFrames = frameCount;
}

constexpr std::uint64_t frameMicros = 50000;  // the animations step every third frame
constexpr float frameSeconds = 0.05f;

// One frame of the game: the clock moves on, then the guard's behaviour runs and he is drawn.
inline void runFrame(Guard& guard, Camera& player) {
  platform::advanceVirtualClockMicros(frameMicros);
  guard.update(frameSeconds, player);
  guard.posed = true;
  drawGuard(guard);
}

class GuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureGlContext()) {
      GTEST_SKIP() << "no X display for the GL context";
    }
    platform::useVirtualClock(1000000000ull);
    for (int i = 0; i < 6; ++i) {
      buildAnimation(models[i], frameCounts[i]);
    }
  }
  void TearDown() override { platform::useRealClock(); }

  // A guard as a new game makes it, without skins.
  void setUpGuard(Guard& guard, const Vector3* path, bool clockwise) {
    guard.setModels(models, clocks);
    guard.setPath(path);
    guard.setClockwise(clockwise);
  }

  Md2Model models[6];
  Md2Clock clocks[6];
};

// Counts the guards' shots the game asks to be heard.
struct ShotCounter : CuePlayer {
  int shots = 0;
  void play(Cue cue) override { shots += cue == Cue::GuardFires ? 1 : 0; }
  void stop(Cue) override {}
  bool playing(Cue) const override { return false; }
  void dimMusic(bool) override {}
};

}  // namespace guardtest
