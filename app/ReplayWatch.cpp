// The replay watch: the game on a virtual clock that the recorded readings drive, each
// recorded event fed to the callback that took it, each recorded frame's rules run, and the
// picture drawn as often as the display asks. Only the watch's own keys reach it.
#include "app/ReplayWatch.h"

#include <GL/freeglut.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <cinttypes>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/Display.h"
#include "app/OptionsPage.h"
#include "input/KeyBindings.h"
#include "input/PadBindings.h"
#include "app/Focus.h"
#include "app/GameOptions.h"
#include "app/Idle.h"
#include "app/Shutdown.h"
#include "app/Startup.h"
#include "audio/Siren.h"
#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/Rules.h"
#include "game/Screen.h"
#include "input/FunctionKeys.h"
#include "input/Gamepad.h"
#include "input/HeldKeys.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"
#include "platform/Clock.h"
#include "platform/Pointer.h"
#include "platform/RegularFile.h"
#include "platform/Screen.h"
#include "platform/Signals.h"
#include "platform/Swap.h"
#include "platform/Window.h"
#include "render/Frame.h"
#include "render/GlyphText.h"
#include "render/Overlay.h"

namespace {

using RealClock = std::chrono::steady_clock;

// ---- The watch, live from watchReplay to the end of the program ----
ReplayFile watched;
ReplayBodyReader* reader = nullptr;
ReplayRecord pending;            // the next record, not yet played
bool pendingValid = false;
bool bodyEnded = false;          // every record played
double watchedMs = 0.0;          // recorded time played so far, from the new game
RealClock::time_point lastReal;  // the real time of the last picture
bool firstPicture = true;
int speed = 1;                   // 1, 2 or 4 recorded frames' time per frame's time
bool watchPaused = false;
bool leaving = false;
ReplayPadState watchedPad;       // the pads' reading as the last pad record left it
bool padActedThisFrame = false;  // a pad record of the coming frame was acted on already
int recordedWidth = 0;           // the window as the recording had it at this point: the
int recordedHeight = 0;          // game measures mouse look and lays out by it

void noWarp(int, int) {}

void heldNow(std::int32_t& forward, std::int32_t& sideways) {
  forward = forwardDirection;
  sideways = strafeDirection;
}

void setClock(std::uint32_t ms) {
  platform::setVirtualClockMicros(static_cast<std::uint64_t>(ms) * 1000u);
}

// The game's window size is the recorded one, whatever the watcher's window measures.
void holdRecordedWindowSize() {
  platform::setWindowSize(recordedWidth, recordedHeight);
  if (camera != nullptr) camera->setScreenSize(recordedWidth, recordedHeight);
  screenWidth = static_cast<std::int16_t>(recordedWidth);
  screenHeight = static_cast<std::int16_t>(recordedHeight);
}

// A window record: the game takes the size at once, at the same point among the records as
// in play, and the watcher's window is asked for it too (the picture follows its reshape).
void takeRecordedWindowSize(int width, int height) {
  recordedWidth = width;
  recordedHeight = height;
  platform::resizeWindow(width, height);
  holdRecordedWindowSize();
}

// The watcher's window took a size: the picture fills it, the game keeps the recorded one.
void watchReshape(int width, int height) {
  reshape(width, height);
  holdRecordedWindowSize();
}

// The end of a heist cut short by the game's end: noted where the recording stopped, then
// the heist is left for the menu, as Esc from play leaves it.
void endCutShortHeist() {
  if (watched.header.outcome != "quit" || watchedEnd.ended) return;
  endHeistRecording("quit");
  leaveHeistForMenu();
}

void deliver(const ReplayRecord& r) {
  switch (r.kind) {
    case ReplayRecordKind::NewGame: keyboardDown(13, 0, 0); break;
    case ReplayRecordKind::KeyDown: keyboardDown(static_cast<unsigned char>(r.code), 0, 0); break;
    case ReplayRecordKind::KeyUp: keyboardUp(static_cast<unsigned char>(r.code), 0, 0); break;
    case ReplayRecordKind::SpecialDown: specialDown(r.code, 0, 0); break;
    case ReplayRecordKind::SpecialUp: specialUp(r.code, 0, 0); break;
    case ReplayRecordKind::Button: mouseButton(r.code, r.state, r.x, r.y); break;
    case ReplayRecordKind::Motion: mousePassiveMotion(r.x, r.y); break;
    case ReplayRecordKind::Drag: mouseMotion(r.x, r.y); break;
    case ReplayRecordKind::FocusLost: keyboardLost(); break;
    case ReplayRecordKind::Pad:
      // Recorded in the frame's display before its frame record, at the same reading.
      watchedPad = r.pad;
      platform::holdClockReading();
      replayGamepads(watchedPad);
      platform::releaseClockReading();
      padActedThisFrame = true;
      break;
    case ReplayRecordKind::Frame:
      platform::holdClockReading();
      if (!padActedThisFrame) replayGamepads(watchedPad);
      padActedThisFrame = false;
      runFrame(walkingForward(), walkingSideways());
      platform::releaseClockReading();
      break;
    case ReplayRecordKind::Window: takeRecordedWindowSize(r.x, r.y); break;
    case ReplayRecordKind::End: endCutShortHeist(); break;
  }
}

// The end, in lines the tests read, and one line more when it is not the recorded end.
void reportEnd() {
  const ReplayHeader& h = watched.header;
  const std::string outcome = watchedEnd.ended ? watchedEnd.outcome : "unfinished";
  std::printf("replay.outcome %s\nreplay.score %" PRId32 "\nreplay.digest %016" PRIx64 "\n",
              outcome.c_str(), watchedEnd.score, watchedEnd.digest);
  if (outcome != h.outcome || watchedEnd.score != h.score || watchedEnd.digest != h.digest) {
    std::printf("This replay played differently from the heist it recorded: it ended %s with "
                "score %" PRId32 " and digest %016" PRIx64 ", the heist %s with score %" PRId32
                " and digest %016" PRIx64 ".\n",
                outcome.c_str(), watchedEnd.score, watchedEnd.digest, h.outcome.c_str(), h.score,
                h.digest);
  }
  std::fflush(stdout);
}

// Plays every record up to `untilMs` of recorded time; true when a frame's rules ran.
bool playUntil(double untilMs) {
  bool ranFrame = false;
  std::string problem;
  while (!bodyEnded) {
    // parseReplayFile walked the body: next is false only at its end record, which it fills.
    if (!pendingValid) {
      reader->next(pending, problem);
      pendingValid = true;
    }
    if (pending.clockMs - watched.header.startClockMs > untilMs) break;
    setClock(pending.clockMs);
    deliver(pending);
    ranFrame = ranFrame || pending.kind == ReplayRecordKind::Frame;
    pendingValid = false;
    if (pending.kind == ReplayRecordKind::End) {
      bodyEnded = true;
      reportEnd();
    }
  }
  return ranFrame;
}

// "REPLAY 4x" (and "paused") in the top corner, so a watched heist is never taken for play.
void drawCaption() {
  if (!glyphAtlasesLoaded()) return;
  static const float colour[3] = {1.0f, 0.85f, 0.2f};
  char text[48];
  std::snprintf(text, sizeof text, "REPLAY %dx%s", speed, watchPaused ? "  paused" : "");
  const float width = glyphTextWidth(TextFace::Sans, 0.6f, text);
  glPushAttrib(GL_ENABLE_BIT);
  glDisable(GL_DEPTH_TEST);
  beginOverlay(0, 0, platform::windowWidth(), platform::windowHeight());
  drawGlyphText(TextFace::Sans, static_cast<float>(platform::windowWidth()) - width - 16.0f,
                28.0f, 0.6f, colour, text);
  endOverlay();
  glPopAttrib();
}

// The display callback while watching: the recorded time the real time since the last
// picture covers (times the speed), then the picture.
void watchFrame() {
  const RealClock::time_point now = RealClock::now();
  if (firstPicture) {
    lastReal = now;
    firstPicture = false;
  }
  if (!watchPaused) {
    watchedMs += std::chrono::duration<double, std::milli>(now - lastReal).count() * speed;
  }
  lastReal = now;
  playUntil(watchedMs);
  platform::holdClockReading();
  drawFrame();
  platform::releaseClockReading();
  drawCaption();
  updateSiren();
  platform::swapBuffers();
}

void leaveWatch() {
  if (leaving) return;
  leaving = true;
  quitGame();
}

void markLeaving() {
  leaving = true;
}

void watchKey(unsigned char key, int, int) {
  switch (key) {
    case 'p': watchPaused = !watchPaused; break;
    case '1': speed = 1; break;
    case '2': speed = 2; break;
    case '4': speed = 4; break;
    case 27: leaveWatch(); break;
    default: break;
  }
}

void ignoreKey(unsigned char, int, int) {}
void ignoreSpecial(int, int, int) {}
void ignoreButton(int, int, int, int) {}
void ignoreMotion(int, int) {}

void registerWatchCallbacks() {
  glutReshapeFunc(watchReshape);
  glutMouseFunc(ignoreButton);
  glutMotionFunc(ignoreMotion);
  glutPassiveMotionFunc(ignoreMotion);
  glutKeyboardFunc(watchKey);
  glutKeyboardUpFunc(ignoreKey);
  glutSpecialFunc(ignoreSpecial);
  glutSpecialUpFunc(ignoreSpecial);
  glutDisplayFunc(watchFrame);
  glutIdleFunc(idle);
  glutCloseFunc(leaveWatch);
  std::atexit(markLeaving);
  platform::startupOver();
}

// Reads and checks the whole file; false after the one line that says why.
bool readWatchedFile(const std::string& path) {
  std::string bytes, problem;
  if (!platform::readRegularFile(path, replayFileMaxBytes, bytes, problem) ||
      !parseReplayFile(bytes, watched, problem)) {
    std::printf("Error: cannot watch %s: %s.\n", path.c_str(), problem.c_str());
    std::fflush(stdout);
    return false;
  }
  if (watched.header.gameVersion != recordedOptions.gameVersion) {
    std::printf("%s was recorded by version %s of the game; this is %s, and it may play "
                "differently.\n",
                path.c_str(), watched.header.gameVersion.c_str(),
                recordedOptions.gameVersion.c_str());
  }
  return true;
}

// The game as it stood just before the recorded new game: the recorded rules and options,
// the last frame's reading (the first frame's interval counts from it) and the keys held.
void setUpBeforeHeist() {
  const ReplayHeader& h = watched.header;
  // The file's reader took only these words.
  Rules rules = Rules::Classic;
  Difficulty difficulty = Difficulty::Normal;
  readRulesWord(h.rules, rules);
  readDifficultyWord(h.difficulty, difficulty);
  // The options as recorded, where the game reads them (the options page a heist may open
  // starts from these too); the watcher's own sound and looks stay his.
  GameOptions& o = gameOptions;
  o.play.rules = rules;
  o.play.difficulty = difficulty;
  o.mouseSensitivity = h.mouseSensitivity;
  o.invertMouse = h.invertMouse;
  o.fieldOfView = h.fieldOfView;
  o.pad.turnSpeed = h.padTurnSpeed;
  o.pad.inverted = h.invertPad;
  o.pad.deadZone = h.padDeadZone;
  o.pad.swapSticks = h.swapPadSticks;
  for (int slot = 0; slot < replayKeySlots; ++slot) {
    o.keys.keys[slot / keysPerAction][slot % keysPerAction] = h.keys[slot];
  }
  for (int action = 0; action < replayPadPlayActions; ++action) {
    o.padKeys.control[action] = static_cast<PadControl>(h.padKeys[action]);
  }
  applyGameOptions();
  setClock(h.previousFrameMs);
  if (camera != nullptr) camera->updateFrameTime();
  forwardDirection = h.heldForward;
  strafeDirection = h.heldSideways;
  watchedPad = h.padAtStart;
  resumeRecordedGamepads(h.padAtStart, h.previousFrameMs);
  recordedWidth = h.windowWidth;
  recordedHeight = h.windowHeight;
  holdRecordedWindowSize();
}

}  // namespace

