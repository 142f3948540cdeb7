// Reading the command line: our long options, GLUT's X options passed through, the usage text.
#include "app/CommandLine.h"

#include <cstdlib>
#include <cstring>

#ifndef VAULTRUN_VERSION
#define VAULTRUN_VERSION "unknown"
#endif

namespace {

constexpr int minWindowWidth = 320, minWindowHeight = 200, maxWindowSide = 16384;

// GLUT's options that take a value, and those that stand alone.
const char* const toolkitValueOptions[] = {"-display", "-geometry"};
const char* const toolkitFlagOptions[] = {"-direct", "-indirect", "-iconic", "-gldebug", "-sync"};

template <std::size_t N>
bool isOneOf(const char* arg, const char* const (&names)[N]) {
  for (const char* name : names) {
    if (std::strcmp(arg, name) == 0) return true;
  }
  return false;
}

// "WxH" with both numbers in range; nothing else on the text.
bool readWindowSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != x && (text[i] < '0' || text[i] > '9')) return false;
  }
  if (x > 5 || text.size() - x - 1 > 5) return false;
  const int w = std::atoi(text.substr(0, x).c_str());
  const int h = std::atoi(text.substr(x + 1).c_str());
  if (w < minWindowWidth || h < minWindowHeight || w > maxWindowSide || h > maxWindowSide) {
    return false;
  }
  width = w;
  height = h;
  return true;
}

// The value of an option given as "--name VALUE" or "--name=VALUE"; may take argv[i + 1].
bool readOptionValue(int argc, const char* const* argv, int& i, const std::string& name,
                     const char* what, std::string& value, std::string& error) {
  const std::string arg = argv[i];
  if (arg == name) {
    if (i + 1 >= argc) {
      error = "option '" + name + "' needs " + what;
      return false;
    }
    value = argv[++i];
  } else {
    value = arg.substr(name.size() + 1);
  }
  if (value.empty()) {
    error = "option '" + name + "' needs " + what;
    return false;
  }
  return true;
}

// One option of ours at argv[i]; may take argv[i + 1] as its value (i is then advanced).
bool readLongOption(int argc, const char* const* argv, int& i, CommandLine& out,
                    std::string& error) {
  const std::string arg = argv[i];
  if (arg == "--help") {
    out.help = true;
  } else if (arg == "--version") {
    out.version = true;
  } else if (arg == "--window") {
    out.windowed = true;
  } else if (arg.rfind("--window=", 0) == 0) {
    out.windowed = true;
    if (!readWindowSize(arg.substr(9), out.windowWidth, out.windowHeight)) {
      error = "bad window size '" + arg.substr(9) + "' (want WxH, 320x200 to 16384x16384)";
      return false;
    }
  } else if (arg == "--replay" || arg.rfind("--replay=", 0) == 0) {
    if (!readOptionValue(argc, argv, i, "--replay", "a file", out.replayFile, error)) return false;
  } else if (arg == "--replay-speed" || arg.rfind("--replay-speed=", 0) == 0) {
    std::string speed;
    if (!readOptionValue(argc, argv, i, "--replay-speed", "1, 2 or 4", speed, error)) return false;
    if (speed != "1" && speed != "2" && speed != "4") {
      error = "bad replay speed '" + speed + "' (want 1, 2 or 4)";
      return false;
    }
    out.replaySpeed = speed[0] - '0';
  } else if (arg == "--data" || arg.rfind("--data=", 0) == 0) {
    std::string folder;
    if (arg == "--data") {
      if (i + 1 >= argc) {
        error = "option '--data' needs a folder";
        return false;
      }
      folder = argv[++i];
    } else {
      folder = arg.substr(7);
    }
    if (folder.empty()) {
      error = "option '--data' needs a folder";
      return false;
    }
    out.dataFolder = folder;
  } else {
    error = "unknown option '" + arg + "'";
    return false;
  }
  return true;
}

}  // namespace

