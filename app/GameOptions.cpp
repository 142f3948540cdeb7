// Reading the option lines of the settings file.
#include "app/GameOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

GameOptions gameOptions;

namespace {

std::string trimmed(const std::string& text) {
  const char* const blanks = " \t\r\f\v";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string> linesOf(const std::string& contents) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  if (contents.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
  while (start <= contents.size()) {
    const std::size_t end = contents.find('\n', start);
    lines.push_back(trimmed(contents.substr(start, end == std::string::npos ? end : end - start)));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

// A decimal number and nothing else; false for anything else (or not finite).
bool readNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return errno == 0 && end == text.c_str() + text.size() && std::isfinite(value);
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
                                 {"field-of-view", 30.0, 90.0}};
  if (name == "invert-mouse") {
    if (readYesNo(value, out.invertMouse)) return true;
    problem = "invert-mouse is \"" + value + "\", not yes or no";
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
    return true;
  }
  problem = "unknown option \"" + name + "\"";
  return false;
}

}  // namespace

std::vector<std::string> parseGameOptions(const std::string& contents, const std::string& fileName,
                                          GameOptions& out) {
  out = GameOptions();
  std::vector<std::string> complaints;
  const std::vector<std::string> lines = linesOf(contents);
  std::size_t modeLine = lines.size();
  for (std::size_t i = lines.size(); i-- > 0;) {
    if (!lines[i].empty()) {
      modeLine = i;
      break;
    }
  }
  for (std::size_t i = 0; i < modeLine; ++i) {
    const std::string& line = lines[i];
    if (line.empty() || line[0] == '#') continue;
    const std::string where = fileName + ": line " + std::to_string(i + 1) + ": ";
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
      complaints.push_back(where + "\"" + line + "\" is not a name = value line");
      continue;
    }
    std::string problem;
    if (!applyOption(trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)), out,
                     problem)) {
      complaints.push_back(where + problem + "; the default stays");
    }
  }
  return complaints;
}
