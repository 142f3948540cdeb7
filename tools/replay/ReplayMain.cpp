// vaultrun-replay: opens the display as the game does, puts the game on a virtual clock and
// runs frames at a fixed virtual step, delivering a timeline's input events through the
// same callbacks GLUT calls. Each frame: the events due by the frame's time, idle, display.
// Ends with the frame count, the real time per frame, the state digest chained over every
// frame and the game's state.
//
//   vaultrun-replay [--step-ms MS] TIMELINE
//
// Run it from the folder that holds data/. See Timeline.h for the timeline format.
#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Screenshot.h"
#include "Timeline.h"
#include "VirtualPad.h"
#include "app/Display.h"
#include "app/Focus.h"
#include "app/Idle.h"
#include "app/Startup.h"
#include "app/StateReport.h"
#include "game/GameState.h"
#include "game/Rules.h"
#include "game/StateDigest.h"
#include "geometry/MuseumPlan.h"
#include "input/FunctionKeys.h"
#include "input/Gamepad.h"
#include "input/HeldKeys.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "platform/Swap.h"

namespace {

// The replay moves no real pointer; it remembers the last warp for the report.
int lastWarpX = -1, lastWarpY = -1;
void recordWarp(int x, int y) {
  lastWarpX = x;
  lastWarpY = y;
}

void noDisplay() {}

// Screenshots wanted in the frame being drawn; taken from the back buffer before its swap.
std::vector<std::string> pendingScreenshots;
void takePendingScreenshots() {
  for (const std::string& path : pendingScreenshots) {
    if (!saveScreenshot(path, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT))) {
      std::fprintf(stderr, "Error: cannot write the screenshot %s\n", path.c_str());
    }
  }
  pendingScreenshots.clear();
}

