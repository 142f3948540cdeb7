// Reading the settings file.
#include "app/Settings.h"

#include "platform/RegularFile.h"

const char* const settingsPath = "data/settings.ini";

namespace {

const char* const modeExample = "expected a line like 1024x768:32@60";

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}


// A run of 1 to 5 digits at `at`, moved past; false when there is none (or too long to be
// a screen's number: the range checks then have something to say about the rest).
bool readNumber(const std::string& line, std::size_t& at, int& value) {
  const std::size_t start = at;
  value = 0;
  while (at < line.size() && line[at] >= '0' && line[at] <= '9' && at - start < 5) {
    value = value * 10 + (line[at] - '0');
    ++at;
  }
  return at > start && !(at < line.size() && line[at] >= '0' && line[at] <= '9');
}

// An optional ":D" or "@R" part: absent leaves value 0.
bool readOptional(const std::string& line, std::size_t& at, char separator, int& value) {
  value = 0;
  if (at >= line.size() || line[at] != separator) return true;
  ++at;
  return readNumber(line, at, value);
}

}  // namespace

std::string trimmedSettingsText(const std::string& line) {
  std::size_t first = 0, last = line.size();
  while (first < last && isBlank(line[first])) ++first;
  while (last > first && isBlank(line[last - 1])) --last;
  return line.substr(first, last - first);
}

std::vector<std::string> settingsLines(const std::string& contents) {
  // Editors on some desktops start a UTF-8 file with a byte-order mark.
  const std::size_t start = contents.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  std::vector<std::string> lines(1);
  for (std::size_t i = start; i < contents.size(); ++i) {
    if (contents[i] == '\n') {
      lines.back() = trimmedSettingsText(lines.back());
      lines.emplace_back();
    } else {
      lines.back().push_back(contents[i]);
    }
  }
  lines.back() = trimmedSettingsText(lines.back());
  return lines;
}

bool isSettingsComment(const std::string& trimmedLine) {
  return trimmedLine.empty() || trimmedLine[0] == '#';
}

std::size_t settingsModeLine(const std::vector<std::string>& lines) {
  for (std::size_t i = lines.size(); i-- > 0;) {
    if (!isSettingsComment(lines[i])) return i;
  }
  return lines.size();
}

bool parseModeLine(const std::string& line, ScreenSettings& out, std::string& problem) {
  const std::string quoted = "the mode line \"" + line + "\"";
  std::size_t at = 0;
  int width = 0, height = 0, depth = 0, refresh = 0;
  const bool wellFormed = readNumber(line, at, width) && at < line.size() &&
                          (line[at] == 'x' || line[at] == 'X') &&
                          readNumber(line, ++at, height) && readOptional(line, at, ':', depth) &&
                          readOptional(line, at, '@', refresh) && at == line.size();
  if (!wellFormed) {
    problem = quoted + " is not WIDTHxHEIGHT:DEPTH@RATE (" + modeExample + ")";
    return false;
  }
  if (width < settingsMinWidth || height < settingsMinHeight || width > settingsMaxSide ||
      height > settingsMaxSide) {
    problem = quoted + " asks for " + std::to_string(width) + "x" + std::to_string(height) +
              ", outside 320x200 to 16384x16384";
    return false;
  }
  if (line.find(':') != std::string::npos && (depth < 8 || depth > 32)) {
    problem = quoted + " asks for a colour depth of " + std::to_string(depth) +
              " bits (8 to 32 can be shown)";
    return false;
  }
  if (refresh > 1000) {
    problem = quoted + " asks for a refresh rate of " + std::to_string(refresh) +
              " Hz (at most 1000)";
    return false;
  }
  out.modeString = line;
  out.width = static_cast<std::int16_t>(width);
  out.height = static_cast<std::int16_t>(height);
  out.depth = static_cast<std::int16_t>(depth);
  out.refresh = static_cast<std::int16_t>(refresh);
  return true;
}

bool parseSettings(const std::string& contents, ScreenSettings& out, std::string& problem) {
  if (contents.find('\0') != std::string::npos) {
    problem = "the file contains a NUL byte";
    return false;
  }
  const std::vector<std::string> lines = settingsLines(contents);
  const std::size_t mode = settingsModeLine(lines);
  if (mode == lines.size()) {
    problem = std::string("the file holds no mode line (") + modeExample + ")";
    return false;
  }
  if (lines[mode].size() > settingsMaxLineLength) {
    problem = "line " + std::to_string(mode + 1) + ", the mode line, is longer than " +
              std::to_string(settingsMaxLineLength) + " characters";
    return false;
  }
  return parseModeLine(lines[mode], out, problem);
}

bool readSettingsFile(const char* path, ScreenSettings& out, std::string& errorLine,
                      std::string* contents) {
  std::string text, problem;
  const std::string prefix = std::string("Error: ") + path + ": ";
  platform::FileRefusal refusal = platform::FileRefusal::none;
  if (!platform::readRegularFile(path, settingsMaxBytes, text, problem, &refusal)) {
    if (refusal == platform::FileRefusal::missing) {
      errorLine = "Error: File with windows settings could be opened";
    } else if (problem.compare(0, 11, "is a folder") == 0) {
      errorLine = prefix + "is a folder, not a settings file";
    } else if (refusal == platform::FileRefusal::tooLarge) {
      errorLine = prefix + problem + ", and a settings file is a few lines";
    } else {
      errorLine = prefix + problem;
    }
    return false;
  }
  if (!parseSettings(text, out, problem)) {
    errorLine = prefix + problem;
    return false;
  }
  if (contents != nullptr) *contents = text;
  return true;
}
