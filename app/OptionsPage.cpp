// The options page's rows, what a change does, and the save on leaving.
#include "app/OptionsPage.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "app/GameOptions.h"
#include "app/ReplayWatch.h"
#include "app/SettingsWriter.h"
#include "app/Startup.h"
#include "assets/Textures.h"
#include "audio/Sound.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "game/MenuPage.h"
#include "game/Rules.h"
#include "game/Screen.h"
#include "input/Gamepad.h"
#include "input/KeyBindings.h"
#include "input/Mouse.h"
#include "input/PadBindings.h"
#include "platform/Screen.h"
#include "platform/Window.h"

namespace {

// ---- Set at start-up; the text after each save ----
std::string settingsText;
std::string userSettingsFile;
bool savesAllowed = true;

enum Row {
  VideoHeading, Screen, WindowSize, FieldOfView, FpsLine, Filtering,
  AudioHeading, Music, MusicVolume, EffectsVolume,
  ControlsHeading, Sensitivity, InvertMouse, PadTurnSpeed, InvertPad, Bindings,
  AccessHeading, AlarmLights, HitFlash, TextSize,
  GameHeading, RulesRow, DifficultyRow, MeterRow,
  Back, Defaults, RowCount
};

struct Size {
  int width, height;
};

// Window sizes offered where they fit the screen.
const Size windowSizes[] = {{800, 600},   {1024, 768},  {1280, 720},  {1280, 960},
                            {1366, 768},  {1600, 900},  {1920, 1080}, {2560, 1440}};
const float sensitivities[] = {0.25f, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f, 2.0f, 2.5f, 3.0f, 4.0f, 5.0f};
const int textSizes[] = {75, 100, 125, 150};
const int hitFlashes[] = {100, 50, 0};

const char* onOff(bool on) {
  return on ? "On" : "Off";
}

// The index of the entry nearest `value` in a list, moved by `delta` and kept inside it.
template <typename T, std::size_t N>
T stepThrough(const T (&list)[N], T value, int delta) {
  std::size_t nearest = 0;
  for (std::size_t i = 1; i < N; ++i) {
    if (std::fabs(static_cast<double>(list[i] - value)) <
        std::fabs(static_cast<double>(list[nearest] - value))) {
      nearest = i;
    }
  }
  const long wanted = static_cast<long>(nearest) + delta;
  return list[wanted < 0 ? 0 : (wanted >= static_cast<long>(N) ? N - 1 : wanted)];
}

std::string decimal(float value) {
  char text[16];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
  return text;
}

// The live toggles the keys flip (F2, F4, 'm') are the options' values too.
void readLiveToggles() {
  gameOptions.fpsLine = fpsShown;
  gameOptions.trilinear = trilinearFiltering;
  gameOptions.music = musicOn;
  gameOptions.keys = keyBindings;
  gameOptions.padKeys = padBindings;
}

void applyFiltering(bool trilinear) {
  if (trilinearFiltering == trilinear) return;
  trilinearFiltering = trilinear;
  applyMinificationFilterToAll(trilinear ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR_MIPMAP_NEAREST);
}

void applyMusic(bool on) {
  if (musicOn == on) return;
  musicOn = on;
  const Cue music = menuActive() ? Cue::MenuMusic : Cue::GameMusic;
  if (on) {
    playCue(music);
  } else {
    stopCue(music);
  }
}

class OptionsPage : public MenuPage {
 public:
  const char* title() const override { return "Options"; }
  int rowCount() const override { return RowCount; }

