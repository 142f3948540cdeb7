// Helpers shared by the asset tests: BMP files, files in a private temporary folder, and pixel
// probes for the tests that draw.
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

#include "support/GlContext.h"
#include "tools/support/BmpFile.h"

#define REQUIRE_GL() \
  if (!testsupport::ensureGlContext()) GTEST_SKIP() << "no X display for a GL context"

namespace assettest {

using Bytes = std::vector<std::uint8_t>;
using Rgb = std::array<int, 3>;

// A folder of this test process's own, made on first use.
inline std::string tempFolder() {
  static const std::string folder = [] {
    const auto p =
        std::filesystem::path(testing::TempDir()) / ("vaultrun_assets_" + std::to_string(getpid()));
    std::filesystem::create_directories(p);
    return p.string();
  }();
  return folder;
}

inline std::string writeFile(const std::string& name, const Bytes& bytes) {
  const std::string path = tempFolder() + "/" + name;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

inline std::string writeFile(const std::string& name, const std::string& text) {
  return writeFile(name, Bytes(text.begin(), text.end()));
}

// A BMP: optional file header, a 12- or 40-byte (or longer) info header, then the colour
// table and stored rows exactly as given.
struct Bmp {
  std::int64_t width = 1, height = 1;
  std::uint32_t bits = 24, headerSize = 40, compression = 0, coloursUsed = 0;
  bool fileHeader = true;
  Bytes palette, rows;
  std::int64_t pixelOffset = -1;  // -1: right behind the colour table

  Bytes bytes() const {
    bmpfile::Headers h;
    h.fileHeader = fileHeader;
    h.infoSize = headerSize;
    h.pixelOffset = pixelOffset >= 0 ? std::uint32_t(pixelOffset)
                                     : (fileHeader ? 14u : 0u) + headerSize +
                                           std::uint32_t(palette.size());
    h.width = std::uint32_t(width), h.height = std::uint32_t(height);
    h.bits = bits, h.compression = compression, h.coloursUsed = coloursUsed;
    Bytes b;
    bmpfile::appendHeaders(b, h);
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
  }
};

// A 24-bit BMP file of width x height pixels given as R, G, B, bottom row first.
inline Bytes bmp24(int width, int height, const Bytes& rgb) {
  return bmpfile::file24<Bytes>(width, height, rgb.data(), bmpfile::RowOrder::BottomFirst);
}

// Clears to black and sets an orthographic view of x, y in [-1, 1] (z in [-10, 10]) over the
// whole window, with lighting, texturing, depth test and culling off and a white colour.
inline void startFlatScene() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1.0, 1.0, -1.0, 1.0, -10.0, 10.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  for (const GLenum cap : {GL_LIGHTING, GL_TEXTURE_2D, GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE}) {
    glDisable(cap);
  }
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColor3f(1.0f, 1.0f, 1.0f);
}

// The colour drawn at (x, y) of the flat scene's coordinates.
inline Rgb pixelAt(float x, float y) {
  GLint v[4];
  glGetIntegerv(GL_VIEWPORT, v);
  glFinish();
  std::uint8_t rgb[3] = {0, 0, 0};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(v[0] + static_cast<int>((x + 1.0f) / 2.0f * v[2]),
               v[1] + static_cast<int>((y + 1.0f) / 2.0f * v[3]), 1, 1, GL_RGB, GL_UNSIGNED_BYTE,
               rgb);
  return {rgb[0], rgb[1], rgb[2]};
}

}  // namespace assettest
