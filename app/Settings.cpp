// Reading data/settings.ini.
#include "app/Settings.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <vector>

const char* const settingsPath = "data/settings.ini";

std::int16_t settingsFieldValue(const std::string& line, std::size_t start, std::size_t count) {
  if (start >= line.size()) {
    return 0;
  }
  const std::string field = line.substr(start, count);
  std::size_t i = 0;
  while (i < field.size() && std::isspace(static_cast<unsigned char>(field[i]))) {
    ++i;
  }
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    negative = field[i] == '-';
    ++i;
  }
  long value = 0;
  while (i < field.size() && std::isdigit(static_cast<unsigned char>(field[i]))) {
    value = value * 10 + (field[i] - '0');
    ++i;
  }
  return static_cast<std::int16_t>(negative ? -value : value);
}

namespace {

std::vector<std::string> splitLines(const std::string& contents) {
  std::vector<std::string> lines;
  std::string current;
  for (char c : contents) {
    if (c == '\n') {
      lines.push_back(current);
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  lines.push_back(current);
  for (std::string& line : lines) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
  }
  return lines;
}

}  // namespace

bool parseSettings(const std::string& contents, ScreenSettings& out, std::string& problem) {
  if (contents.find('\0') != std::string::npos) {
    problem = "the file contains a NUL byte";
    return false;
  }
  const std::vector<std::string> lines = splitLines(contents);
  const std::string* modeLine = nullptr;
  for (const std::string& line : lines) {
    if (line.size() > settingsMaxLineLength) {
      problem = "a line is longer than 99 characters";
      return false;
    }
    if (!line.empty()) {
      modeLine = &line;
    }
  }
  if (modeLine == nullptr) {
    problem = "the file holds no mode line (expected a line like 1024x768:32@60)";
    return false;
  }
  if (modeLine->size() < settingsMinModeLength) {
    problem = "the mode line \"" + *modeLine +
              "\" is shorter than 12 characters (expected a line like 1024x768:32@60)";
    return false;
  }
  out.modeString = *modeLine;
  out.width = settingsFieldValue(*modeLine, 0, 4);
  out.height = settingsFieldValue(*modeLine, 5, 3);
  out.refresh = settingsFieldValue(*modeLine, 12, 2);
  return true;
}

bool readSettingsFile(const char* path, ScreenSettings& out, std::string& errorLine) {
  std::ifstream settings(path, std::ios::binary);
  if (!settings) {
    errorLine = "Error: File with windows settings could be opened";
    return false;
  }
  std::ostringstream contents;
  contents << settings.rdbuf();
  std::string problem;
  if (!parseSettings(contents.str(), out, problem)) {
    errorLine = std::string("Error: ") + path + ": " + problem;
    return false;
  }
  return true;
}
