// The pad's bindings table and the names shown for it.
#include "input/PadBindings.h"

namespace {

constexpr PadBindingTable defaultBindings = {{
    PadControl::RightTrigger,  // Fire
    PadControl::A,             // Take
    PadControl::X,             // EmptyBag
    PadControl::Y,             // Leave
    PadControl::LeftShoulder,  // SwitchPace
    PadControl::Back,          // Help
    PadControl::Start,         // Pause
    PadControl::DpadUp,        // MenuUp
    PadControl::DpadDown,      // MenuDown
    PadControl::A,             // Choose
    PadControl::B,             // GoBack
}};

const char* const controlSettingNames[padControlCount] = {
    "a", "b", "x", "y", "back", "guide", "start", "left-stick", "right-stick", "left-shoulder",
    "right-shoulder", "dpad-up", "dpad-down", "dpad-left", "dpad-right", "left-trigger",
    "right-trigger"};

}  // namespace

PadBindingTable padBindings = defaultBindings;

PadBindingTable defaultPadBindings() {
  return defaultBindings;
}

PadAction bindPadControl(PadBindingTable& table, PadAction action, PadControl control) {
  const int a = static_cast<int>(action);
  PadAction swapped = PadAction::Count;
  for (int other = 0; other < padPlayActionCount; ++other) {
    if (other == a || table.control[other] != control) continue;
    table.control[other] = table.control[a];
    swapped = static_cast<PadAction>(other);
  }
  table.control[a] = control;
  return swapped;
}

const char* padActionSettingName(PadAction action) {
  static const char* const names[padActionCount] = {
      "pad-fire", "pad-take", "pad-empty-bag", "pad-leave", "pad-walk-or-run", "pad-help",
      "pad-pause", "pad-menu-up", "pad-menu-down", "pad-choose", "pad-back"};
  const int i = static_cast<int>(action);
  return i >= 0 && i < padActionCount ? names[i] : "?";
}

const char* padControlSettingName(PadControl control) {
  const int i = static_cast<int>(control);
  return i >= 0 && i < padControlCount ? controlSettingNames[i] : "?";
}

bool padControlFromName(const std::string& name, PadControl& control) {
  for (int i = 0; i < padControlCount; ++i) {
    if (name == controlSettingNames[i]) {
      control = static_cast<PadControl>(i);
      return true;
    }
  }
  return false;
}

void resetPadBindings() {
  padBindings = defaultBindings;
}

PadControl padControlFor(PadAction action) {
  return padBindings.control[static_cast<int>(action)];
}

const char* padControlName(PadControl control) {
  static const char* const names[padControlCount] = {
      "A", "B", "X", "Y", "Back", "Guide", "Start", "left stick button", "right stick button",
      "left shoulder", "right shoulder", "d-pad up", "d-pad down", "d-pad left", "d-pad right",
      "left trigger", "right trigger"};
  const int i = static_cast<int>(control);
  return i >= 0 && i < padControlCount ? names[i] : "?";
}

const char* padActionName(PadAction action) {
  static const char* const names[padActionCount] = {
      "shoot", "take what is in reach", "empty the bag", "leave at the exit", "walk / run",
      "controls", "pause / go on", "menu up", "menu down", "choose", "back"};
  const int i = static_cast<int>(action);
  return i >= 0 && i < padActionCount ? names[i] : "?";
}
