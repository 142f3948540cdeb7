// A game pad that lives only inside SDL (its virtual joystick): the replay driver and the
// tests plug it in, press it and tilt it, and the game reads it as any pad plugged in.
#pragma once

#include <string>

namespace virtualpad {

// Plugs in a pad with SDL's standard buttons and axes; false with SDL's reason when it
// cannot. A second attach while one is in does nothing.
bool attach(std::string& error);
// Pulls it out again (nothing when none is in).
void detach();
bool attached();
// SDL_GameControllerButton and SDL_GameControllerAxis numbers; axis values -1..1 (the
// triggers 0..1), clamped.
void setButton(int button, bool down);
void setAxis(int axis, double value);

}  // namespace virtualpad
