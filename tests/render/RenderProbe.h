// Helpers for the rendering tests: the game's projection on a 1024 x 768 context, solid
// textures, and probes of the back buffer (GL rows count from the bottom, overlay y from the top).
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/Startup.h"

namespace renderprobe {

constexpr int width = 1024;
constexpr int height = 768;

struct Rgb {
  int r, g, b;
};

// The state a game frame starts in: the reshape projection, depth test on, cleared buffers.
inline void beginGameFrame() {
  screenWidth = width;
  screenHeight = height;
  reshape(width, height);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glColor3f(1.0f, 1.0f, 1.0f);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// A 1 x 1 texture of one colour (nearest filtering, no mipmaps), left bound.
inline GLuint solidTexture(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  const std::uint8_t pixel[3] = {r, g, b};
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, pixel);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  return name;
}

// The back buffer's pixels in the GL rectangle [x, x + w) x [row, row + h), RGB bytes.
inline std::vector<std::uint8_t> readBlock(int x, int row, int w, int h) {
  std::vector<std::uint8_t> block(static_cast<std::size_t>(w * h * 3));
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, row, w, h, GL_RGB, GL_UNSIGNED_BYTE, block.data());
  return block;
}

inline Rgb pixelAt(int x, int row) {
  const std::vector<std::uint8_t> p = readBlock(x, row, 1, 1);
  return {p[0], p[1], p[2]};
}

inline Rgb overlayPixel(int x, int y) {
  return pixelAt(x, height - 1 - y);
}

inline bool near(const Rgb& p, float r, float g, float b, int tolerance = 3) {
  return std::abs(p.r - static_cast<int>(r * 255.0f + 0.5f)) <= tolerance &&
         std::abs(p.g - static_cast<int>(g * 255.0f + 0.5f)) <= tolerance &&
         std::abs(p.b - static_cast<int>(b * 255.0f + 0.5f)) <= tolerance;
}

inline bool isBlack(const Rgb& p) {
  return p.r == 0 && p.g == 0 && p.b == 0;
}

// How many pixels of the overlay rectangle x0..x1 by y0..y1 (ends excluded) lie within 40 of
// the colour in every channel.
inline int countNearInOverlay(int x0, int y0, int x1, int y1, float r, float g, float b) {
  const std::vector<std::uint8_t> block = readBlock(x0, height - y1, x1 - x0, y1 - y0);
  int count = 0;
  for (std::size_t i = 0; i < block.size(); i += 3) {
    count += near({block[i], block[i + 1], block[i + 2]}, r, g, b, 40) ? 1 : 0;
  }
  return count;
}

}  // namespace renderprobe
