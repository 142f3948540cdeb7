// The game's own logic per frame, without drawing: the idle update, both guards' sight test,
// the camera's collision with the real level and both guards' rules, under the classic and the
// stealth rules; the sight test alone, both guards of a frame, under either; and the collision
// alone against the number of triangles. Run from the folder that holds data/; the per-frame
// case needs an X display (under xvfb-run) only because the idle update asks GLUT for a
// redisplay.
#include <benchmark/benchmark.h>

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "assets/FileBytes.h"
#include "assets/LevelMesh.h"
#include "assets/Md2Model.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/Guard.h"
#include "game/Rules.h"
#include "game/Screen.h"
#include "game/World.h"
#include "geometry/Camera.h"
#include "geometry/LampLight.h"
#include "geometry/MuseumPlan.h"
#include "platform/Clock.h"
#include "support/HeapCounter.h"

namespace {

constexpr std::uint64_t frameMicros = 16667;  // one frame at 60 Hz

// ---- The real level's collision list, parsed without GL (no material textures) ----
struct Level {
  std::unique_ptr<LevelMesh> mesh;
  std::vector<Vector3> triangles;  // three points a triangle, in file order
};

const Level& realLevel() {
  static Level level = [] {
    Level loaded;
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readWholeFile("data/models/level.txt", bytes)) {
      std::fprintf(stderr, "Error: cannot read data/models/level.txt (run from the folder that "
                           "holds data/)\n");
      std::exit(1);
    }
    std::unique_ptr<MeshModel> model =
        parseMeshModel(std::string(bytes.begin(), bytes.end()), true, error);
    if (model == nullptr) {
      std::fprintf(stderr, "Error: data/models/level.txt: %s\n", error.c_str());
      std::exit(1);
    }
    loaded.mesh = std::make_unique<LevelMesh>(model.release());
    std::int32_t count = 0;
    Vector3* list =
        loaded.mesh->buildTriangleListWithin(collisionBandLow, collisionBandHigh, &count);
    loaded.triangles.assign(list, list + count);
    delete[] list;
    return loaded;
  }();
  return level;
}

// ---- The world of one game in play, built once: player, guards and their animations ----

// GLUT needs a window for the idle update's redisplay request; the window's GL context is then
// released again, so that the guards' drawing calls reach no renderer.
bool openWindowWithoutGl() {
  static int state = 0;  // 0 not tried, 1 open, -1 no display
  if (state != 0) return state > 0;
  Display* probe = XOpenDisplay(nullptr);
  if (probe == nullptr) {
    state = -1;
    return false;
  }
  int argc = 1;
  char name[] = "vaultrun_bench";
  char* argv[] = {name, nullptr};
  glutInit(&argc, argv);
  XCloseDisplay(probe);
  glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
  glutInitWindowSize(64, 64);
  glutCreateWindow("vaultrun_bench");
  glXMakeCurrent(glXGetCurrentDisplay(), None, nullptr);
  state = 1;
  return true;
}

void loadGuardModels(Md2Model* models) {
  const char* const files[6] = {"data/animation/gehend.md2",          "data/animation/stehend.md2",
                                "data/animation/figure_shooting.md2", "data/animation/figure_falling.md2",
                                "data/animation/weapon_shooting.md2", "data/animation/waffe_falling.md2"};
  for (int slot = 0; slot < 6; ++slot) {
    if (!Md2Loader::load(models[slot], files[slot], nullptr)) std::exit(1);
  }
}

Guard* patrollingGuard(const Vector3* path, const Vector3& heading, Md2Clock* clocks,
                       bool clockwise) {
  Guard* guard = new Guard(path, heading);
  guard->setModels(guardModels, clocks);
  guard->setPath(path);
  guard->setClockwise(clockwise);
  return guard;
}

// The player walks circles of about 25 units in the hall's left corridor (x 0..52), brushing
// both side walls on every lap, far from both patrols: no guard sees him.
const Vector3 circleStart(26.0f, 1.0f, 440.0f);
constexpr float turnPerFrame = 0.0133f;  // radians: 20 units/s over 0.8 rad/s

void startGameInPlay(Rules rules) {
  static bool modelsLoaded = false;
  if (!modelsLoaded) {
    loadGuardModels(guardModels);
    modelsLoaded = true;
  }
  platform::useVirtualClock(0);
  delete camera;
  camera = new Camera(circleStart.x, circleStart.y, circleStart.z, circleStart.x + 100.0f,
                      circleStart.y, circleStart.z, 0.0f, 1.0f, 0.0f);
  camera->setScreenSize(1024, 768);
  delete guard1;
  delete guard2;
  guard1 = patrollingGuard(guard1Path, guard1StartHeading, guard1Clocks, true);
  guard2 = patrollingGuard(guard2Path, guard2StartHeading, guard2Clocks, false);
  currentScreen = GameScreen::Playing;
  heist = Heist{};
  playRules = RuleSet{rules, Difficulty::Normal};
}

