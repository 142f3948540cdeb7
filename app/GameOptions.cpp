// Reading the option lines of the settings file.
#include "app/GameOptions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/Settings.h"

GameOptions gameOptions;

namespace {

// A plain decimal: an optional sign, digits, and at most one point with digits on at least
// one side. No exponent, hexadecimal, inf or nan, which strtod alone would take.
bool readNumber(const std::string& text, double& value) {
  std::size_t at = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
  std::size_t digits = 0, points = 0;
  for (; at < text.size(); ++at) {
    if (text[at] >= '0' && text[at] <= '9') {
      ++digits;
    } else if (text[at] == '.' && points == 0) {
      ++points;
    } else {
      return false;
    }
  }
  if (digits == 0 || digits > 30) return false;
  value = std::strtod(text.c_str(), nullptr);
  return true;
}

bool readYesNo(const std::string& text, bool& value) {
  if (text == "yes") {
    value = true;
  } else if (text == "no") {
    value = false;
  } else {
    return false;
  }
  return true;
}

// ---- What the heists are played by ----
// The rules, the difficulty and the visibility meter; `problem` says what is wrong, or that
// the name is none of the options.
bool applyPlayOption(const std::string& name, const std::string& value, PlayOptions& out,
                     std::string& problem) {
  if (name == "rules") {
    if (readRulesWord(value, out.rules)) return true;
    problem = name + " is \"" + value + "\", not classic or stealth";
    return false;
  }
  if (name == "difficulty") {
    if (readDifficultyWord(value, out.difficulty)) return true;
    problem = name + " is \"" + value + "\", not easy, normal or hard";
    return false;
  }
  if (name == "visibility-meter") {
    if (readYesNo(value, out.visibilityMeter)) return true;
    problem = name + " is \"" + value + "\", not yes or no";
    return false;
  }
  problem = "unknown option \"" + name + "\"";
  return false;
}

// The option's range and where it goes; `problem` says what is wrong with the value.
bool applyOption(const std::string& name, const std::string& value, GameOptions& out,
                 std::string& problem) {
  struct Range {
    const char* name;
    double low, high;
  };
  static const Range ranges[] = {{"mouse-sensitivity", 0.1, 10.0},
                                 {"music-volume", 0.0, 100.0},
                                 {"effects-volume", 0.0, 100.0},
                                 {"field-of-view", 30.0, 90.0},
                                 {"pad-turn-speed", 30.0, 720.0},
                                 {"pad-dead-zone", 0.0, 0.5},
                                 {"text-size", 75.0, 150.0}};
  const struct {
    const char* name;
    bool* value;
  } switches[] = {{"invert-mouse", &out.invertMouse},
                  {"invert-pad", &out.pad.inverted},
                  {"swap-pad-sticks", &out.pad.swapSticks}};
  // Options of a few words, each word its value.
  struct Word {
    const char* word;
    int value;
  };
  const struct {
    const char* name;
    std::vector<Word> words;
    int current;
  } choices[] = {
      {"full-screen", {{"yes", 1}, {"no", 0}}, 0},
      {"fps-line", {{"yes", 1}, {"no", 0}}, 0},
      {"texture-filtering", {{"trilinear", 1}, {"bilinear", 0}}, 0},
      {"music", {{"yes", 1}, {"no", 0}}, 0},
      {"alarm-lights", {{"flashing", 0}, {"steady", 1}}, 0},
      {"hit-flash", {{"full", 100}, {"half", 50}, {"off", 0}}, 0},
  };
  for (const auto& choice : choices) {
    if (name != choice.name) continue;
    std::string allowed;
    for (const Word& w : choice.words) {
      if (value == w.word) {
        if (name == "full-screen") out.fullScreen = w.value != 0;
        if (name == "fps-line") out.fpsLine = w.value != 0;
        if (name == "texture-filtering") out.trilinear = w.value != 0;
        if (name == "music") out.music = w.value != 0;
        if (name == "alarm-lights") out.steadyAlarmLights = w.value != 0;
        if (name == "hit-flash") out.hitFlashPercent = w.value;
        return true;
      }
      allowed += allowed.empty() ? w.word : std::string(" or ") + w.word;
    }
    problem = name + " is \"" + value + "\", not " + allowed;
    return false;
  }
  for (int action = 0; action < keyActionCount; ++action) {
    const KeyAction a = static_cast<KeyAction>(action);
    if (name != keyActionSettingName(a)) continue;
    std::array<int, keysPerAction> keys{};
    std::string why;
    if (!parseKeyList(value, keys, why)) {
      problem = name + " is \"" + value + "\": " + why;
      return false;
    }
    // A key another action had leaves it: the later line wins.
    out.keys.at(a, 0) = noKey, out.keys.at(a, 1) = noKey;
    for (int slot = 0; slot < keysPerAction; ++slot) {
      if (keys[slot] != noKey) bindKey(out.keys, a, slot, keys[slot]);
    }
    return true;
  }
  for (int action = 0; action < padPlayActionCount; ++action) {
    const PadAction a = static_cast<PadAction>(action);
    if (name != padActionSettingName(a)) continue;
    PadControl control = PadControl::Count;
    if (!padControlFromName(value, control)) {
      problem = name + " is \"" + value + "\", not a control of the pad (a, b, x, y, back, " +
                "start, left-shoulder, right-trigger, dpad-up...)";
      return false;
    }
    bindPadControl(out.padKeys, a, control);
    return true;
  }
  for (const auto& option : switches) {
    if (name != option.name) continue;
    if (readYesNo(value, *option.value)) return true;
    problem = name + " is \"" + value + "\", not yes or no";
    return false;
  }
  for (const Range& range : ranges) {
    if (name != range.name) continue;
    double number = 0.0;
    if (!readNumber(value, number) || number < range.low || number > range.high) {
      char bounds[64];
      std::snprintf(bounds, sizeof bounds, "%g to %g", range.low, range.high);
      problem = name + " is \"" + value + "\", not a number from " + bounds;
      return false;
    }
    if (name == "mouse-sensitivity") out.mouseSensitivity = static_cast<float>(number);
    if (name == "music-volume") out.musicVolume = static_cast<int>(std::lround(number));
    if (name == "effects-volume") out.effectsVolume = static_cast<int>(std::lround(number));
    if (name == "field-of-view") out.fieldOfView = static_cast<float>(number);
    if (name == "pad-turn-speed") out.pad.turnSpeed = static_cast<float>(number);
    if (name == "pad-dead-zone") out.pad.deadZone = static_cast<float>(number);
    if (name == "text-size") out.textSizePercent = static_cast<int>(std::lround(number));
    return true;
  }
  return applyPlayOption(name, value, out.play, problem);
}

// The shortest plain decimal (no exponent: the reader takes none) that reads back as the
// same float.
std::string shortest(float value) {
  char text[64];
  for (int decimals = 0; decimals <= 9; ++decimals) {
    std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
    if (std::strtof(text, nullptr) == value) break;
  }
  return text;
}

const char* yesNo(bool value) {
  return value ? "yes" : "no";
}

}  // namespace

