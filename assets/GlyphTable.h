// The table of a glyph atlas (data/textures/text/*.txt): where each printable ASCII glyph
// lies in the atlas image and how it stands on the baseline. No GL: the renderer uploads the
// image and draws from the table.
#pragma once

#include <array>
#include <string>

struct GlyphPlace {
  int x = 0, y = 0;            // top-left corner in the atlas, pixels, rows downwards
  int width = 0, height = 0;   // 0 x 0 for a glyph the atlas lacks
  int left = 0, top = 0;       // the corner from the pen on the baseline; top counts upwards
  int advance = 0;             // how far the pen moves, pixels
};

struct GlyphTable {
  static constexpr int firstCode = 32, lastCode = 126;
  int atlasWidth = 0, atlasHeight = 0;
  int scalePercent = 100;      // the window scale the atlas was drawn for, in percent
  int ascent = 0, lineHeight = 0;
  std::array<GlyphPlace, lastCode - firstCode + 1> glyphs{};

  // The glyph of a character; characters outside the table draw as a blank.
  const GlyphPlace& glyph(unsigned char c) const {
    return glyphs[(c >= firstCode && c <= lastCode ? c : ' ') - firstCode];
  }
};

// Parses the table's text. Every glyph must lie inside the atlas. On failure returns false
// with `problem` naming the line and the reason.
bool parseGlyphTable(const std::string& text, GlyphTable& out, std::string& problem);
