// Glyph tables: the generated ones read whole; a table that would put a glyph outside its atlas
// is refused with the line that does it, so the renderer never samples past the picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "assets/GlyphTable.h"

TEST(GlyphTable, GeneratedTablesReadAndBadOnesAreRefusedWithTheirLine) {
  int tables = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(VAULTRUN_SOURCE_DIR "/data/textures/text")) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    GlyphTable table;
    std::string problem;
    EXPECT_TRUE(parseGlyphTable(text.str(), table, problem)) << entry.path() << ": " << problem;
    EXPECT_GT(table.glyph('A').width, 0) << entry.path();
    ++tables;
  }
  EXPECT_GT(tables, 0);

  const struct { const char* text; const char* problem; } refused[] = {
      {"glyph 65 0 0 1 1 0 0 1\n",
       "line 1: expected \"glyph CODE X Y WIDTH HEIGHT LEFT TOP ADVANCE\" after the atlas line"},
      {"atlas 16 16 100 12 14\nglyph 65 10 0 7 1 0 0 1\n",
       "line 2: glyph 65 lies outside the 16x16 atlas"},
      {"atlas 16 16 100 12 14\nglyph 65 2147483647 0 2 1 0 0 1\n",
       "line 2: glyph 65 lies outside the 16x16 atlas"},
      // A second atlas line would shrink the atlas under the glyph already placed.
      {"atlas 16 16 100 12 14\nglyph 65 8 8 8 8 0 0 1\natlas 4 4 100 12 14\n",
       "line 3: a second atlas line"},
      {"atlas 9000 16 100 12 14\n",
       "line 1: the atlas line needs a size up to 8192 and a scale of 10 to 1000"},
      {"atlas 16 16 100 12 14\nglyph 200 0 0 1 1 0 0 1\n",
       "line 2: glyph 200 is not printable ASCII"},
      {"# only a comment\n", "no atlas line"},
  };
  for (const auto& c : refused) {
    GlyphTable table;
    std::string problem;
    EXPECT_FALSE(parseGlyphTable(c.text, table, problem)) << c.text;
    EXPECT_EQ(problem, c.problem) << c.text;
  }
}
