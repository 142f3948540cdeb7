// Fuzz target of the glyph table reader (data/textures/text/*.txt): any text is either refused
// with a reason, or gives an atlas of a size it allows in which every glyph lies whole, so that
// the renderer's texture coordinates never reach outside the picture.
#include <cstddef>
#include <cstdint>
#include <string>

#include "assets/GlyphTable.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  GlyphTable table;
  std::string problem;
  if (!parseGlyphTable(text, table, problem)) {
    FUZZ_CHECK(!problem.empty());
    return 0;
  }
  FUZZ_CHECK(table.atlasWidth > 0 && table.atlasWidth <= 8192);
  FUZZ_CHECK(table.atlasHeight > 0 && table.atlasHeight <= 8192);
  FUZZ_CHECK(table.scalePercent >= 10 && table.scalePercent <= 1000);
  for (const GlyphPlace& g : table.glyphs) {
    FUZZ_CHECK(g.width >= 0 && g.height >= 0 && g.x >= 0 && g.y >= 0);
    FUZZ_CHECK(g.x + g.width <= table.atlasWidth && g.y + g.height <= table.atlasHeight);
  }
  // Every byte finds a glyph, those outside the table the blank's.
  for (int c = 0; c < 256; ++c) table.glyph(static_cast<unsigned char>(c));
  return 0;
}
