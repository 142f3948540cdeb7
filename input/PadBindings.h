// What the pad's buttons do, as data: one control for each action. The pad's reading follows
// this table, and the controls page, the help text and a later bindings page read it.
#pragma once

#include <cstdint>
#include <string>

// The pad's controls, in the order of SDL's game-controller buttons, then the two triggers
// (pressed beyond half way). The sticks are not bound here: the left walks, the right looks.
enum class PadControl : std::uint8_t {
  A, B, X, Y, Back, Guide, Start, LeftStick, RightStick, LeftShoulder, RightShoulder,
  DpadUp, DpadDown, DpadLeft, DpadRight, LeftTrigger, RightTrigger,
  Count
};
constexpr int padControlCount = static_cast<int>(PadControl::Count);

// What a control can do. The first six act in play, Pause and Back while paused too; the
// last four in the menu, its pages and on the end screens (where any control goes on).
enum class PadAction : std::uint8_t {
  Fire, Take, EmptyBag, Leave, SwitchPace, Help,  // in play
  Pause,                                          // in play and paused
  MenuUp, MenuDown, Choose, GoBack,               // menus; GoBack also ends a pause to the menu
  Count
};
constexpr int padActionCount = static_cast<int>(PadAction::Count);

// One control for each action, indexed by the action.
struct PadBindingTable {
  PadControl control[padActionCount];
  bool operator==(const PadBindingTable& other) const {
    for (int i = 0; i < padActionCount; ++i) {
      if (control[i] != other.control[i]) return false;
    }
    return true;
  }
};

// The defaults below.
PadBindingTable defaultPadBindings();

// ---- Live for the whole run: the defaults at start-up; a bindings page may change them ----
extern PadBindingTable padBindings;

// The defaults: right trigger fires, A takes, X empties the bag, Y leaves, the left shoulder
// walks or runs, Start pauses, Back shows the controls; the d-pad moves in menus, A chooses
// and B goes back.
void resetPadBindings();

// The control bound to an action.
PadControl padControlFor(PadAction action);

// The actions of play, which the bindings page and the settings lines change (the menus'
// controls stay as they are, so that no player can lose his way back).
constexpr int padPlayActionCount = static_cast<int>(PadAction::Pause) + 1;

// Binds `control` to a play action; the play action that had it gets the action's old
// control in exchange. Returns that action, or Count when none had it.
PadAction bindPadControl(PadBindingTable& table, PadAction action, PadControl control);

// The settings lines' names and values: "pad-take", "pad-fire"...; "a", "right-trigger"...
const char* padActionSettingName(PadAction action);
const char* padControlSettingName(PadControl control);
bool padControlFromName(const std::string& name, PadControl& control);

// Names for people: "right trigger", "A"...; "take", "empty the bag"...
const char* padControlName(PadControl control);
const char* padActionName(PadAction action);