  MenuRow rowAt(int index) const override {
    const GameOptions& o = gameOptions;
    switch (index) {
      case GameHeading: return {"GAME (FROM THE NEXT NEW GAME)", "", true};
      case RulesRow: return {"Rules", rulesTitle(o.play.rules)};
      case DifficultyRow: return {"Difficulty", difficultyTitle(o.play.difficulty)};
      case MeterRow: return {"Visibility meter (stealth)", onOff(o.play.visibilityMeter)};
      case VideoHeading: return {"VIDEO", "", true};
      case Screen: return {"Screen", platform::fullScreenShown() ? "Full screen" : "Window"};
      case WindowSize: return {"Window size", std::to_string(size.width) + " x " +
                                                  std::to_string(size.height)};
      case FieldOfView: return {"Field of view", decimal(o.fieldOfView) + " degrees"};
      case FpsLine: return {"Frames per second", onOff(fpsShown)};
      case Filtering: return {"Texture filtering", trilinearFiltering ? "Trilinear" : "Bilinear"};
      case AudioHeading: return {"AUDIO", "", true};
      case Music: return {"Music", onOff(musicOn)};
      case MusicVolume: return {"Music volume", std::to_string(o.musicVolume) + "%"};
      case EffectsVolume: return {"Effects volume", std::to_string(o.effectsVolume) + "%"};
      case ControlsHeading: return {"CONTROLS", "", true};
      case Sensitivity: return {"Mouse sensitivity", decimal(o.mouseSensitivity)};
      case InvertMouse: return {"Invert mouse", o.invertMouse ? "Yes" : "No"};
      case PadTurnSpeed: return {"Pad turn speed", decimal(o.pad.turnSpeed) + " deg/s"};
      case InvertPad: return {"Invert pad", o.pad.inverted ? "Yes" : "No"};
      case Bindings: return {"Key bindings...", ""};
      case AccessHeading: return {"ACCESSIBILITY", "", true};
      case AlarmLights: return {"Alarm lights", o.steadyAlarmLights ? "Steady" : "Flashing"};
      case HitFlash:
        return {"Hit flash", o.hitFlashPercent >= 100 ? "Full" : o.hitFlashPercent > 0 ? "Half" : "Off"};
      case TextSize: return {"HUD and text size", std::to_string(o.textSizePercent) + "%"};
      case Back: return {"Back", ""};
      case Defaults: return {"Defaults", ""};
      default: return {"", "", true};
    }
  }

  void change(int index, int delta) override {
    GameOptions& o = gameOptions;
    switch (index) {
      case RulesRow:
        o.play.rules = o.play.rules == Rules::Classic ? Rules::Stealth : Rules::Classic;
        break;
      case DifficultyRow: {
        const int d = static_cast<int>(o.play.difficulty) + delta;
        o.play.difficulty = static_cast<Difficulty>(d < 0 ? 0 : (d > 2 ? 2 : d));
        break;
      }
      case MeterRow: o.play.visibilityMeter = !o.play.visibilityMeter; break;
      case Screen:
        platform::toggleFullScreen();
        o.fullScreen = !o.fullScreen;
        break;
      case WindowSize: stepSize(delta); break;
      case FieldOfView:
        o.fieldOfView = std::fmin(90.0f, std::fmax(30.0f, o.fieldOfView + 5.0f * delta));
        break;
      case FpsLine: fpsShown = !fpsShown; break;
      case Filtering: applyFiltering(!trilinearFiltering); break;
      case Music: applyMusic(!musicOn); break;
      case MusicVolume: o.musicVolume = clampPercent(o.musicVolume + 10 * delta); break;
      case EffectsVolume:
        o.effectsVolume = clampPercent(o.effectsVolume + 10 * delta);
        // A short effect at the new level.
        applyGameOptions();
        playCue(Cue::Taken);
        break;
      case Sensitivity: o.mouseSensitivity = stepThrough(sensitivities, o.mouseSensitivity, delta); break;
      case InvertMouse: o.invertMouse = !o.invertMouse; break;
      case PadTurnSpeed:
        o.pad.turnSpeed = std::fmin(720.0f, std::fmax(30.0f, o.pad.turnSpeed + 30.0f * delta));
        break;
      case InvertPad: o.pad.inverted = !o.pad.inverted; break;
      case AlarmLights: o.steadyAlarmLights = !o.steadyAlarmLights; break;
      case HitFlash: o.hitFlashPercent = stepThrough(hitFlashes, o.hitFlashPercent, delta); break;
      case TextSize: o.textSizePercent = stepThrough(textSizes, o.textSizePercent, delta); break;
      default: return;
    }
    applyGameOptions();
    if (index != EffectsVolume) playCue(Cue::MenuMoved);
  }

  void choose(int index) override {
    switch (index) {
      case Bindings: openBindings(); break;
      case Back: back(); break;
      case Defaults: restoreDefaults(); break;
      default: change(index, 1); break;
    }
  }

  // A save that fails keeps the page up once, with the reason; Back again leaves it.
  void back() override {
    if (!save() && !failureShown) {
      failureShown = true;
      return;
    }
    closeOptions();
  }

