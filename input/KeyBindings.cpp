// The key table, its names and its settings values.
#include "input/KeyBindings.h"

#include <GL/freeglut.h>

#include <sstream>

KeyBindings keyBindings = KeyBindings::defaults();

namespace {

struct ActionNames {
  const char* setting;
  const char* label;
};

const ActionNames actionNames[keyActionCount] = {
    {"key-walk-forward", "Walk forward"}, {"key-walk-back", "Walk back"},
    {"key-strafe-left", "Step left"},     {"key-strafe-right", "Step right"},
    {"key-walk-or-run", "Walk or run"},   {"key-take", "Take"},
    {"key-empty-bag", "Empty the bag"},   {"key-leave", "Leave at the exit"},
    {"key-pause", "Pause"},               {"key-music", "Music on / off"},
};

struct SpecialName {
  int code;
  const char* name;
};

const SpecialName specialNames[] = {
    {GLUT_KEY_UP, "up"},           {GLUT_KEY_DOWN, "down"},
    {GLUT_KEY_LEFT, "left"},       {GLUT_KEY_RIGHT, "right"},
    {GLUT_KEY_PAGE_UP, "page-up"}, {GLUT_KEY_PAGE_DOWN, "page-down"},
    {GLUT_KEY_HOME, "home"},       {GLUT_KEY_END, "end"},
    {GLUT_KEY_INSERT, "insert"},
};

int special(int code) {
  return specialKeyBase + code;
}

int lowerCase(int key) {
  return key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key;
}

}  // namespace

KeyBindings KeyBindings::defaults() {
  KeyBindings b;
  for (auto& slots : b.keys) slots = {noKey, noKey};
  b.at(KeyAction::WalkForward, 0) = 'w', b.at(KeyAction::WalkForward, 1) = special(GLUT_KEY_UP);
  b.at(KeyAction::WalkBack, 0) = 's', b.at(KeyAction::WalkBack, 1) = special(GLUT_KEY_DOWN);
  b.at(KeyAction::StrafeLeft, 0) = 'a', b.at(KeyAction::StrafeLeft, 1) = special(GLUT_KEY_LEFT);
  b.at(KeyAction::StrafeRight, 0) = 'd';
  b.at(KeyAction::StrafeRight, 1) = special(GLUT_KEY_RIGHT);
  b.at(KeyAction::SwitchPace, 0) = 'e';
  b.at(KeyAction::Take, 0) = 't';
  b.at(KeyAction::EmptyBag, 0) = 'g';
  b.at(KeyAction::Leave, 0) = 'q';
  b.at(KeyAction::Pause, 0) = 'p';
  b.at(KeyAction::Music, 0) = 'm';
  return b;
}

KeyAction actionForKey(const KeyBindings& bindings, int key) {
  if (key == noKey) return KeyAction::Count;
  key = lowerCase(key);
  for (int action = 0; action < keyActionCount; ++action) {
    for (int slot : bindings.keys[action]) {
      if (slot == key) return static_cast<KeyAction>(action);
    }
  }
  return KeyAction::Count;
}

bool bindableKey(int key) {
  if (key >= specialKeyBase) {
    for (const SpecialName& s : specialNames) {
      if (key == special(s.code)) return true;
    }
    return false;
  }
  if (key == 127 || key == ' ') return true;
  // Upper-case letters are bound as their lower case; '=' and '#' would not survive the
  // settings file's lines.
  return key > ' ' && key < 127 && !(key >= 'A' && key <= 'Z');
}

KeyAction bindKey(KeyBindings& bindings, KeyAction action, int slot, int key) {
  key = lowerCase(key);
  KeyAction movedFrom = KeyAction::Count;
  for (int other = 0; other < keyActionCount; ++other) {
    for (int& bound : bindings.keys[other]) {
      if (bound != key) continue;
      bound = noKey;
      if (other != static_cast<int>(action)) movedFrom = static_cast<KeyAction>(other);
    }
  }
  bindings.at(action, slot) = key;
  return movedFrom;
}

std::string keyName(int key) {
  if (key == noKey) return "none";
  if (key == ' ') return "space";
  if (key == 127) return "delete";
  for (const SpecialName& s : specialNames) {
    if (key == special(s.code)) return s.name;
  }
  if (key > ' ' && key < 127) return std::string(1, static_cast<char>(key));
  return "none";
}

bool keyFromName(const std::string& name, int& key) {
  if (name == "space") return key = ' ', true;
  if (name == "delete") return key = 127, true;
  for (const SpecialName& s : specialNames) {
    if (name == s.name) return key = special(s.code), true;
  }
  if (name.size() == 1 && bindableKey(static_cast<unsigned char>(name[0]))) {
    key = static_cast<unsigned char>(name[0]);
    return key != '=' && key != '#';
  }
  return false;
}

const char* keyActionSettingName(KeyAction action) {
  return actionNames[static_cast<int>(action)].setting;
}

const char* keyActionLabel(KeyAction action) {
  return actionNames[static_cast<int>(action)].label;
}

bool parseKeyList(const std::string& value, std::array<int, keysPerAction>& keys,
                  std::string& problem) {
  std::istringstream words(value);
  std::array<int, keysPerAction> read = {noKey, noKey};
  std::string word;
  int count = 0;
  while (words >> word) {
    if (word == "none" && count == 0) {
      std::string more;
      if (words >> more) {
        problem = "\"none\" and a key";
        return false;
      }
      keys = read;
      return true;
    }
    int key = noKey;
    if (!keyFromName(word, key)) {
      problem = "\"" + word + "\" is not a key that can be bound";
      return false;
    }
    if (count == keysPerAction) {
      problem = "more than two keys";
      return false;
    }
    if (count == 1 && read[0] == key) {
      problem = "the same key twice";
      return false;
    }
    read[count++] = key;
  }
  if (count == 0) {
    problem = "no key (\"none\" leaves the action without one)";
    return false;
  }
  keys = read;
  return true;
}

std::string formatKeyList(const std::array<int, keysPerAction>& keys) {
  std::string out;
  for (int key : keys) {
    if (key == noKey) continue;
    if (!out.empty()) out += ' ';
    out += keyName(key);
  }
  return out.empty() ? "none" : out;
}
