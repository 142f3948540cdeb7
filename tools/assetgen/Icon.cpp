// The desktop icon: the floodlit front of the museum under a night sky with the moon, on a
// rounded tile. Painted once at 256 pixels and box-averaged down to the smaller sizes, so every
// size shows the same picture; written as RGBA PNG files in the hicolor theme's layout.
#include <png.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "AssetGen.h"
#include "Paint.h"

namespace assetgen {
namespace {

constexpr int kDesign = 256;            // the size everything below is drawn at
constexpr float kTileInset = 12.0f;     // transparent margin around the tile
constexpr float kTileCorner = 44.0f;    // corner radius of the tile
const int kIconSizes[] = {48, 128, 256};

// Coverage of the rounded tile: signed distance to its rim, one pixel of antialiasing.
Canvas tileAlpha() {
  Canvas alpha(kDesign, kDesign);
  const float half = kDesign * 0.5f - kTileInset - kTileCorner;
  alpha.shade([&](int x, int y, Colour& a) {
    const float qx = std::fabs(x + 0.5f - kDesign * 0.5f) - half;
    const float qy = std::fabs(y + 0.5f - kDesign * 0.5f) - half;
    const float ox = std::fmax(qx, 0.0f), oy = std::fmax(qy, 0.0f);
    const float distance =
        std::sqrt(ox * ox + oy * oy) + std::fmin(std::fmax(qx, qy), 0.0f) - kTileCorner;
    const float v = clamp01(0.5f - distance);
    a = Colour{v, v, v};
  });
  return alpha;
}

// The museum front as the menu shows it, simplified to read at 48 pixels: pediment, four
// columns, steps, and the open door glowing gold.
void paintMuseum(Canvas& c) {
  const Colour stone = rgb(150, 150, 172);
  const float top = 118.0f, base = 198.0f;
  c.fillPolygon({{40, top}, {128, top - 50}, {216, top}}, scaled(stone, 0.85f));
  c.fillPolygon({{62, top - 7}, {128, top - 40}, {194, top - 7}}, scaled(stone, 0.55f));
  c.fillRect(34, top, 222, top + 10, stone);
  for (const float x : {44.0f, 80.0f, 156.0f, 192.0f}) {
    c.shade([&](int px, int py, Colour& p) {
      if (px < x || px >= x + 20 || py < top + 10 || py >= base) return;
      const float u = (px + 0.5f - x) / 20.0f;
      const float lift = 0.65f + 0.5f * (py - top) / (base - top);  // lit from below
      p = scaled(stone, (0.5f + 0.5f * std::sin(u * 3.14159f)) * lift);
    });
  }
  c.fillRect(112, 148, 144, base, rgb(255, 196, 80));
  c.fillRect(118, 156, 138, 184, rgb(120, 70, 30));  // a picture's back in the doorway
  c.fillRect(30, base, 226, base + 8, scaled(stone, 1.1f));
  c.fillRect(22, base + 8, 234, base + 16, scaled(stone, 0.9f));
}

Canvas tileColour() {
  Canvas c(kDesign, kDesign);
  c.verticalGradient(0.0f, kDesign, rgb(10, 12, 34), rgb(40, 46, 86));
  Random r(77);
  for (int i = 0; i < 24; ++i) {
    const float x = static_cast<float>(r.range(24, 232));
    const float y = static_cast<float>(r.range(24, 100));
    c.fillEllipse(x, y, 1.4f, 1.4f, rgb(220, 225, 255), static_cast<float>(r.range(0.4, 1.0)));
  }
  c.fillEllipse(196.0f, 56.0f, 20.0f, 20.0f, rgb(240, 236, 214), 1.0f, 1.5f);
  paintMuseum(c);
  c.fillRect(0, 214, kDesign, kDesign, rgb(16, 16, 24));
  return c;
}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

// The bytes of an 8-bit RGBA PNG of colour with alpha's red channel as its coverage.
bool encodePngRgba(const Canvas& colour, const Canvas& alpha, std::string& bytes) {
  const Image rgbImage = colour.toImage();
  const Image alphaImage = alpha.toImage();
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &bytes, appendBytes, nullptr);
  png_set_IHDR(png, info, rgbImage.width, rgbImage.height, 8, PNG_COLOR_TYPE_RGBA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<std::size_t>(rgbImage.width) * 4);
  for (int y = 0; y < rgbImage.height; ++y) {
    for (int x = 0; x < rgbImage.width; ++x) {
      const std::uint8_t* source = &rgbImage.rgb[(static_cast<std::size_t>(y) * rgbImage.width + x) * 3];
      png_byte* out = &row[static_cast<std::size_t>(x) * 4];
      out[0] = source[0];
      out[1] = source[1];
      out[2] = source[2];
      out[3] = alphaImage.rgb[(static_cast<std::size_t>(y) * alphaImage.width + x) * 3];
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace
}  // namespace assetgen

bool writeIcons(const std::string& themeDir) {
  using namespace assetgen;
  const Canvas colour = tileColour();
  const Canvas alpha = tileAlpha();
  for (const int size : kIconSizes) {
    std::string bytes;
    if (!encodePngRgba(colour.resized(size, size), alpha.resized(size, size), bytes)) {
      std::fprintf(stderr, "assetgen: cannot encode the %d pixel icon\n", size);
      return false;
    }
    const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
    if (!writeFileAtomically(themeDir + "/" + sizeName + "/apps/vaultrun.png", bytes)) {
      return false;
    }
  }
  return true;
}
