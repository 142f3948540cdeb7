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

}  // namespace

PadBindingTable padBindings = defaultBindings;

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