// The frame's third step: both guards' sight of the player, by the rules in play (the alarm it
// raises is left out: the player keeps away from the patrols).
int noticePlayer() {
  int seen = 0;
  if (stealthRules()) {
    const float light = museum::lampLightAt(camera->position.x, camera->position.z);
    for (Guard* guard : {guard1, guard2}) {
      guard->seesPlayer = !guard->down && guard->seesInStealth(camera->position, light);
      seen += guard->seesPlayer;
    }
  } else {
    for (const Guard* guard : {guard1, guard2}) seen += !guard->down && guard->canSee(camera->position);
  }
  return seen;
}

// One frame's logic in the order the frame runs it: the interval and the step, the guards'
// sight, walking forward, the guards' push, the wall collision, the guards' update.
void runFrameLogic(const Level& level) {
  constexpr std::int32_t forward = 1, sideways = 0;
  platform::advanceVirtualClockMicros(frameMicros);
  camera->turnView(turnPerFrame, 0.0f, 1.0f, 0.0f);
  frameInterval = camera->updateFrameTime();
  moveStep = frameInterval * camera->walkSpeed * static_cast<float>(camera->walkPace);
  benchmark::DoNotOptimize(noticePlayer());
  walkByHeldDirections(forward, sideways, moveStep);
  if (!guard1->down) guard1->keepAway(forward, sideways, *camera, moveStep);
  if (!guard2->down) guard2->keepAway(forward, sideways, *camera, moveStep);
  camera->collideWithTriangles(level.triangles.data(),
                               static_cast<std::int32_t>(level.triangles.size()));
  guard1->update(frameInterval, *camera);
  guard2->update(frameInterval, *camera);
}

// rules: 0 classic, 1 stealth.
void BM_GameLogicFrame(benchmark::State& state) {
  if (!openWindowWithoutGl()) {
    state.SkipWithError("needs an X display for GLUT (run under xvfb-run)");
    return;
  }
  const Level& level = realLevel();
  startGameInPlay(static_cast<Rules>(state.range(0)));
  // Two virtual minutes first, so the guards are well into their patrols.
  for (int i = 0; i < 7200; ++i) runFrameLogic(level);
  const long allocationsBefore = benchsupport::heapAllocationCount();
  for (auto _ : state) {
    runFrameLogic(level);
    benchmark::DoNotOptimize(camera->position);
  }
  state.counters["allocs/frame"] = benchmark::Counter(
      static_cast<double>(benchsupport::heapAllocationCount() - allocationsBefore) /
      static_cast<double>(state.iterations()));
  state.counters["seen"] = (guard1->alerted || guard2->alerted) ? 1 : 0;
  state.counters["triangles"] = static_cast<double>(level.triangles.size() / 3);
  playRules = RuleSet();
}
BENCHMARK(BM_GameLogicFrame)->ArgName("stealth")->Arg(0)->Arg(1);

// The same frames recorded as a heist is: the frame's reading and, every frame, a pointer
// move as a turning player's mouse sends. A recording is begun afresh every ten virtual
// minutes (outside the timing), as heists of that length would be; allocs/frame shows that
// no frame allocates, bytes/frame what a heist costs on disk.
void BM_GameLogicFrameRecorded(benchmark::State& state) {
  if (!openWindowWithoutGl()) {
    state.SkipWithError("needs an X display for GLUT (run under xvfb-run)");
    return;
  }
  constexpr int tenMinutes = 36000;
  const Level& level = realLevel();
  startGameInPlay(Rules::Classic);
  for (int i = 0; i < 7200; ++i) runFrameLogic(level);
  startHeistRecording();
  int framesInHeist = 0;
  std::size_t bytes = 0;
  long allocations = 0;
  long allocationsBefore = benchsupport::heapAllocationCount();
  for (auto _ : state) {
    if (framesInHeist == tenMinutes) {
      state.PauseTiming();
      allocations += benchsupport::heapAllocationCount() - allocationsBefore;
      bytes += heistRecordingBytes();
      abandonHeistRecording();
      startHeistRecording();
      framesInHeist = 0;
      allocationsBefore = benchsupport::heapAllocationCount();
      state.ResumeTiming();
    }
    recordInput(ReplayRecordKind::Motion, 0, 0, 512 + (framesInHeist & 7), 384);
    recordFrame();
    runFrameLogic(level);
    ++framesInHeist;
    benchmark::DoNotOptimize(camera->position);
  }
  allocations += benchsupport::heapAllocationCount() - allocationsBefore;
  bytes += heistRecordingBytes();
  abandonHeistRecording();
  const double frames = static_cast<double>(state.iterations());
  state.counters["allocs/frame"] = benchmark::Counter(static_cast<double>(allocations) / frames);
  state.counters["bytes/frame"] = benchmark::Counter(static_cast<double>(bytes) / frames);
}
BENCHMARK(BM_GameLogicFrameRecorded);

