// The mouse pointer: hiding it and warping it to a window position.
// Tests install a recorder instead of moving a real pointer.
#pragma once

namespace platform {

// Moves the pointer to window pixel (x, y); in the full-screen window these are screen pixels.
void warpPointer(int x, int y);

// Hides the pointer over the game window.
void hidePointer();

// Shows the desktop's pointer over the game window again.
void showPointer();

// Replaces the warp (nullptr restores the real one). The replay driver and tests use this.
using WarpHook = void (*)(int x, int y);
void setWarpHook(WarpHook hook);

}  // namespace platform