  void shown() override {
    notice.clear();
    failureShown = false;
    readLiveToggles();
    size = {platform::windowWidth(), platform::windowHeight()};
    if (platform::fullScreenShown() && screenWidth > 0) size = {screenWidth, screenHeight};
    linesWhenShown = gameOptionLines(gameOptions);
    sizeWhenShown = size;
  }

  // Leaving the page writes the player's file when anything changed; a failure is a line on
  // standard output and on the page, and the game plays on with the new values.
  bool save() {
    readLiveToggles();
    const auto lines = gameOptionLines(gameOptions);
    const bool sized = size.width != sizeWhenShown.width || size.height != sizeWhenShown.height;
    if ((lines == linesWhenShown && !sized) || !savesAllowed) return true;
    std::string problem = "no folder for it (HOME is not set)";
    const std::string sizeText =
        sized ? std::to_string(size.width) + "x" + std::to_string(size.height) : "";
    const std::string text = settingsWithValues(settingsText, lines, sizeText);
    if (!userSettingsFile.empty() && saveSettingsFile(userSettingsFile, text, problem)) {
      settingsText = text;
      linesWhenShown = lines;
      sizeWhenShown = size;
      return true;
    }
    notice = "The settings could not be saved: " + problem;
    std::printf("%s\n", notice.c_str());
    std::fflush(stdout);
    return false;
  }

 private:
  static int clampPercent(int value) { return value < 0 ? 0 : (value > 100 ? 100 : value); }

  // The next size up or down among those that fit the screen, from the window's size now.
  void stepSize(int delta) {
    const int screenW = platform::screenPixelsWide(), screenH = platform::screenPixelsHigh();
    std::vector<Size> fitting;
    for (const Size& s : windowSizes) {
      if (screenW <= 0 || (s.width <= screenW && s.height <= screenH)) fitting.push_back(s);
    }
    if (fitting.empty()) return;
    const long area = static_cast<long>(size.width) * size.height;
    const Size* next = delta > 0 ? &fitting.back() : &fitting.front();
    if (delta > 0) {
      for (auto it = fitting.begin(); it != fitting.end(); ++it) {
        if (static_cast<long>(it->width) * it->height > area) {
          next = &*it;
          break;
        }
      }
    } else {
      for (auto it = fitting.rbegin(); it != fitting.rend(); ++it) {
        if (static_cast<long>(it->width) * it->height < area) {
          next = &*it;
          break;
        }
      }
    }
    size = *next;
    platform::resizeWindow(size.width, size.height);
  }

  void restoreDefaults() {
    const KeyBindings keys = gameOptions.keys;
    const PadBindingTable padKeys = gameOptions.padKeys;
    gameOptions = GameOptions();
    gameOptions.keys = keys;  // the bindings page has its own Defaults
    gameOptions.padKeys = padKeys;
    fpsShown = gameOptions.fpsLine;
    applyFiltering(gameOptions.trilinear);
    applyMusic(gameOptions.music);
    applyGameOptions();
    playCue(Cue::MenuMoved);
    notice = "Options back to their defaults";
  }

  bool failureShown = false;
  Size size{1024, 768};
  Size sizeWhenShown{1024, 768};
  std::vector<std::pair<std::string, std::string>> linesWhenShown;
};

// ---- The bindings page ----
// Each action of the keys has two rows, one a key; then the pad's play actions, one control
// each; then Defaults and Back.
constexpr int keyRows = keyActionCount * keysPerAction;
constexpr int padHeadingRow = keyRows;
constexpr int firstPadRow = keyRows + 1;
constexpr int defaultsRow = firstPadRow + padPlayActionCount;
constexpr int backRow = defaultsRow + 1;

int lowerCase(int key) {
  return key >= 'A' && key <= 'Z' ? key - 'A' + 'a' : key;
}

class BindingsPage : public MenuPage {
 public:
  const char* title() const override { return "Key bindings"; }
  int rowCount() const override { return backRow + 1; }