bool parseCommandLine(int argc, const char* const* argv, CommandLine& out, std::string& error) {
  out = CommandLine();
  out.toolkitArgs.push_back(argc > 0 && argv[0] != nullptr ? argv[0] : "vaultrun");
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strncmp(arg, "--", 2) == 0) {
      if (!readLongOption(argc, argv, i, out, error)) return false;
    } else if (isOneOf(arg, toolkitValueOptions)) {
      if (i + 1 >= argc) {
        error = std::string("option '") + arg + "' needs a value";
        return false;
      }
      out.toolkitArgs.push_back(arg);
      out.toolkitArgs.push_back(argv[++i]);
    } else if (isOneOf(arg, toolkitFlagOptions)) {
      out.toolkitArgs.push_back(arg);
    } else {
      error = std::string(arg[0] == '-' ? "unknown option '" : "unexpected argument '") + arg +
              "'";
      return false;
    }
  }
  return true;
}

std::string usageText() {
  return "Usage: vaultrun [OPTION]...\n"
         "A first-person stealth game: a thief in a museum at night.\n"
         "\n"
         "Options:\n"
         "  --help             print this help and exit\n"
         "  --version          print the version and exit\n"
         "  --window[=WxH]     play in a window (default 1024x768) instead of the full screen\n"
         "  --data DIR         read the game's files from DIR/data instead of ./data\n"
         "  --replay FILE      watch a recorded heist (.vrr): p pause, 1 2 4 speed, Esc leave\n"
         "  --replay-speed N   start watching at 1, 2 or 4 times the speed\n"
         "  -display NAME      the X display to use (and GLUT's other X options)\n"
         "\n"
         "Controls:\n"
         "  w s a d, arrows    walk and step          mouse         look around\n"
         "  e                  walk / run             left button   shoot\n"
         "  t                  take what is in reach  g             empty the bag (drop zone)\n"
         "  q                  leave (exit zone)      m             music on / off\n"
         "  p                  pause menu / go on     Esc           menu / quit / page back\n"
         "  Enter              choose / new game\n"
         "  F1 controls  F2 frames per second  F3 wireframe  F4 texture filter\n"
         "  F11 full screen / window                  Backspace     page back\n"
         "  The mouse chooses in every menu. The keys of play can be changed on the options'\n"
         "  bindings page (key-take = f ... in settings.ini).\n"
         "Game pad: left stick walk, right stick look, right trigger shoot, A take,\n"
         "  X empty the bag, Y leave, left shoulder walk / run, Start pause, Back controls;\n"
         "  in menus the d-pad or left stick moves, A chooses, B goes back.\n"
         "\n"
         "Options, as lines above the screen mode in settings.ini:\n"
         "  mouse-sensitivity = 1.5   (0.1 to 10)       invert-mouse = no   (yes or no)\n"
         "  music-volume = 70         (0 to 100)        effects-volume = 100 (0 to 100)\n"
         "  field-of-view = 60        (30 to 90 degrees, vertical)\n"
         "  pad-turn-speed = 180      (30 to 720 degrees a second at full tilt)\n"
         "  invert-pad = no           pad-dead-zone = 0.15 (0 to 0.5)   swap-pad-sticks = no\n"
         "  full-screen = yes         fps-line = no      texture-filtering = trilinear\n"
         "  music = yes               alarm-lights = flashing (or steady)\n"
         "  hit-flash = full (half, off)                 text-size = 100 (75 to 150)\n"
         "  key-walk-forward = w up   (key-walk-back, key-strafe-left, key-strafe-right,\n"
         "  key-walk-or-run, key-take, key-empty-bag, key-leave, key-pause, key-music)\n"
         "  pad-take = a              (pad-fire, pad-empty-bag, pad-leave, pad-walk-or-run,\n"
         "  pad-help, pad-pause: a b x y back start left-shoulder right-trigger dpad-up...)\n"
         "  rules = classic           (classic or stealth: sight lines, light, noise)\n"
         "  difficulty = normal       (easy, normal or hard)   visibility-meter = yes\n"
         "The options page (main menu or pause menu) changes them and saves them to\n"
         "$XDG_CONFIG_HOME/vaultrun/settings.ini (default ~/.config).\n"
         "  1024x768:32@60\n"
         "\n"
         "Every heist is recorded to $XDG_DATA_HOME/vaultrun/replays/last.vrr (default\n"
         "~/.local/share), also one cut short by closing the window or a signal (outcome\n"
         "quit); the heist with the best score so far is kept as best.vrr\n"
         "(under other rules than classic normal as best-RULES-DIFFICULTY.vrr).\n"
         "On the end screens of a game, r watches the heist that just ended.\n";
}

std::string versionLine() {
  return std::string("vaultrun ") + VAULTRUN_VERSION;
}
