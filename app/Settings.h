// The settings file data/settings.ini: one line, the screen mode in GLUT's game-mode syntax,
// cut at fixed character positions into width (0-3), height (5-7) and refresh rate (12-13).
#pragma once

#include <cstdint>
#include <string>

struct ScreenSettings {
  std::string modeString;     // the whole mode line, handed to GLUT as the game-mode string
  std::int16_t width = 0;     // characters 0 to 3
  std::int16_t height = 0;    // characters 5 to 7
  std::int16_t refresh = 0;   // characters 12 and 13
};

// Path of the settings file, relative to the working directory.
extern const char* const settingsPath;

// Longest line accepted (the reader takes at most 99 characters a line).
constexpr std::size_t settingsMaxLineLength = 99;
// Shortest mode line accepted: the refresh rate starts at character 12.
constexpr std::size_t settingsMinModeLength = 12;

// Decimal text to integer as the fields are read: leading blanks skipped, optional sign,
// digits up to the first non-digit, 0 when there are none.
std::int16_t settingsFieldValue(const std::string& line, std::size_t start, std::size_t count);

// Parses the file's contents. The last non-empty line (a trailing CR removed) is the mode line.
// On failure returns false and sets `problem` to a short reason.
bool parseSettings(const std::string& contents, ScreenSettings& out, std::string& problem);

// Reads and parses the file. On failure returns false with the whole line to print.
bool readSettingsFile(const char* path, ScreenSettings& out, std::string& errorLine);
