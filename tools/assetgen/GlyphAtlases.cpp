// The glyph atlases that the game draws its text lines from: printable ASCII of two faces
// (a serif for the headline lines, a sans for the small ones) at several pixel sizes, so
// that text on any window is drawn from an atlas close to its size. Each atlas is a BMP
// whose red channel is the glyph's coverage and green its dark outline's, and a text file
// with every glyph's place in it.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "AssetGen.h"
#include "AssetFiles.h"

#ifndef VAULTRUN_FONT_DIR
#define VAULTRUN_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace {

struct Face {
  const char* name;       // the file stem in data/textures/text/
  const char* fontFile;   // under VAULTRUN_FONT_DIR
  int pixelsAtScaleOne;   // em height on a 768-pixel-high screen
};

// Widths close to those of the bitmap fonts the lines were laid out with (Times Roman 24
// and Helvetica 18), so that the lines' places on a 1024x768 screen still suit them.
const Face faces[] = {
    {"serif", "DejaVuSerifCondensed-Bold.ttf", 20},
    {"sans", "DejaVuSansCondensed-Bold.ttf", 16},
};
// The game picks the smallest atlas at least as large as the window needs.
const int scalePercents[] = {100, 150, 200, 300};

constexpr int firstCode = 32, lastCode = 126;

struct Glyph {
  int code = 0;
  int width = 0, height = 0;   // the cell, outline included
  int left = 0, top = 0;       // cell corner from the pen on the baseline (top: upwards)
  int advance = 0;             // pixels
  std::vector<float> fill;     // coverage, width x height
  int x = 0, y = 0;            // place in the atlas
};

// The outline: the coverage spread over a disc of `radius` pixels with a soft rim.
std::vector<float> outlineOf(const std::vector<float>& fill, int w, int h, float radius) {
  std::vector<float> out(fill.size(), 0.0f);
  const int r = static_cast<int>(std::ceil(radius));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      float best = 0.0f;
      for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx) {
          const int sx = x + dx, sy = y + dy;
          if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
          const float weight =
              std::clamp(radius + 0.5f - std::sqrt(static_cast<float>(dx * dx + dy * dy)), 0.0f, 1.0f);
          best = std::max(best, fill[static_cast<std::size_t>(sy) * w + sx] * weight);
        }
      }
      out[static_cast<std::size_t>(y) * w + x] = best;
    }
  }
  return out;
}

bool renderGlyph(FT_Face face, int code, int pad, Glyph& glyph) {
  if (FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER) != 0) return false;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.code = code;
  glyph.width = static_cast<int>(bitmap.width) + 2 * pad;
  glyph.height = static_cast<int>(bitmap.rows) + 2 * pad;
  glyph.left = slot->bitmap_left - pad;
  glyph.top = slot->bitmap_top + pad;
  glyph.advance = static_cast<int>(std::lround(slot->advance.x / 64.0));
  glyph.fill.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0.0f);
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    for (unsigned col = 0; col < bitmap.width; ++col) {
      glyph.fill[(row + pad) * glyph.width + col + pad] =
          bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
    }
  }
  return true;
}

// Shelf packing in rows; returns the atlas height (a power of two), 0 when it won't fit.
int pack(std::vector<Glyph>& glyphs, int atlasWidth) {
  int x = 1, y = 1, shelf = 0;
  for (Glyph& g : glyphs) {
    if (x + g.width + 1 > atlasWidth) {
      x = 1;
      y += shelf + 1;
      shelf = 0;
    }
    if (g.width + 2 > atlasWidth) return 0;
    g.x = x;
    g.y = y;
    x += g.width + 1;
    shelf = std::max(shelf, g.height);
  }
  int height = 16;
  while (height < y + shelf + 1) height *= 2;
  return height;
}

bool writeAtlas(const std::string& dataDir, FT_Library library, const Face& face, int percent) {
  const std::string fontPath = std::string(VAULTRUN_FONT_DIR) + "/" + face.fontFile;
  FT_Face ft = nullptr;
  if (FT_New_Face(library, fontPath.c_str(), 0, &ft) != 0) {
    std::fprintf(stderr, "assetgen: cannot open the font %s\n", fontPath.c_str());
    return false;
  }
  const int pixels = (face.pixelsAtScaleOne * percent + 50) / 100;
  FT_Set_Pixel_Sizes(ft, 0, static_cast<FT_UInt>(pixels));
  const float radius = 1.3f * percent / 100.0f;
  const int pad = static_cast<int>(std::ceil(radius)) + 1;
  std::vector<Glyph> glyphs;
  for (int code = firstCode; code <= lastCode; ++code) {
    Glyph g;
    if (!renderGlyph(ft, code, pad, g)) {
      std::fprintf(stderr, "assetgen: %s has no glyph %d\n", fontPath.c_str(), code);
      FT_Done_Face(ft);
      return false;
    }
    glyphs.push_back(std::move(g));
  }
  const int ascent = static_cast<int>(std::lround(ft->size->metrics.ascender / 64.0));
  const int lineHeight = static_cast<int>(std::lround(ft->size->metrics.height / 64.0));
  FT_Done_Face(ft);

  int atlasWidth = 256;
  int atlasHeight = 0;
  while ((atlasHeight = pack(glyphs, atlasWidth)) > atlasWidth) atlasWidth *= 2;
  assetgen::Image image(atlasWidth, atlasHeight);
  std::string table = "# glyph atlas of " + std::string(face.fontFile) + " at " +
                      std::to_string(pixels) + " pixels: red the glyph, green its outline\n";
  table += "atlas " + std::to_string(atlasWidth) + " " + std::to_string(atlasHeight) + " " +
           std::to_string(percent) + " " + std::to_string(ascent) + " " +
           std::to_string(lineHeight) + "\n";
  for (const Glyph& g : glyphs) {
    const std::vector<float> outline = outlineOf(g.fill, g.width, g.height, radius);
    for (int y = 0; y < g.height; ++y) {
      for (int x = 0; x < g.width; ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * g.width + x;
        image.set(g.x + x, g.y + y, static_cast<std::uint8_t>(std::lround(g.fill[i] * 255.0f)),
                  static_cast<std::uint8_t>(std::lround(std::max(outline[i], g.fill[i]) * 255.0f)), 0);
      }
    }
    char line[128];
    std::snprintf(line, sizeof line, "glyph %d %d %d %d %d %d %d %d\n", g.code, g.x, g.y, g.width,
                  g.height, g.left, g.top, g.advance);
    table += line;
  }
  const std::string stem = dataDir + "/textures/text/" + face.name + "_" + std::to_string(percent);
  return assetgen::writeBmp(stem + ".bmp", image) &&
         assetgen::writeFileAtomically(stem + ".txt", table);
}

}  // namespace

bool writeGlyphAtlases(const std::string& dataDir) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) {
    std::fprintf(stderr, "assetgen: cannot start FreeType\n");
    return false;
  }
  bool ok = true;
  for (const Face& face : faces) {
    for (int percent : scalePercents) ok = ok && writeAtlas(dataDir, library, face, percent);
  }
  FT_Done_FreeType(library);
  return ok;
}