// The state report now, every line prefixed with "<label>.".
void printReport(const std::string& label) {
  const std::string report = gameStateReport();
  std::size_t start = 0;
  while (start < report.size()) {
    const std::size_t end = report.find('\n', start);
    std::printf("%s.%s\n", label.c_str(), report.substr(start, end - start).c_str());
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

// The player's eye put at (x, z), looking at a point, in the room the plan puts the place in
// (a doorway keeps the room he had): a scenario starts where it needs the player.
void placePlayer(const double* place) {
  if (camera == nullptr) return;
  camera->position.x = static_cast<float>(place[0]);
  camera->position.z = static_cast<float>(place[1]);
  const Vector3 target(static_cast<float>(place[2]), static_cast<float>(place[3]),
                       static_cast<float>(place[4]));
  camera->view = camera->position + normalized(target - camera->position);
  const museum::RoomMask rooms = museum::roomsAround(camera->position.x, camera->position.z, 0.0f);
  for (int room = 0; room < museum::roomCount; ++room) {
    if ((rooms & (1u << room)) == 0) continue;
    heist.currentRoom = static_cast<std::int16_t>(room + 1);
    break;
  }
}

void deliver(const TimelineEvent& event) {
  switch (event.kind) {
    case TimelineEvent::KeyDown: keyboardDown(static_cast<unsigned char>(event.code), 0, 0); break;
    case TimelineEvent::KeyUp: keyboardUp(static_cast<unsigned char>(event.code), 0, 0); break;
    case TimelineEvent::Motion: mousePassiveMotion(event.x, event.y); break;
    case TimelineEvent::Drag: mouseMotion(event.x, event.y); break;
    case TimelineEvent::SpecialDown: specialDown(event.code, 0, 0); break;
    case TimelineEvent::SpecialUp: specialUp(event.code, 0, 0); break;
    case TimelineEvent::Button: mouseButton(event.code, event.state, event.x, event.y); break;
    case TimelineEvent::FocusOut: keyboardLost(); break;
    case TimelineEvent::Resize: reshape(event.x, event.y); break;
    case TimelineEvent::PadAttach: {
      std::string error;
      if (!virtualpad::attach(error)) std::fprintf(stderr, "Error: no virtual pad: %s\n", error.c_str());
      break;
    }
    case TimelineEvent::PadDetach: virtualpad::detach(); break;
    case TimelineEvent::PadButton: virtualpad::setButton(event.code, event.state == 1); break;
    case TimelineEvent::PadAxis: virtualpad::setAxis(event.code, event.value); break;
    case TimelineEvent::Report: printReport(event.path); break;
    case TimelineEvent::Rules: chooseRules(static_cast<Rules>(event.code)); break;
    case TimelineEvent::Difficulty: chooseDifficulty(static_cast<Difficulty>(event.code)); break;
    case TimelineEvent::Meter: showVisibilityMeter(event.code == 1); break;
    case TimelineEvent::Place: placePlayer(event.place); break;
    case TimelineEvent::Screenshot:
    case TimelineEvent::Step:
    case TimelineEvent::End: break;
  }
}

double percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const std::size_t index = static_cast<std::size_t>(
      std::min<double>(values.size() - 1, std::ceil(fraction * values.size()) - 1));
  return values[index];
}

int usage() {
  std::fprintf(stderr, "usage: vaultrun-replay [--step-ms MS] TIMELINE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  double stepMs = 1000.0 / 60.0;
  std::string timelinePath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--step-ms" && i + 1 < argc) {
      stepMs = std::atof(argv[++i]);
    } else if (!arg.empty() && arg[0] != '-' && timelinePath.empty()) {
      timelinePath = arg;
    } else {
      return usage();
    }
  }
  if (timelinePath.empty() || !(stepMs > 0.0)) return usage();

  std::vector<TimelineEvent> events;
  std::string error;
  if (!readTimeline(timelinePath, events, error)) {
    std::fprintf(stderr, "Error: %s\n", error.c_str());
    return 1;
  }

  platform::useVirtualClock(0);
  platform::setWarpHook(recordWarp);
  platform::setBeforeSwapHook(takePendingScreenshots);
  char* gameArgv[] = {argv[0], nullptr};
  const int status = startupBeforeMainLoop(1, gameArgv);
  if (status != 0) return status;
  glutReshapeFunc(reshape);
  glutDisplayFunc(noDisplay);
  reshape(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));

  const double endMs = events.empty() ? 0.0 : events.back().timeMs;
  std::uint64_t stepMicros = static_cast<std::uint64_t>(std::llround(stepMs * 1000.0));
  std::size_t next = 0;
  std::vector<double> frameTimes;
  std::uint64_t digest = 0;  // chained over every frame played
  bool ended = false;
  // The frames fall on multiples of the step until a step event changes it.
  for (std::uint64_t nowMicros = 0; !ended; nowMicros += stepMicros) {
    platform::setVirtualClockMicros(nowMicros);
    const double nowMs = nowMicros / 1000.0;
    const auto start = std::chrono::steady_clock::now();
    glutMainLoopEvent();
    while (next < events.size() && events[next].timeMs <= nowMs) {
      const TimelineEvent& event = events[next++];
      deliver(event);
      if (event.kind == TimelineEvent::Screenshot) pendingScreenshots.push_back(event.path);
      if (event.kind == TimelineEvent::End) ended = true;
      if (event.kind == TimelineEvent::Step) stepMicros = event.code * 1000u;
    }
    idle();
    display();
    glFinish();
    digest = stateDigest(digest, walkingForward(), walkingSideways());
    frameTimes.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    if (next >= events.size() && nowMs >= endMs) ended = true;
  }

  std::printf("replay.frames %zu\n", frameTimes.size());
  std::printf("replay.frame-ms median %.3f p99 %.3f\n", percentile(frameTimes, 0.5),
              percentile(frameTimes, 0.99));
  std::printf("replay.last-warp %d %d\n", lastWarpX, lastWarpY);
  std::printf("replay.digest %016llx\n", static_cast<unsigned long long>(digest));
  std::printf("%s", gameStateReport().c_str());
  std::fflush(stdout);
  return 0;
}
