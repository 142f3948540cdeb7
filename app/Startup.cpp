// The game's start-up sequence and the reshape callback.
#include "app/Startup.h"

#include <X11/Xlib.h>
#include <malloc.h>

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/DesktopSession.h"
#include "app/Display.h"
#include "app/Focus.h"
#include "app/GameOptions.h"
#include "app/Idle.h"
#include "app/OptionsPage.h"
#include "app/ReplayWatch.h"
#include "app/SettingsPath.h"
#include "app/Shutdown.h"
#include "assets/Textures.h"
#include "audio/GameSounds.h"
#include "audio/Sound.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/MenuPage.h"
#include "game/Rules.h"
#include "game/Screen.h"
#include "game/World.h"
#include "input/FunctionKeys.h"
#include "input/Gamepad.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"
#include "platform/Pointer.h"
#include "platform/Screen.h"
#include "platform/Signals.h"
#include "platform/VSync.h"
#include "render/Scene.h"

std::int16_t screenWidth = 0;
std::int16_t screenHeight = 0;
CommandLine commandLine;

namespace {

constexpr int largeBlockBytes = 128 * 1024;

// Loading passes image files and decoded pictures of up to 3 MB through memory once each.
// The C library would move its threshold for blocks of their own up to their size after the
// first was freed, and the later ones then left holes in the heap that the loaded world sat
// between: a fixed threshold gives every large block back when it is freed.
void keepLargeBlocksApart() {
  mallopt(M_MMAP_THRESHOLD, largeBlockBytes);
}

// Step 1: the loading line.
void writeLoadingLine() {
  std::printf("The Vaultrun is loading - please wait!\n");
  std::fflush(stdout);
}

// The option lines above the mode line: one line on standard output for each bad one, which
// keeps the value before it; then every option goes where it is used.
void readGameOptions(const std::string& contents, const std::string& path) {
  for (const std::string& complaint : parseGameOptions(contents, path, gameOptions)) {
    std::printf("%s\n", complaint.c_str());
  }
  std::fflush(stdout);
  // Every option where it is used, the rules, the difficulty and the meter the heists take
  // up included.
  applyGameOptions();
  // What the options page saves starts from the file read, into the player's own file.
  noteSettingsFile(contents, userSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
}

// The options that switch what the keys also switch (F2, F4, 'm'), once the GL is there.
void applyStartingToggles() {
  fpsShown = gameOptions.fpsLine;
  musicOn = gameOptions.music;
  if (!gameOptions.trilinear) {
    trilinearFiltering = false;
    applyMinificationFilterToAll(GL_LINEAR_MIPMAP_NEAREST);
  }
}

// Steps 4 to 7: the settings file, the player's own when there is one, read once. Returns
// false after writing the error line.
bool loadScreenSettings(ScreenSettings& settings) {
  std::string notice;
  const std::string path = chooseSettingsPath(notice);
  if (!notice.empty()) std::printf("%s\n", notice.c_str());
  std::string errorLine, contents;
  if (!readSettingsFile(path.c_str(), settings, errorLine, &contents)) {
    std::printf("%s\n", errorLine.c_str());
    std::fflush(stdout);
    return false;
  }
  screenWidth = settings.width;
  screenHeight = settings.height;
  readGameOptions(contents, path);
  prepareHeistRecording();
  return true;
}

// What the display really has, once it is open: its size (the reshape callback keeps it up
// to date) and its refresh rate where the screen mode reports one.
void noteDisplay(const ScreenSettings& settings, int modeRefresh) {
  platform::setWindowSize(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
  platform::setDisplayRefreshRate(modeRefresh > 0 ? modeRefresh : settings.refresh);
}

// --window[=WxH]: a normal, resizable window of that size; the screen mode stays as it is.
void openWindow(const ScreenSettings& settings) {
  glutInitWindowSize(commandLine.windowWidth, commandLine.windowHeight);
  glutCreateWindow("Vaultrun");
  noteDisplay(settings, 0);
}

// Step 9: the game mode, or a full-screen window of the settings' size where the mode
// cannot be set (Xvfb, XWayland).
void openGameDisplay(const ScreenSettings& settings) {
  if (commandLine.windowed) {
    openWindow(settings);
    return;
  }
  // full-screen = no: a window of the mode line's size.
  if (!gameOptions.fullScreen) {
    glutInitWindowSize(settings.width, settings.height);
    glutCreateWindow("Vaultrun");
    noteDisplay(settings, 0);
    return;
  }
  glutGameModeString(settings.modeString.c_str());
  if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE) && glutEnterGameMode() != 0 &&
      glutGameModeGet(GLUT_GAME_MODE_ACTIVE)) {
    noteDisplay(settings, glutGameModeGet(GLUT_GAME_MODE_REFRESH_RATE));
    return;
  }
  std::printf("The screen mode %s cannot be set; using a full-screen window instead.\n",
              settings.modeString.c_str());
  std::fflush(stdout);
  glutInitWindowSize(settings.width, settings.height);
  glutCreateWindow("Vaultrun");
  glutFullScreen();
  noteDisplay(settings, 0);
}

// Set once the game is on its way out: freeglut's own exit handler destroys the window again
// and would call the close callback a second time.
bool leaving = false;

// The window manager closing the window: quit as the menu's quit entry does, from inside the
// toolkit's close callback, while the window and its GL context still exist.
void closeWindow() {
  if (leaving) return;
  leaving = true;
  quitGame();
}

// Registered after glutInit, so it runs before the toolkit's exit handler.
void markLeaving() {
  leaving = true;
}

}  // namespace

