// vaultrun-timedemo: how fast the game runs. Times the real game binary's start-up, then plays
// a fixed route through the museum in this process with the game's own start-up, callbacks
// and frame, one fixed virtual step (1/60 s) a frame and no frame cap, each frame finished
// with glFinish after its swap. Then the same number of floor frames (clear, HUD, swap: what
// any frame costs at all) and of layer frames (clear, one lit and textured quad over the whole
// view, HUD, swap: every pixel shaded once). Prints one summary line.
//
//   vaultrun-timedemo [--short] [--frames N] [--warmup N] [--startup-runs N] [--csv FILE]
//                     [--trace] [--shots DIR] [--game PATH] [--probe PATH] [--size WxH]
//                     [--digest]
//
// --digest adds a line with the game's state digest chained over every frame of the route:
// two builds that print the same line played the route the same way.
// Run it from the folder that holds data/, under an X server (xvfb-run at 1024x768 for the
// figures in the README; a screen at least as large as --size) and with SDL_AUDIODRIVER=dummy.
#include <GL/freeglut.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "FrameStats.h"
#include "LayerFrame.h"
#include "Route.h"
#include "Screenshot.h"
#include "StartupTime.h"
#include "app/Display.h"
#include "app/Idle.h"
#include "app/Startup.h"
#include "game/StateDigest.h"
#include "input/HeldKeys.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "platform/Swap.h"
#include "platform/VSync.h"
#include "render/Hud.h"

namespace {

struct Options {
  long maxFrames = -1;   // -1: the whole route
  int warmup = 5;        // frames dropped from the start of each measurement
  int startupRuns = 3;   // the median is reported
  std::string csvPath;
  std::string shotsDir;
  bool trace = false;
  bool digest = false;
  std::string game = VAULTRUN_GAME_BINARY;
  std::string probe = VAULTRUN_PROBE_LIBRARY;
  int width = 0, height = 0;  // --size: the window's size; 0 keeps the full-screen window
};

constexpr std::uint64_t stepMicros = 16667;  // 1/60 s of virtual time a frame
constexpr long shortRouteFrames = 240;
constexpr double shotEveryMs = 5000.0;

int usage() {
  std::fprintf(stderr,
               "usage: vaultrun-timedemo [--short] [--frames N] [--warmup N] [--startup-runs N] "
               "[--csv FILE] [--trace] [--shots DIR] [--game PATH] [--probe PATH] "
               "[--size WxH] [--digest]\n");
  return 2;
}

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--short") {
      options.maxFrames = shortRouteFrames;
    } else if (arg == "--trace") {
      options.trace = true;
    } else if (arg == "--digest") {
      options.digest = true;
    } else if (arg == "--frames" && hasValue) {
      options.maxFrames = std::atol(argv[++i]);
    } else if (arg == "--warmup" && hasValue) {
      options.warmup = std::max(0, std::atoi(argv[++i]));
    } else if (arg == "--startup-runs" && hasValue) {
      options.startupRuns = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--csv" && hasValue) {
      options.csvPath = argv[++i];
    } else if (arg == "--shots" && hasValue) {
      options.shotsDir = argv[++i];
    } else if (arg == "--game" && hasValue) {
      options.game = argv[++i];
    } else if (arg == "--probe" && hasValue) {
      options.probe = argv[++i];
    } else if (arg == "--size" && hasValue) {
      if (std::sscanf(argv[++i], "%dx%d", &options.width, &options.height) != 2 ||
          options.width < 64 || options.height < 64) {
        return false;
      }
    } else {
      return false;
    }
  }
  return options.maxFrames != 0;
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// CPU time of the whole process (the game's thread and the renderer's), in milliseconds: on a
// machine shared with other work it shows what a frame costs, whatever else ran meanwhile.
double processCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Every frame's real and CPU time.
struct FrameTimes {
  std::vector<double> real;
  std::vector<double> cpu;
  void add(std::chrono::steady_clock::time_point start, double cpuStart) {
    real.push_back(millisecondsSince(start));
    cpu.push_back(processCpuMs() - cpuStart);
  }
};

