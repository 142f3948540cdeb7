// The window the game draws into and the layout of everything flat on it. The overlays (menu
// pages, HUD, crosshair, text lines) are laid out as on a 1024x768 screen and scaled
// uniformly to the window: by height / 768, or by width / 1024 in a window narrower than 4:3,
// so that the whole layout always fits. What hangs at a corner stays at it; what stands near
// the middle stays centred. No GL here: the reshape callback tells it the size, and the
// renderer, the game and the input ask it.
#pragma once

namespace platform {

// The screen the layout was made for.
constexpr int layoutWidth = 1024;
constexpr int layoutHeight = 768;

// Which point of the window a layout position keeps its distance to (scaled).
enum class Anchor { TopLeft, TopRight, BottomLeft, BottomRight, Centre };

struct WindowPoint {
  float x, y;  // window pixels, y downwards
};

// Set by the reshape callback with the window's real size (a zero side counts as 1).
void setWindowSize(int width, int height);
int windowWidth();
int windowHeight();
// Changes with every new window size, so that whoever caches a layout can tell it is stale.
unsigned windowSizeGeneration();

// Window pixels per layout pixel; exactly 1 in a 1024x768 window.
float layoutScale();

// A layout position (pixels of the 1024x768 screen, y downwards) in window pixels.
WindowPoint toWindow(float x, float y, Anchor anchor);

// A window position (the pointer's) on the layout of what stands centred: toWindow's
// inverse for Anchor::Centre.
WindowPoint toCentredLayout(float x, float y);

// The centre the pointer is held at for mouse look: integer halves of the window's size.
int pointerCentreX();
int pointerCentreY();

// The refresh rate of the display, in hertz: what the screen mode reports, else what the
// settings ask for, else 60. Start-up sets it once the display is open.
void setDisplayRefreshRate(int hertz);
int displayRefreshRate();

}  // namespace platform