  MenuRow rowAt(int index) const override {
    if (index == defaultsRow) return {"Defaults", ""};
    if (index == backRow) return {"Back", ""};
    if (index == padHeadingRow) return {"GAME PAD", "", true};
    std::string label, value;
    if (index < keyRows) {
      const KeyAction action = static_cast<KeyAction>(index / keysPerAction);
      const int slot = index % keysPerAction;
      label = slot == 0 ? keyActionLabel(action) : std::string("    ... or");
      value = keyName(keyBindings.at(action, slot));
    } else {
      const int action = index - firstPadRow;
      label = std::string("Pad: ") + padActionName(static_cast<PadAction>(action));
      value = padControlName(padBindings.control[action]);
    }
    if (waiting && index == selected) value = index < keyRows ? "press a key" : "press a button";
    return {label, value, false, false};
  }

  void choose(int index) override {
    if (index == defaultsRow) {
      keyBindings = KeyBindings::defaults();
      padBindings = defaultPadBindings();
      readLiveToggles();
      notice = "Every key and button back to its default";
      playCue(Cue::MenuMoved);
      return;
    }
    if (index == backRow) {
      back();
      return;
    }
    waiting = true;
    notice.clear();
  }

  void back() override {
    waiting = false;
    closeBindings();
  }

  bool waitingForKey() const override { return waiting; }
  const char* hint() const override {
    return "W / S: choose     Enter: bind     Backspace: clear     Esc: back";
  }

  bool takeKey(int key) override {
    constexpr int escKey = 27, backspaceKey = 8;
    if (!waiting) {
      // Backspace clears the selected key (a pad's action always keeps a control).
      if (key != backspaceKey || selected >= keyRows) return false;
      keyBindings.at(static_cast<KeyAction>(selected / keysPerAction), selected % keysPerAction) =
          noKey;
      readLiveToggles();
      notice.clear();
      return true;
    }
    if (key == escKey) {
      waiting = false;
      return true;
    }
    if (selected >= keyRows) return takePadControl(key);
    if (key >= padControlKeyBase) return true;  // a pad's button on a key's row: still waiting
    if (!bindableKey(lowerCase(key))) {
      notice = "Esc, Enter, Backspace, Tab and the F keys cannot be bound";
      return true;
    }
    const KeyAction action = static_cast<KeyAction>(selected / keysPerAction);
    const KeyAction from = bindKey(keyBindings, action, selected % keysPerAction, key);
    finishBinding(from == KeyAction::Count ? ""
                                           : keyName(lowerCase(key)) + " was moved from " +
                                                 keyActionLabel(from));
    return true;
  }

  void shown() override {
    waiting = false;
    notice.clear();
  }

 private:
  bool takePadControl(int key) {
    if (key < padControlKeyBase) {
      notice = "Press a button of the pad (Esc cancels)";
      return true;
    }
    const PadControl control = static_cast<PadControl>(key - padControlKeyBase);
    const PadAction action = static_cast<PadAction>(selected - firstPadRow);
    const PadAction from = bindPadControl(padBindings, action, control);
    finishBinding(from == PadAction::Count
                      ? ""
                      : std::string(padControlName(control)) + " was moved from " +
                            padActionName(from));
    return true;
  }

  void finishBinding(const std::string& line) {
    readLiveToggles();
    waiting = false;
    notice = line;
    playCue(Cue::MenuMoved);
  }

  bool waiting = false;
};

}  // namespace

void noteSettingsFile(const std::string& contents, const std::string& userPath) {
  settingsText = contents;
  userSettingsFile = userPath;
}

void keepSettingsFileUnwritten() {
  savesAllowed = false;
}

void applyGameOptions() {
  const GameOptions& o = gameOptions;
  mouseSensitivity = o.mouseSensitivity;
  mouseInverted = o.invertMouse;
  setPlayerVolumes(o.musicVolume, o.effectsVolume);
  padOptions = o.pad;
  keyBindings = o.keys;
  padBindings = o.padKeys;
  chooseRules(o.play.rules);
  chooseDifficulty(o.play.difficulty);
  showVisibilityMeter(o.play.visibilityMeter);
  accessibility.steadyAlarmLights = o.steadyAlarmLights;
  accessibility.hitFlashPercent = o.hitFlashPercent;
  accessibility.textSizePercent = o.textSizePercent;
  noteRecordedOptions();
  // The field of view: the projection is set again for the window as it is.
  if (platform::windowOpen()) reshape(platform::windowWidth(), platform::windowHeight());
}

MenuPage& optionsMenuPage() {
  static OptionsPage page;
  return page;
}

MenuPage& keyBindingsPage() {
  static BindingsPage page;
  return page;
}
