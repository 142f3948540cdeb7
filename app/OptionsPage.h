// The options page and the key-bindings page: every choice applies at once, and leaving the
// options page writes the player's settings file when anything changed.
#pragma once

#include <string>

class MenuPage;

// The settings file's text as the game read it at start-up, and where the player's own file
// goes (empty when HOME and XDG_CONFIG_HOME name none). A save starts from this text.
void noteSettingsFile(const std::string& contents, const std::string& userPath);

// While a recorded heist is watched, its options pages change nothing on the disk: leaving
// them saves nothing (and fails nothing).
void keepSettingsFileUnwritten();

// Applies every option where it is used: the mouse, the sound, the pad, the toggles, the
// accessibility choices, the keys, the field of view (start-up and the page call it).
void applyGameOptions();

MenuPage& optionsMenuPage();
MenuPage& keyBindingsPage();
