// Text in textures: lays out and rasterises lines of UTF-8 text with FreeType into coverage
// masks or straight onto a Canvas. Fonts come from VAULTRUN_FONT_DIR.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Paint.h"

namespace assetgen {

class TextPainter {
 public:
  // Opens the font file (a name under VAULTRUN_FONT_DIR, e.g. "DejaVuSans-Bold.ttf"); prints
  // what failed and returns null when it can't.
  static std::unique_ptr<TextPainter> open(const std::string& fontFile);
  ~TextPainter();
  TextPainter(const TextPainter&) = delete;
  TextPainter& operator=(const TextPainter&) = delete;

  // Glyph size in pixels: pixelHeight is the em height, stretchX widens (above 1) or narrows
  // the glyphs, e.g. to make up for a texture that the screen shows squashed.
  void setSize(float pixelHeight, float stretchX = 1.0f);
  float measure(const std::string& text);

  // Adds the text's coverage (0..1) to mask (width x height), the baseline starting at (x, y).
  void drawToMask(std::vector<float>& mask, int width, int height, float x, float y,
                  const std::string& text);
  void draw(Canvas& canvas, float x, float y, const std::string& text, Colour c,
            float alpha = 1.0f);
  void drawCentred(Canvas& canvas, float centreX, float y, const std::string& text, Colour c,
                   float alpha = 1.0f);
  // Text with a soft glow (the blurred text in glowColour under it).
  void drawGlowing(Canvas& canvas, float x, float y, const std::string& text, Colour c,
                   Colour glowColour, int glowRadius, float glowStrength, float alpha = 1.0f);

 private:
  struct Impl;
  explicit TextPainter(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace assetgen
