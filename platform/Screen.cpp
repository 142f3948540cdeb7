// The window's size and the overlay layout.
#include "platform/Screen.h"

#include <algorithm>

namespace platform {

namespace {

// The window GLUT opened, as the last reshape reported it; a 1024x768 screen until then.
int width = layoutWidth;
int height = layoutHeight;
unsigned generation = 0;
int refreshHertz = 60;

}  // namespace

void setWindowSize(int newWidth, int newHeight) {
  newWidth = std::max(1, newWidth);
  newHeight = std::max(1, newHeight);
  if (newWidth == width && newHeight == height) return;
  width = newWidth;
  height = newHeight;
  ++generation;
}

int windowWidth() { return width; }
int windowHeight() { return height; }
unsigned windowSizeGeneration() { return generation; }

float layoutScale() {
  return std::min(static_cast<float>(height) / layoutHeight,
                  static_cast<float>(width) / layoutWidth);
}

WindowPoint toWindow(float x, float y, Anchor anchor) {
  const float s = layoutScale();
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const bool left = anchor == Anchor::TopLeft || anchor == Anchor::BottomLeft;
  const bool right = anchor == Anchor::TopRight || anchor == Anchor::BottomRight;
  const bool top = anchor == Anchor::TopLeft || anchor == Anchor::TopRight;
  const bool bottom = anchor == Anchor::BottomLeft || anchor == Anchor::BottomRight;
  WindowPoint p;
  p.x = left ? s * x : right ? w - s * (layoutWidth - x) : w * 0.5f + s * (x - layoutWidth * 0.5f);
  p.y = top ? s * y : bottom ? h - s * (layoutHeight - y) : h * 0.5f + s * (y - layoutHeight * 0.5f);
  return p;
}

WindowPoint toCentredLayout(float x, float y) {
  const float s = layoutScale();
  return {(x - static_cast<float>(width) * 0.5f) / s + layoutWidth * 0.5f,
          (y - static_cast<float>(height) * 0.5f) / s + layoutHeight * 0.5f};
}

void setDisplayRefreshRate(int hertz) { refreshHertz = hertz > 0 ? hertz : 60; }
int displayRefreshRate() { return refreshHertz; }

int pointerCentreX() { return width / 2; }
int pointerCentreY() { return height / 2; }

}  // namespace platform
