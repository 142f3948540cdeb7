// Reading glyph atlas tables.
#include "assets/GlyphTable.h"

#include <sstream>

namespace {

constexpr int maxAtlasSide = 8192;

bool insideAtlas(const GlyphPlace& g, const GlyphTable& table) {
  return g.x >= 0 && g.y >= 0 && g.width >= 0 && g.height >= 0 &&
         g.width <= table.atlasWidth - g.x && g.height <= table.atlasHeight - g.y &&
         g.advance >= 0 && g.advance < maxAtlasSide && g.left > -maxAtlasSide &&
         g.left < maxAtlasSide && g.top > -maxAtlasSide && g.top < maxAtlasSide;
}

}  // namespace

bool parseGlyphTable(const std::string& text, GlyphTable& out, std::string& problem) {
  GlyphTable table;
  bool haveAtlas = false;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::istringstream fields(line);
    std::string kind;
    if (!(fields >> kind) || kind[0] == '#') continue;
    const std::string where = "line " + std::to_string(number) + ": ";
    if (kind == "atlas") {
      // One atlas line: a second one could shrink the atlas under glyphs already placed.
      if (haveAtlas) {
        problem = where + "a second atlas line";
        return false;
      }
      if (!(fields >> table.atlasWidth >> table.atlasHeight >> table.scalePercent >>
            table.ascent >> table.lineHeight) ||
          table.atlasWidth < 1 || table.atlasHeight < 1 || table.atlasWidth > maxAtlasSide ||
          table.atlasHeight > maxAtlasSide || table.scalePercent < 10 ||
          table.scalePercent > 1000) {
        problem = where + "the atlas line needs a size up to 8192 and a scale of 10 to 1000";
        return false;
      }
      haveAtlas = true;
      continue;
    }
    int code = 0;
    GlyphPlace g;
    if (kind != "glyph" || !haveAtlas ||
        !(fields >> code >> g.x >> g.y >> g.width >> g.height >> g.left >> g.top >> g.advance)) {
      problem = where + "expected \"glyph CODE X Y WIDTH HEIGHT LEFT TOP ADVANCE\" after the atlas line";
      return false;
    }
    if (code < GlyphTable::firstCode || code > GlyphTable::lastCode) {
      problem = where + "glyph " + std::to_string(code) + " is not printable ASCII";
      return false;
    }
    if (!insideAtlas(g, table)) {
      problem = where + "glyph " + std::to_string(code) + " lies outside the " +
                std::to_string(table.atlasWidth) + "x" + std::to_string(table.atlasHeight) +
                " atlas";
      return false;
    }
    table.glyphs[code - GlyphTable::firstCode] = g;
  }
  if (!haveAtlas) {
    problem = "no atlas line";
    return false;
  }
  out = table;
  return true;
}
