// FreeType text in textures.
#include "TextPainter.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>

#ifndef VAULTRUN_FONT_DIR
#define VAULTRUN_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace assetgen {

struct TextPainter::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  float stretchX = 1.0f;
};

namespace {

// Code points of a UTF-8 string; a malformed byte stands for itself.
std::vector<std::uint32_t> decodeUtf8(const std::string& text) {
  std::vector<std::uint32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int extra = 0;
    std::uint32_t cp = c;
    if (c >= 0xF0) {
      extra = 3;
      cp = c & 0x07u;
    } else if (c >= 0xE0) {
      extra = 2;
      cp = c & 0x0Fu;
    } else if (c >= 0xC0) {
      extra = 1;
      cp = c & 0x1Fu;
    }
    if (extra && i + extra >= text.size()) extra = 0;
    for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    out.push_back(extra ? cp : c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

}  // namespace

TextPainter::TextPainter(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

TextPainter::~TextPainter() {
  if (impl_->face) FT_Done_Face(impl_->face);
  if (impl_->library) FT_Done_FreeType(impl_->library);
}

std::unique_ptr<TextPainter> TextPainter::open(const std::string& fontFile) {
  auto impl = std::make_unique<Impl>();
  const std::string path = std::string(VAULTRUN_FONT_DIR) + "/" + fontFile;
  if (FT_Init_FreeType(&impl->library) != 0) {
    std::fprintf(stderr, "assetgen: cannot start FreeType\n");
    return nullptr;
  }
  if (FT_New_Face(impl->library, path.c_str(), 0, &impl->face) != 0) {
    std::fprintf(stderr, "assetgen: cannot open the font %s\n", path.c_str());
    FT_Done_FreeType(impl->library);
    impl->library = nullptr;
    return nullptr;
  }
  std::unique_ptr<TextPainter> painter(new TextPainter(std::move(impl)));
  painter->setSize(32.0f);
  return painter;
}

void TextPainter::setSize(float pixelHeight, float stretchX) {
  impl_->stretchX = stretchX;
  const FT_F26Dot6 height = static_cast<FT_F26Dot6>(std::lround(pixelHeight * 64.0f));
  const FT_F26Dot6 width = static_cast<FT_F26Dot6>(std::lround(pixelHeight * stretchX * 64.0f));
  FT_Set_Char_Size(impl_->face, width, height, 72, 72);
}

float TextPainter::measure(const std::string& text) {
  FT_Face face = impl_->face;
  float pen = 0.0f;
  FT_UInt previous = 0;
  for (std::uint32_t cp : decodeUtf8(text)) {
    const FT_UInt glyph = FT_Get_Char_Index(face, cp);
    if (previous && glyph && FT_HAS_KERNING(face)) {
      FT_Vector kern;
      FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
      pen += kern.x / 64.0f;
    }
    if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) == 0) pen += face->glyph->advance.x / 64.0f;
    previous = glyph;
  }
  return pen;
}

void TextPainter::drawToMask(std::vector<float>& mask, int width, int height, float x, float y,
                             const std::string& text) {
  FT_Face face = impl_->face;
  float pen = x;
  FT_UInt previous = 0;
  const int baseline = static_cast<int>(std::lround(y));
  for (std::uint32_t cp : decodeUtf8(text)) {
    const FT_UInt glyph = FT_Get_Char_Index(face, cp);
    if (previous && glyph && FT_HAS_KERNING(face)) {
      FT_Vector kern;
      FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
      pen += kern.x / 64.0f;
    }
    previous = glyph;
    if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER) != 0) continue;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    const int left = static_cast<int>(std::lround(pen)) + slot->bitmap_left;
    const int top = baseline - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      const int py = top + static_cast<int>(row);
      if (py < 0 || py >= height) continue;
      for (unsigned col = 0; col < bitmap.width; ++col) {
        const int px = left + static_cast<int>(col);
        if (px < 0 || px >= width) continue;
        const float value = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
        float& m = mask[static_cast<std::size_t>(py) * width + px];
        m = std::min(1.0f, m + value);
      }
    }
    pen += slot->advance.x / 64.0f;
  }
}

namespace {

// The region a line of text covers, padded, and its coverage mask.
struct TextBox {
  int x0 = 0;
  int y0 = 0;
  int width = 0;
  int height = 0;
  std::vector<float> mask;
};

void blendBox(Canvas& canvas, const TextBox& box, const std::vector<float>& mask, Colour c,
              float alpha) {
  for (int y = 0; y < box.height; ++y) {
    for (int x = 0; x < box.width; ++x) {
      const float m = mask[static_cast<std::size_t>(y) * box.width + x];
      if (m > 0.0f) canvas.blend(box.x0 + x, box.y0 + y, c, alpha * m);
    }
  }
}

}  // namespace

void TextPainter::draw(Canvas& canvas, float x, float y, const std::string& text, Colour c,
                       float alpha) {
  drawGlowing(canvas, x, y, text, c, c, 0, 0.0f, alpha);
}

void TextPainter::drawCentred(Canvas& canvas, float centreX, float y, const std::string& text,
                              Colour c, float alpha) {
  draw(canvas, centreX - measure(text) * 0.5f, y, text, c, alpha);
}

void TextPainter::drawGlowing(Canvas& canvas, float x, float y, const std::string& text,
                              Colour c, Colour glowColour, int glowRadius, float glowStrength,
                              float alpha) {
  const FT_Size_Metrics& metrics = impl_->face->size->metrics;
  const int pad = 4 + glowRadius * 3;
  TextBox box;
  box.x0 = static_cast<int>(std::floor(x)) - pad;
  box.y0 = static_cast<int>(std::floor(y - metrics.ascender / 64.0f)) - pad;
  box.width = static_cast<int>(std::ceil(measure(text))) + 2 * pad + 4;
  box.height = static_cast<int>(std::ceil((metrics.ascender - metrics.descender) / 64.0f)) + 2 * pad + 2;
  box.mask.assign(static_cast<std::size_t>(box.width) * box.height, 0.0f);
  drawToMask(box.mask, box.width, box.height, x - box.x0, y - box.y0, text);
  if (glowRadius > 0) {
    std::vector<float> glow = box.mask;
    blurMask(glow, box.width, box.height, glowRadius);
    for (float& g : glow) g = std::min(1.0f, g * glowStrength);
    blendBox(canvas, box, glow, glowColour, 1.0f);
  }
  blendBox(canvas, box, box.mask, c, alpha);
}

}  // namespace assetgen
