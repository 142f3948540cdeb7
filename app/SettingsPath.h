// Which settings file the game reads: the player's own under the XDG config folder when there
// is one, else the copy shipped in data/ (which an installed game's player cannot write).
#pragma once

#include <string>

// The per-user settings file for these environment values (either may be null):
// $XDG_CONFIG_HOME/vaultrun/settings.ini, or $HOME/.config/vaultrun/settings.ini when
// XDG_CONFIG_HOME is unset, empty or relative (the XDG rules ignore a relative one). Empty
// when neither names an absolute folder.
std::string userSettingsPath(const char* xdgConfigHome, const char* home);

// The file to read: this process's per-user file when anything exists at that path (so an
// unreadable or broken one is reported by name, not passed over), else data/settings.ini.
// A per-user file that is a symbolic link to nothing is passed over with `notice` saying so
// (a line for the player); otherwise `notice` is left empty.
std::string chooseSettingsPath(std::string& notice);
