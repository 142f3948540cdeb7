// The game's command line: what the player asked for before anything opens. Parsed once, in
// main, before the loading line; the options that change the start-up are read by it.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
  bool help = false;          // --help: the usage, then exit 0
  bool version = false;       // --version: the version line, then exit 0
  bool windowed = false;      // --window[=WxH]: a normal window instead of the full screen
  int windowWidth = 1024;     // its size in pixels, 320x200 to 16384x16384
  int windowHeight = 768;
  std::string dataFolder;     // --data DIR: the folder that holds data/ (empty: the working one)
  std::string replayFile;     // --replay FILE: watch that recorded heist instead of playing
  int replaySpeed = 1;        // --replay-speed N: the watch starts at 1, 2 or 4 times
  std::vector<std::string> toolkitArgs;  // the program name and GLUT's own X options, in order
};

// Parses argv. Options of ours start with "--"; GLUT's X options (-display NAME, -geometry
// WxH+X+Y, -direct, -indirect, -iconic, -gldebug, -sync) are kept for the toolkit. Anything
// else is refused: returns false with `error` naming it.
bool parseCommandLine(int argc, const char* const* argv, CommandLine& out, std::string& error);

// The text --help prints: synopsis, options and controls.
std::string usageText();

// "vaultrun <version>", the project's version from the build.
std::string versionLine();