// ---- The sight test alone: both guards' of one frame ----

// A frame's places: the player anywhere in the museum, each guard somewhere on his patrol
// facing along one of its legs. `near` puts each guard 20 to 70 units from the player and
// facing him, so that every part of the stealth test runs (distance, field of view, walls).
struct SightFrame {
  Vector3 player;
  Vector3 guard[2];
  float yaw[2];
};

std::vector<SightFrame> sightFrames(bool near) {
  std::mt19937 random(75);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  const Vector3* paths[2] = {guard1Path, guard2Path};
  std::vector<SightFrame> frames(4096);
  for (SightFrame& f : frames) {
    const museum::Area& a = museum::floorAreas[random() % 5].area;
    f.player = Vector3(static_cast<float>(a.x0 + 3.0 + unit(random) * (a.x1 - a.x0 - 6.0)), 1.0f,
                       static_cast<float>(a.z0 + 3.0 + unit(random) * (a.z1 - a.z0 - 6.0)));
    for (int g = 0; g < 2; ++g) {
      if (near) {
        const float bearing = unit(random) * 6.2832f, distance = 20.0f + 50.0f * unit(random);
        f.guard[g] = Vector3(f.player.x + distance * std::cos(bearing), -6.0f,
                             f.player.z + distance * std::sin(bearing));
        f.yaw[g] = std::atan2(std::sin(bearing), -std::cos(bearing)) * 57.29578f;
        continue;
      }
      const int leg = static_cast<int>(random() % 4);
      const Vector3 &from = paths[g][leg], &to = paths[g][(leg + 1) % 4];
      const float t = unit(random);
      f.guard[g] = Vector3(from.x + t * (to.x - from.x), -6.0f, from.z + t * (to.z - from.z));
      f.yaw[g] = std::atan2(-(to.z - from.z), to.x - from.x) * 57.29578f;
    }
  }
  return frames;
}

// rules: 0 classic, 1 stealth; near: 0 the guards anywhere on their patrols, 1 near the
// player and facing him.
void BM_GuardSight(benchmark::State& state) {
  startGameInPlay(static_cast<Rules>(state.range(0)));
  const std::vector<SightFrame> frames = sightFrames(state.range(1) == 1);
  Guard* guards[2] = {guard1, guard2};
  std::size_t i = 0;
  long seen = 0;
  for (auto _ : state) {
    const SightFrame& f = frames[i++ % frames.size()];
    camera->position = f.player;
    for (int g = 0; g < 2; ++g) {
      guards[g]->position = f.guard[g];
      guards[g]->angle = f.yaw[g];
    }
    seen += noticePlayer();
    benchmark::DoNotOptimize(seen);
  }
  state.counters["seen/frame"] = benchmark::Counter(static_cast<double>(seen) /
                                                     static_cast<double>(state.iterations()));
  playRules = RuleSet();
}
BENCHMARK(BM_GuardSight)->ArgNames({"stealth", "near"})->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1});

// ---- The collision alone: the first n triangles of the level (repeated past its end) ----

// A player just inside the hall's front wall (z = 0) and the floor-level trims of the corridor:
// he straddles the planes of every triangle of that wall, as a player walking along it does.
const Vector3 nearWall(250.0f, 1.0f, 2.0f);

void BM_CollideWithTriangles(benchmark::State& state) {
  const Level& level = realLevel();
  const std::size_t wanted = static_cast<std::size_t>(state.range(0)) * 3;
  std::vector<Vector3> list;
  list.reserve(wanted);
  while (list.size() < wanted) {
    const std::size_t take = std::min(wanted - list.size(), level.triangles.size());
    list.insert(list.end(), level.triangles.begin(), level.triangles.begin() + take);
  }
  Camera player(nearWall.x, nearWall.y, nearWall.z, nearWall.x + 100.0f, nearWall.y, nearWall.z,
                0.0f, 1.0f, 0.0f);
  for (auto _ : state) {
    player.position = nearWall;
    player.collideWithTriangles(list.data(), static_cast<std::int32_t>(list.size()));
    benchmark::DoNotOptimize(player.position);
  }
  state.SetComplexityN(state.range(0));
  state.counters["per-triangle"] = benchmark::Counter(
      static_cast<double>(state.range(0)) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CollideWithTriangles)->RangeMultiplier(4)->Range(64, 16384)->Complexity(benchmark::oN);

}  // namespace
