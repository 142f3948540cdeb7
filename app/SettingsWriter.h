// Writing the player's choices back into the settings file: the option lines get their new
// values where they stand, options the file lacks are added above the mode line, and every
// other line (comments, blank lines, lines the game does not know) stays as it was, in its
// place. The mode line stays the last line.
#pragma once

#include <string>
#include <utility>
#include <vector>

// The file's text with `values` written in. A name's last option line above the mode line
// takes its value (an earlier line for the same name is left: the last one wins on reading);
// names without a line get one, in the given order, just above the mode line (comments after
// it stay there, blank lines at the end go). A non-empty
// `size` ("1280x720") replaces the size at the head of the mode line and keeps its depth and
// rate. A text without a mode line gets `size` (or "1024x768") as one. Every line ends with
// a line feed.
std::string settingsWithValues(const std::string& contents,
                               const std::vector<std::pair<std::string, std::string>>& values,
                               const std::string& size);

// Writes `text` to the per-user settings file at `path` atomically (a temporary file in the
// same folder, synced, renamed over the old one), making its folder first. False with
// `problem` when that fails; the old file is then as it was.
bool saveSettingsFile(const std::string& path, const std::string& text, std::string& problem);