// ---- The timedemo leaves the real pointer alone and takes screenshots before a swap ----
void noWarp(int, int) {}
void noDisplay() {}

std::string pendingShot;
void takePendingShot() {
  if (pendingShot.empty()) return;
  if (!saveScreenshot(pendingShot, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT))) {
    std::fprintf(stderr, "Error: cannot write the screenshot %s\n", pendingShot.c_str());
  }
  pendingShot.clear();
}

// The game's own start-up in this process, on the virtual clock, with vertical sync off.
bool startGameHere(const char* programName) {
  platform::useVirtualClock(0);
  platform::setWarpHook(noWarp);
  platform::setBeforeSwapHook(takePendingShot);
  char* gameArgv[] = {const_cast<char*>(programName), nullptr};
  if (startupBeforeMainLoop(1, gameArgv) != 0) return false;
  platform::setSwapInterval(0);
  glutReshapeFunc(reshape);
  glutDisplayFunc(noDisplay);
  reshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
  return true;
}

// The window at the asked size, once the X server has carried the change out (at most 2 s).
bool resizeWindow(int width, int height) {
  glutReshapeWindow(width, height);
  for (int i = 0; i < 200; ++i) {
    glutMainLoopEvent();
    if (glutGet(GLUT_WINDOW_WIDTH) == width && glutGet(GLUT_WINDOW_HEIGHT) == height) {
      reshape(width, height);
      return true;
    }
    usleep(10000);
  }
  return false;
}

// Frames of the route: the route's input, idle, display, glFinish; the state digest after each.
FrameTimes playRoute(RouteDriver& driver, const Options& options, std::uint64_t& digest) {
  FrameTimes times;
  double nextShotMs = 0.0;
  for (std::uint64_t frame = 0;; ++frame) {
    if (driver.finished()) break;
    if (options.maxFrames > 0 && static_cast<long>(frame) >= options.maxFrames) break;
    const std::uint64_t nowMicros = frame * stepMicros;
    const double nowMs = static_cast<double>(nowMicros) / 1000.0;
    platform::setVirtualClockMicros(nowMicros);
    if (!options.shotsDir.empty() && nowMs >= nextShotMs) {
      char name[64];
      std::snprintf(name, sizeof name, "/route-%06.1f.png", nowMs / 1000.0);
      pendingShot = options.shotsDir + name;
      nextShotMs += shotEveryMs;
    }
    const double cpuStart = processCpuMs();
    const auto start = std::chrono::steady_clock::now();
    glutMainLoopEvent();
    driver.deliverInput(nowMs);
    idle();
    display();
    glFinish();
    times.add(start, cpuStart);
    if (options.digest) digest = stateDigest(digest, forwardDirection, strafeDirection);
    if (options.trace && frame % 60 == 0) driver.trace(nowMs, stderr);
  }
  return times;
}

// What every frame costs at all: clear, the HUD, swap.
void drawFloorFrame() {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  drawHud();
  platform::swapBuffers();
}

// Frames of one kind (floor or layer), each ended with glFinish.
FrameTimes playFixedFrames(void (*drawFrame)(), std::size_t frames, std::uint64_t firstFrame) {
  FrameTimes times;
  for (std::size_t i = 0; i < frames; ++i) {
    platform::setVirtualClockMicros((firstFrame + i) * stepMicros);
    const double cpuStart = processCpuMs();
    const auto start = std::chrono::steady_clock::now();
    drawFrame();
    glFinish();
    times.add(start, cpuStart);
  }
  return times;
}

std::vector<double> withoutWarmup(const std::vector<double>& times, int warmup) {
  const std::size_t drop = std::min(times.size(), static_cast<std::size_t>(warmup));
  return std::vector<double>(times.begin() + static_cast<long>(drop), times.end());
}

// A line of /proc/self/status as a number ("Threads:", "VmHWM:"); -1 when missing.
long processStatus(const char* field) {
  FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return -1;
  char line[256];
  long value = -1;
  const std::size_t length = std::strlen(field);
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::strncmp(line, field, length) == 0) value = std::strtol(line + length, nullptr, 10);
  }
  std::fclose(status);
  return value;
}

