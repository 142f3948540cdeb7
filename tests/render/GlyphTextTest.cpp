// The glyph atlases' pictures: uploaded with the first line drawn from them, kept while the
// window's scale still draws from them, released after a resize that no longer does.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/Screen.h"
#include "render/GlyphText.h"
#include "support/GlContext.h"

namespace {

const float white[3] = {1.0f, 1.0f, 1.0f};

// Two sizes of line, as the HUD's small and large text would draw them at this window's scale.
void drawBothSizes() {
  for (const float size : {1.0f, 1.5f}) {
    drawGlyphText(TextFace::Serif, 10.0f, 40.0f, platform::layoutScale() * size, white, "Loot");
  }
}

}  // namespace

TEST(GlyphAtlases, AResizeReleasesOnlyTheAtlasesTheNewScaleNoLongerDrawsFrom) {
  if (!testsupport::ensureGlContext(1024, 768)) GTEST_SKIP() << "no X display";
  std::string error;
  ASSERT_TRUE(loadGlyphAtlases(error)) << error;
  platform::setWindowSize(1024, 768);
  drawBothSizes();
  const unsigned small = glyphAtlasTextureFor(TextFace::Serif, 1.0f);
  const unsigned large = glyphAtlasTextureFor(TextFace::Serif, 1.5f);
  ASSERT_NE(small, 0u);
  ASSERT_NE(large, 0u);
  EXPECT_NE(small, large);
  EXPECT_EQ(glyphAtlasTextureFor(TextFace::Serif, 2.0f), 0u);

  // A hair larger: the same two atlases, kept as they were.
  platform::setWindowSize(1030, 772);
  drawBothSizes();
  EXPECT_EQ(glyphAtlasTextureFor(TextFace::Serif, 1.0f), small);
  EXPECT_EQ(glyphAtlasTextureFor(TextFace::Serif, 1.5f), large);

  // Twice the scale: the lines come from the 200 and 300 atlases; the 100 one goes, and the
  // 150 one too, which no size drawn picks any more.
  platform::setWindowSize(2048, 1536);
  drawBothSizes();
  EXPECT_NE(glyphAtlasTextureFor(TextFace::Serif, 2.0f), 0u);
  EXPECT_NE(glyphAtlasTextureFor(TextFace::Serif, 3.0f), 0u);
  EXPECT_EQ(glyphAtlasTextureFor(TextFace::Serif, 1.0f), 0u);
  EXPECT_EQ(glyphAtlasTextureFor(TextFace::Serif, 1.5f), 0u);
  EXPECT_FALSE(glIsTexture(small));
  EXPECT_FALSE(glIsTexture(large));

  // Back to the first size: drawn again, from pictures uploaded again.
  platform::setWindowSize(1024, 768);
  drawBothSizes();
  EXPECT_NE(glyphAtlasTextureFor(TextFace::Serif, 1.0f), 0u);
  EXPECT_EQ(glyphAtlasTextureFor(TextFace::Serif, 3.0f), 0u);
}
