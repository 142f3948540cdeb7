// The virtual pad over SDL_JoystickAttachVirtualEx.
#include "VirtualPad.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>

namespace virtualpad {

namespace {
// Set by attach, cleared by detach.
SDL_Joystick* joystick = nullptr;
int deviceIndex = -1;
}  // namespace

bool attach(std::string& error) {
  if (joystick != nullptr) return true;
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
    error = SDL_GetError();
    return false;
  }
  SDL_VirtualJoystickDesc desc;
  SDL_zero(desc);
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
  desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
  desc.button_mask = (1u << (SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1)) - 1;
  desc.name = "Virtual pad";
  deviceIndex = SDL_JoystickAttachVirtualEx(&desc);
  if (deviceIndex < 0) {
    error = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    return false;
  }
  joystick = SDL_JoystickOpen(deviceIndex);
  if (joystick == nullptr) {
    error = SDL_GetError();
    SDL_JoystickDetachVirtual(deviceIndex);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    deviceIndex = -1;
    return false;
  }
  setAxis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0.0);
  setAxis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0.0);
  return true;
}

void detach() {
  if (joystick == nullptr) return;
  // The device index may have moved since: find the pad by its instance.
  const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
  SDL_JoystickClose(joystick);
  joystick = nullptr;
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
  }
  deviceIndex = -1;
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

bool attached() {
  return joystick != nullptr;
}

void setButton(int button, bool down) {
  if (joystick != nullptr) SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0);
}

void setAxis(int axis, double value) {
  if (joystick == nullptr) return;
  // SDL reads a pad's trigger over the axis's whole range, released at its lowest.
  const bool trigger = axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT || axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
  const double v = trigger ? std::max(0.0, std::min(1.0, value)) * 2.0 - 1.0
                           : std::max(-1.0, std::min(1.0, value));
  const long raw = v >= 0.0 ? std::lround(v * 32767.0) : std::lround(v * 32768.0);
  SDL_JoystickSetVirtualAxis(joystick, axis, static_cast<Sint16>(raw));
}

}  // namespace virtualpad