// One row a frame: its number, then real and CPU milliseconds of the route, the floor and
// the layer.
bool writeCsv(const std::string& path, const FrameTimes& route, const FrameTimes& floor,
              const FrameTimes& layer) {
  FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return false;
  std::fprintf(file, "frame,route_ms,route_cpu_ms,floor_ms,floor_cpu_ms,layer_ms,layer_cpu_ms\n");
  for (std::size_t i = 0; i < route.real.size(); ++i) {
    std::fprintf(file, "%zu", i);
    for (const FrameTimes* times : {&route, &floor, &layer}) {
      if (i < times->real.size()) {
        std::fprintf(file, ",%.4f,%.4f", times->real[i], times->cpu[i]);
      } else {
        std::fprintf(file, ",,");
      }
    }
    std::fprintf(file, "\n");
  }
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) return usage();

  // The real binary first, each run on its own: the median start-up.
  std::vector<double> startups;
  double gamePeakMb = 0.0;
  for (int run = 0; run < options.startupRuns; ++run) {
    const StartupTime startup = measureStartup(options.game, options.probe);
    if (!startup.error.empty()) {
      std::fprintf(stderr, "Error: %s\n", startup.error.c_str());
      return 1;
    }
    startups.push_back(startup.ms);
    gamePeakMb = std::max(gamePeakMb, startup.peakMb);
    if (options.trace) {
      std::fprintf(stderr, "start-up %.0f ms, %.0f ms of CPU, peak %.0f MB\n", startup.ms,
                   startup.cpuMs, startup.peakMb);
    }
  }

  // The game's own lines (loading, errors) go to standard error: the summary stays the only
  // line on standard output.
  std::fflush(stdout);
  FILE* const summaryOut = fdopen(dup(STDOUT_FILENO), "w");
  if (summaryOut == nullptr || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
    std::fprintf(stderr, "Error: cannot set the game's standard output aside\n");
    return 1;
  }
  if (!startGameHere(argv[0])) return 1;
  if (options.width > 0 && !resizeWindow(options.width, options.height)) {
    std::fprintf(stderr, "Error: the window cannot be made %dx%d (is the screen that large?)\n",
                 options.width, options.height);
    return 1;
  }

  RouteDriver driver(museumRoute());
  std::uint64_t digest = 0;
  const FrameTimes routeTimes = playRoute(driver, options, digest);
  TimedemoSummary summary;
  summary.threads = static_cast<int>(processStatus("Threads:"));
  const std::size_t frames = routeTimes.real.size();
  const FrameTimes floorTimes = playFixedFrames(drawFloorFrame, frames, frames);
  if (!options.shotsDir.empty()) pendingShot = options.shotsDir + "/layer.png";
  const FrameTimes layerTimes = playFixedFrames(drawLayerFrame, frames, 2 * frames);
  summary.routeMs = withoutWarmup(routeTimes.real, options.warmup);
  summary.floorMs = withoutWarmup(floorTimes.real, options.warmup);
  summary.layerMs = withoutWarmup(layerTimes.real, options.warmup);
  summary.startupMs = percentile(startups, 0.5);
  summary.peakMegabytes =
      std::max(gamePeakMb, static_cast<double>(processStatus("VmHWM:")) / 1024.0);
  const GLubyte* renderer = glGetString(GL_RENDERER);
  summary.renderer = renderer != nullptr ? reinterpret_cast<const char*>(renderer) : "unknown";

  if (options.maxFrames < 0) {
    const std::string shortcomings = driver.shortcomings();
    if (!shortcomings.empty()) std::fprintf(stderr, "route:\n%s", shortcomings.c_str());
  }
  if (!options.csvPath.empty() && !writeCsv(options.csvPath, routeTimes, floorTimes, layerTimes)) {
    std::fprintf(stderr, "Error: cannot write %s\n", options.csvPath.c_str());
  }
  std::fprintf(summaryOut, "%s\n", summaryLine(summary).c_str());
  if (options.digest) {
    std::fprintf(summaryOut, "state digest %016llx over %zu frames\n",
                 static_cast<unsigned long long>(digest), frames);
  }
  std::fflush(summaryOut);
  return 0;
}
