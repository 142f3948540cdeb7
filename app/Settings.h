// The settings file data/settings.ini: its last line that is neither blank nor a comment is
// the screen mode in GLUT's game-mode syntax, WIDTHxHEIGHT[:DEPTH][@RATE], read at its
// separators.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ScreenSettings {
  std::string modeString;     // the mode line without blanks around it, handed to GLUT
  std::int16_t width = 0;     // pixels, 320..16384
  std::int16_t height = 0;    // pixels, 200..16384
  std::int16_t depth = 0;     // bits per pixel; 0 when the line gives none
  std::int16_t refresh = 0;   // hertz; 0 when the line gives none
};

// Path of the settings file, relative to the working directory.
extern const char* const settingsPath;

// Longest mode or option line accepted; comments and blank lines may be of any length.
constexpr std::size_t settingsMaxLineLength = 99;
// A settings file is a few lines: anything larger is refused before it is read.
constexpr std::size_t settingsMaxBytes = 64 * 1024;

// The file's lines without a leading UTF-8 byte-order mark, split at line feeds, blanks
// (CR included) around each removed. Line N of the file is element N - 1.
std::vector<std::string> settingsLines(const std::string& contents);

// The text without the blanks (spaces, tabs, CR, FF, VT) at either end.
std::string trimmedSettingsText(const std::string& text);

// True for a blank line or a comment (a line starting with '#', after the blanks).
bool isSettingsComment(const std::string& trimmedLine);

// The index of the mode line: the last line that is neither blank nor a comment; lines.size()
// when there is none. Every other such line above it is an option line.
std::size_t settingsModeLine(const std::vector<std::string>& lines);

// The sizes a screen mode may have, in pixels.
constexpr int settingsMinWidth = 320, settingsMinHeight = 200, settingsMaxSide = 16384;

// Reads one mode line (no line end in it, blanks around it already removed). On failure
// returns false and sets `problem` to a short reason that quotes the line.
bool parseModeLine(const std::string& line, ScreenSettings& out, std::string& problem);

// Parses the file's contents: a leading UTF-8 byte-order mark, CR-LF line ends and blanks
// around a line are ignored; the mode line is settingsModeLine's. On failure returns false
// and sets `problem` to a short reason (a NUL byte, no mode line, a mode line longer than
// settingsMaxLineLength with its number, or what is wrong with it).
bool parseSettings(const std::string& contents, ScreenSettings& out, std::string& problem);

// Reads and parses the file at `path` without blocking on it (see platform/RegularFile). On
// failure returns false with the whole line to print, naming `path` and the reason (missing,
// a folder or anything else that is not a regular file, larger than settingsMaxBytes,
// unreadable, or what is wrong in it). `contents` receives the file's text when it was read.
bool readSettingsFile(const char* path, ScreenSettings& out, std::string& errorLine,
                      std::string* contents = nullptr);