int startupBeforeMainLoop(int argc, char** argv) {
  keepLargeBlocksApart();
  writeLoadingLine();
  // Steps 2 and 3: the mixer, then the eleven sounds (silent where a file or the device is
  // missing).
  initSound();
  createSounds();
  startGamepads();
  ScreenSettings settings;
  if (!loadScreenSettings(settings)) {
    return 1;
  }
  platform::endStartupIfTerminationRequested();
  // Without an X display freeglut would end the process from inside glutInit with its own
  // message; ask first, so the player gets one clear line. The probe connection stays open
  // until freeglut has its own: an X server left without clients may reset and refuse the
  // next connection for a moment.
  Display* probe = XOpenDisplay(nullptr);
  if (probe == nullptr) {
    std::printf("Error: cannot open the X display \"%s\"; the game needs a graphical desktop.\n",
                XDisplayName(nullptr));
    std::fflush(stdout);
    return 1;
  }
  glutInit(&argc, argv);
  XCloseDisplay(probe);
  // Closing the window must end the game through its own quit path, not inside freeglut.
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
  glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
  openGameDisplay(settings);
  startDesktopSession();
  // One frame a screen refresh, where the driver can wait for it (the timedemo turns it off).
  platform::setSwapInterval(1);
  glutIgnoreKeyRepeat(1);
  platform::hidePointer();
  quitProgram = quitGame;
  optionsPage = &optionsMenuPage();
  bindingsPage = &keyBindingsPage();
  applyStartingToggles();
  if (musicOn) menuMusic->play();
  platform::endStartupIfTerminationRequested();
  initScene();
  platform::endStartupIfTerminationRequested();
  initWorld();
  platform::endStartupIfTerminationRequested();
  return 0;
}

void registerCallbacks() {
  glutReshapeFunc(reshape);
  glutMouseFunc(mouseButton);
  glutMotionFunc(mouseMotion);
  glutPassiveMotionFunc(mousePassiveMotion);
  glutKeyboardFunc(keyboardDown);
  glutKeyboardUpFunc(keyboardUp);
  glutSpecialFunc(specialDown);
  glutSpecialUpFunc(specialUp);
  glutDisplayFunc(display);
  glutIdleFunc(idle);
  glutCloseFunc(closeWindow);
  std::atexit(markLeaving);
  registerFocusCallbacks();
  // From here a termination signal is the idle update's to handle.
  platform::startupOver();
}

int startGame(int argc, char** argv) {
  std::string error;
  if (!parseCommandLine(argc, argv, commandLine, error)) {
    std::fprintf(stderr, "vaultrun: %s\n%s", error.c_str(), usageText().c_str());
    return 2;
  }
  if (commandLine.help) {
    std::printf("%s", usageText().c_str());
    return 0;
  }
  if (commandLine.version) {
    std::printf("%s\n", versionLine().c_str());
    return 0;
  }
  // Every file is read as data/... relative to the working folder, so --data moves that.
  if (!commandLine.dataFolder.empty() && !enterDataFolder(commandLine.dataFolder, error)) {
    std::printf("Error: %s\n", error.c_str());
    return 1;
  }
  if (!commandLine.replayFile.empty()) {
    return watchReplay(commandLine.replayFile, commandLine.replaySpeed);
  }
  // Ctrl+C, kill and a closed terminal end the game through its shutdown, from the first
  // idle update on; until then the flag waits.
  platform::catchTerminationSignals();
  // GLUT sees only the program name and its own X options.
  std::vector<char*> toolkitArgv;
  for (std::string& arg : commandLine.toolkitArgs) toolkitArgv.push_back(&arg[0]);
  toolkitArgv.push_back(nullptr);
  const int status =
      startupBeforeMainLoop(static_cast<int>(toolkitArgv.size()) - 1, toolkitArgv.data());
  if (status != 0) {
    return status;
  }
  registerCallbacks();
  watchRecordedHeist = watchInAWindowOfItsOwn;
  glutMainLoop();
  // The main loop returns only when the window was closed: quit as the menu's quit entry does.
  quitGame();
  return 0;
}

void reshape(int width, int height) {
  // The overlays, the crosshair and the pointer centre follow the window's real size.
  platform::setWindowSize(width, height);
  // Mouse look measures from the window's centre: a heist in play keeps every new size.
  recordWindowSize(platform::windowWidth(), platform::windowHeight());
  if (camera != nullptr) camera->setScreenSize(platform::windowWidth(), platform::windowHeight());
  // Overlay code that still reads the start-up globals gets the window's size as well.
  screenWidth = static_cast<std::int16_t>(std::min(platform::windowWidth(), 16384));
  screenHeight = static_cast<std::int16_t>(std::min(platform::windowHeight(), 16384));
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  const double aspect =
      height == 0 ? static_cast<double>(width) : static_cast<double>(width) / height;
  gluPerspective(gameOptions.fieldOfView, aspect, 1.0, 2000.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
