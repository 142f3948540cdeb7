// Which keys do what in play: two keys an action, as data. The key handlers look keys up
// here, the bindings page changes the table, and the settings file keeps it in lines such as
// "key-take = t" or "key-walk-forward = w up". A key is a character (letters in lower case)
// or specialKeyBase plus one of the toolkit's special key codes; noKey is an empty slot.
#pragma once

#include <array>
#include <cstdint>
#include <string>

enum class KeyAction : std::uint8_t {
  WalkForward, WalkBack, StrafeLeft, StrafeRight, SwitchPace, Take, EmptyBag, Leave, Pause,
  Music, Count
};
constexpr int keyActionCount = static_cast<int>(KeyAction::Count);
constexpr int keysPerAction = 2;
constexpr int noKey = -1;
constexpr int specialKeyBase = 256;

struct KeyBindings {
  std::array<std::array<int, keysPerAction>, keyActionCount> keys;
  // The keys of today's letters and arrows: w/Up, s/Down, a/Left, d/Right, e, t, g, q, p, m.
  static KeyBindings defaults();
  int& at(KeyAction action, int slot) { return keys[static_cast<int>(action)][slot]; }
  int at(KeyAction action, int slot) const { return keys[static_cast<int>(action)][slot]; }
  bool operator==(const KeyBindings& other) const { return keys == other.keys; }
};

// ---- Live for the whole run: the defaults, then the settings file's, then the page's ----
extern KeyBindings keyBindings;

// The action `key` is bound to (an upper-case letter counts as its lower case), or Count.
KeyAction actionForKey(const KeyBindings& bindings, int key);

// Esc, Enter, Backspace, Tab and the F keys run the menus and the toggles: never bound.
bool bindableKey(int key);

// Binds `key` to the action's slot. A key bound to another slot anywhere leaves it; returns
// the action it was taken from (Count when none).
KeyAction bindKey(KeyBindings& bindings, KeyAction action, int slot, int key);

// The key's name in the settings file and on the page: the character itself ("w", ";"),
// "space", "up", "down", "left", "right", "page-up", "page-down", "home", "end", "insert",
// "delete" (the character 127); "none" for noKey.
std::string keyName(int key);
// The key a name stands for; false for a name no bindable key has.
bool keyFromName(const std::string& name, int& key);

// "key-walk-forward"...: the settings line's name; "Walk forward"...: the page's label.
const char* keyActionSettingName(KeyAction action);
const char* keyActionLabel(KeyAction action);

// A settings value: one or two key names split by blanks, or "none". False with `problem`
// saying why for anything else (an unknown or unbindable key, three keys, one key twice).
bool parseKeyList(const std::string& value, std::array<int, keysPerAction>& keys,
                  std::string& problem);
// The value parseKeyList reads back: "w up", "t", "none".
std::string formatKeyList(const std::array<int, keysPerAction>& keys);
