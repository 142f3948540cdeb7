// Helpers shared by the asset tests: little-endian byte builders, files in a private temporary
// folder, and pixel probes for the tests that draw.
#pragma once

#include <GL/gl.h>

#include <unistd.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace assettest {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void put32(Bytes& b, std::uint32_t v) {
  put16(b, v & 0xffff);
  put16(b, v >> 16);
}

// A folder of this test process's own, made on first use.
inline std::string tempFolder() {
  static const std::string folder = [] {
    const std::filesystem::path p = std::filesystem::path(testing::TempDir()) /
                                    ("vaultrun_assets_" + std::to_string(getpid()));
    std::filesystem::create_directories(p);
    return p.string();
  }();
  return folder;
}

inline std::string writeFile(const std::string& name, const std::string& text) {
  const std::string path = tempFolder() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return path;
}

inline std::string writeFile(const std::string& name, const Bytes& bytes) {
  return writeFile(name, std::string(bytes.begin(), bytes.end()));
}

// A 24-bit BMP file of width x height pixels given as R, G, B, bottom row first.
inline Bytes bmp24(int width, int height, const Bytes& rgb) {
  const int stride = (width * 3 + 3) / 4 * 4;
  Bytes b = {'B', 'M'};
  put32(b, static_cast<std::uint32_t>(54 + stride * height));
  put32(b, 0);
  put32(b, 54);
  put32(b, 40);
  put32(b, static_cast<std::uint32_t>(width));
  put32(b, static_cast<std::uint32_t>(height));
  put16(b, 1);
  put16(b, 24);
  for (int i = 0; i < 6; ++i) put32(b, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t p = static_cast<std::size_t>((y * width + x) * 3);
      b.push_back(rgb[p + 2]);
      b.push_back(rgb[p + 1]);
      b.push_back(rgb[p]);
    }
    b.resize(b.size() + static_cast<std::size_t>(stride - width * 3), 0);
  }
  return b;
}

// ---- Drawing tests: a 2D projection over the whole window, and pixel reads ----

// Clears to black and sets an orthographic view of x, y in [-1, 1] (z in [-10, 10]) over the
// whole window, with lighting, texturing and blending off.
inline void startFlatScene() {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1.0, 1.0, -1.0, 1.0, -10.0, 10.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColor3f(1.0f, 1.0f, 1.0f);
}

// The colour drawn at (x, y) of the flat scene's coordinates.
inline std::array<int, 3> pixelAt(float x, float y) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  const int px = viewport[0] + static_cast<int>((x + 1.0f) / 2.0f * viewport[2]);
  const int py = viewport[1] + static_cast<int>((y + 1.0f) / 2.0f * viewport[3]);
  glFinish();
  std::uint8_t rgb[3] = {0, 0, 0};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(px, py, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  return {rgb[0], rgb[1], rgb[2]};
}

}  // namespace assettest