std::vector<std::pair<std::string, std::string>> gameOptionLines(const GameOptions& o) {
  std::vector<std::pair<std::string, std::string>> lines = {
      {"full-screen", yesNo(o.fullScreen)},
      {"field-of-view", shortest(o.fieldOfView)},
      {"fps-line", yesNo(o.fpsLine)},
      {"texture-filtering", o.trilinear ? "trilinear" : "bilinear"},
      {"music", yesNo(o.music)},
      {"music-volume", std::to_string(o.musicVolume)},
      {"effects-volume", std::to_string(o.effectsVolume)},
      {"mouse-sensitivity", shortest(o.mouseSensitivity)},
      {"invert-mouse", yesNo(o.invertMouse)},
      {"pad-turn-speed", shortest(o.pad.turnSpeed)},
      {"invert-pad", yesNo(o.pad.inverted)},
      {"pad-dead-zone", shortest(o.pad.deadZone)},
      {"swap-pad-sticks", yesNo(o.pad.swapSticks)},
      {"alarm-lights", o.steadyAlarmLights ? "steady" : "flashing"},
      {"hit-flash", o.hitFlashPercent >= 100 ? "full" : o.hitFlashPercent > 0 ? "half" : "off"},
      {"text-size", std::to_string(o.textSizePercent)},
  };
  for (int action = 0; action < keyActionCount; ++action) {
    const KeyAction a = static_cast<KeyAction>(action);
    lines.emplace_back(keyActionSettingName(a), formatKeyList(o.keys.keys[action]));
  }
  for (int action = 0; action < padPlayActionCount; ++action) {
    lines.emplace_back(padActionSettingName(static_cast<PadAction>(action)),
                       padControlSettingName(o.padKeys.control[action]));
  }
  return lines;
}

std::vector<std::string> parseGameOptions(const std::string& contents, const std::string& fileName,
                                          GameOptions& out) {
  out = GameOptions();
  std::vector<std::string> complaints;
  const std::vector<std::string> lines = settingsLines(contents);
  const std::size_t modeLine = settingsModeLine(lines);
  // Names that an earlier line has set: a bad later line keeps that value, not the default.
  std::vector<std::string> set;
  for (std::size_t i = 0; i < modeLine; ++i) {
    const std::string& line = lines[i];
    if (isSettingsComment(line)) continue;
    const std::string where = fileName + ": line " + std::to_string(i + 1) + ": ";
    if (line.size() > settingsMaxLineLength) {
      complaints.push_back(where + "longer than " + std::to_string(settingsMaxLineLength) +
                           " characters; it is skipped");
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
      complaints.push_back(where + "\"" + line + "\" is not a name = value line");
      continue;
    }
    const std::string name = trimmedSettingsText(line.substr(0, equals));
    std::string problem;
    if (applyOption(name, trimmedSettingsText(line.substr(equals + 1)), out, problem)) {
      set.push_back(name);
    } else {
      const bool earlier = std::find(set.begin(), set.end(), name) != set.end();
      complaints.push_back(where + problem +
                           (earlier ? "; the value of the line before stays" : "; the default stays"));
    }
  }
  return complaints;
}
