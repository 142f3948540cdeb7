// The player's options: `name = value` lines before the mode line of the settings file
// (mouse sensitivity and invert, music and effects volumes, field of view, the pad's turn
// speed, invert, dead zone and stick swap, the screen, the filter, the accessibility choices,
// the keys, and the rules, the difficulty and the visibility meter). A line that is wrong
// costs only that option, never the start.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "game/Rules.h"
#include "input/Gamepad.h"
#include "input/KeyBindings.h"
#include "input/PadBindings.h"

// What the heists are played by: the next new game takes them up (game/Rules.h).
struct PlayOptions {
  Rules rules = Rules::Classic;                // rules: classic or stealth
  Difficulty difficulty = Difficulty::Normal;  // difficulty: easy, normal or hard
  bool visibilityMeter = true;                 // visibility-meter: the stealth rules' HUD meter
};

struct GameOptions {
  float mouseSensitivity = 1.0f;  // mouse-sensitivity: factor on 1/500 radian a pixel, 0.1..10
  bool invertMouse = false;       // invert-mouse: yes swaps looking up and down
  int musicVolume = 100;          // music-volume: percent, 0..100
  int effectsVolume = 100;        // effects-volume: percent, 0..100 (the siren is an effect)
  float fieldOfView = 45.0f;      // field-of-view: vertical degrees, 30..90
  // pad-turn-speed (degrees a second, 30..720), invert-pad (yes/no), pad-dead-zone (0..0.5
  // of full tilt), swap-pad-sticks (yes/no)
  PadOptions pad;
  bool fullScreen = true;          // full-screen: no opens a window of the mode line's size
  bool fpsLine = false;            // fps-line: the frames-per-second line (F2) at start
  bool trilinear = true;           // texture-filtering: trilinear or bilinear (F4)
  bool music = true;               // music: yes or no ('m')
  bool steadyAlarmLights = false;  // alarm-lights: flashing or steady
  int hitFlashPercent = 100;       // hit-flash: full (100), half (50) or off (0)
  int textSizePercent = 100;       // text-size: the HUD's and the text lines' size, 75..150
  KeyBindings keys = KeyBindings::defaults();  // key-walk-forward = w up, key-take = t...
  PadBindingTable padKeys = defaultPadBindings();  // pad-fire = right-trigger, pad-take = a...
  PlayOptions play;                // rules, difficulty, visibility-meter
};

// One `name = value` line for every option the options page offers, in the page's order,
// with the values parseGameOptions reads back as `options`.
std::vector<std::pair<std::string, std::string>> gameOptionLines(const GameOptions& options);

// Set once at start-up from the settings file; read by the reshape callback (field of view).
extern GameOptions gameOptions;

// Reads the option lines of a settings file's contents: every line above the mode line (see
// settingsModeLine) that is not blank or a comment; a UTF-8 byte-order mark, CR-LF line ends
// and blanks around names and values are ignored. Numbers are plain decimals. A later line
// for an option wins. Each unknown name, line without '=' or longer than
// settingsMaxLineLength, or value unreadable or out of range is skipped: the option keeps
// what it had before that line (an earlier line's value, else its default), and one line
// "<fileName>: line N: <what>" is added to the returned list.
std::vector<std::string> parseGameOptions(const std::string& contents, const std::string& fileName,
                                          GameOptions& out);
