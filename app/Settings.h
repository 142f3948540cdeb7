// The settings file data/settings.ini: its last non-empty line is the screen mode in GLUT's
// game-mode syntax, WIDTHxHEIGHT[:DEPTH][@RATE], read at its separators.
#pragma once

#include <cstdint>
#include <string>

struct ScreenSettings {
  std::string modeString;     // the mode line without blanks around it, handed to GLUT
  std::int16_t width = 0;     // pixels, 320..16384
  std::int16_t height = 0;    // pixels, 200..16384
  std::int16_t depth = 0;     // bits per pixel; 0 when the line gives none
  std::int16_t refresh = 0;   // hertz; 0 when the line gives none
};

// Path of the settings file, relative to the working directory.
extern const char* const settingsPath;

// Longest line accepted (the reader takes at most 99 characters a line).
constexpr std::size_t settingsMaxLineLength = 99;

// The sizes a screen mode may have, in pixels.
constexpr int settingsMinWidth = 320, settingsMinHeight = 200, settingsMaxSide = 16384;

// Reads one mode line (no line end in it, blanks around it already removed). On failure
// returns false and sets `problem` to a short reason that quotes the line.
bool parseModeLine(const std::string& line, ScreenSettings& out, std::string& problem);

// Parses the file's contents: a leading UTF-8 byte-order mark, CR-LF line ends and blanks
// around a line are ignored; the last non-empty line is the mode line. On failure returns
// false and sets `problem` to a short reason.
bool parseSettings(const std::string& contents, ScreenSettings& out, std::string& problem);

// Reads and parses the file at `path`. On failure returns false with the whole line to
// print, naming `path` and the reason (a folder, unreadable, or what is wrong in it).
bool readSettingsFile(const char* path, ScreenSettings& out, std::string& errorLine);