static_assert(replayKeySlots == keyActionCount * keysPerAction, "the header keeps every key");
static_assert(replayPadPlayActions == padPlayActionCount, "and every control of play");
static_assert(padControlCount <= replayPadControls, "of the pad's controls");

void noteRecordedOptions() {
  recordedOptions.mouseSensitivity = gameOptions.mouseSensitivity;
  recordedOptions.invertMouse = gameOptions.invertMouse;
  recordedOptions.fieldOfView = gameOptions.fieldOfView;
  recordedOptions.padTurnSpeed = padOptions.turnSpeed;
  recordedOptions.invertPad = padOptions.inverted;
  recordedOptions.padDeadZone = padOptions.deadZone;
  recordedOptions.swapPadSticks = padOptions.swapSticks;
  for (int slot = 0; slot < replayKeySlots; ++slot) {
    recordedOptions.keys[slot] =
        static_cast<std::int16_t>(keyBindings.keys[slot / keysPerAction][slot % keysPerAction]);
  }
  for (int action = 0; action < replayPadPlayActions; ++action) {
    recordedOptions.padKeys[action] = static_cast<std::uint8_t>(padBindings.control[action]);
  }
}

void prepareHeistRecording() {
  noteRecordedOptions();
  const std::string version = versionLine();
  recordedOptions.gameVersion = version.substr(version.find(' ') + 1);
  readHeldDirections = heldNow;
  recordGamepads();
}

int watchReplay(const std::string& path, int startSpeed) {
  prepareHeistRecording();
  if (!readWatchedFile(path)) return 1;
  speed = startSpeed;
  watchingReplay = true;
  watchedHeader = watched.header;
  platform::catchTerminationSignals();
  platform::useVirtualClock(static_cast<std::uint64_t>(watched.header.previousFrameMs) * 1000u);
  // The recorded mouse look warps the pointer; the watcher's pointer stays where it is.
  platform::setWarpHook(noWarp);
  commandLine.windowed = true;
  commandLine.windowWidth = watched.header.windowWidth;
  commandLine.windowHeight = watched.header.windowHeight;
  std::vector<char*> toolkitArgv;
  for (std::string& arg : commandLine.toolkitArgs) toolkitArgv.push_back(&arg[0]);
  toolkitArgv.push_back(nullptr);
  const int status =
      startupBeforeMainLoop(static_cast<int>(toolkitArgv.size()) - 1, toolkitArgv.data());
  if (status != 0) return status;
  keepSettingsFileUnwritten();
  platform::showPointer();
  setUpBeforeHeist();
  static ReplayBodyReader bodyReader(watched);
  reader = &bodyReader;
  registerWatchCallbacks();
  glutMainLoop();
  leaveWatch();
  return 0;
}

void watchInAWindowOfItsOwn(const std::string& path) {
  // The watcher ends by itself; nobody waits for it, so the system reaps it.
  std::signal(SIGCHLD, SIG_IGN);
  char program[] = "vaultrun";
  char replayOption[] = "--replay";
  std::string file = path;
  char* const argv[] = {program, replayOption, &file[0], nullptr};
  pid_t child = 0;
  const int error = posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, environ);
  if (error != 0) {
    std::printf("The heist cannot be watched: %s.\n", std::strerror(error));
  } else {
    std::printf("Watching %s in a window of its own.\n", path.c_str());
  }
  std::fflush(stdout);
}
