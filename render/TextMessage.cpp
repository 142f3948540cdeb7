// Drawing a text line: from the glyph atlases, or the toolkit's bitmap font without them.
#include "game/TextMessage.h"

#include <GL/freeglut.h>

#include <string>

#include "game/GameState.h"
#include "render/GlyphText.h"


namespace {

struct FontStandIn {
  TextFace face;
  float size;  // relative to the face's size at scale 1 (Times Roman 24, Helvetica 18)
};

FontStandIn standInFor(void* font) {
  if (font == GLUT_BITMAP_TIMES_ROMAN_24) return {TextFace::Serif, 1.0f};
  if (font == GLUT_BITMAP_TIMES_ROMAN_10) return {TextFace::Serif, 10.0f / 24.0f};
  if (font == GLUT_BITMAP_HELVETICA_12) return {TextFace::Sans, 12.0f / 18.0f};
  if (font == GLUT_BITMAP_HELVETICA_10) return {TextFace::Sans, 10.0f / 18.0f};
  if (font == GLUT_BITMAP_8_BY_13) return {TextFace::Sans, 13.0f / 18.0f};
  if (font == GLUT_BITMAP_9_BY_15) return {TextFace::Sans, 15.0f / 18.0f};
  return {TextFace::Sans, 1.0f};
}

// The atlases come with the world; a program that draws text without it (a test, a tool)
// gets them on its first line, or the toolkit's bitmap font where data/ has none.
bool haveAtlases() {
  static bool tried = false;
  if (!tried && !glyphAtlasesLoaded()) {
    tried = true;
    std::string ignored;
    loadGlyphAtlases(ignored);
  }
  return glyphAtlasesLoaded();
}

}  // namespace




void TextMessage::draw(void* font) const {
  if (text == nullptr) {
    return;
  }
  const platform::WindowPoint at =
      platform::toWindow(static_cast<float>(x), static_cast<float>(y), anchor);
  if (haveAtlases()) {
    const FontStandIn standIn = standInFor(font);
    const float base = platform::layoutScale() * standIn.size;
    if (accessibility.textSizePercent == 100) {
      drawGlyphText(standIn.face, at.x, at.y, base, colour, text);
      return;
    }
    // A larger or smaller line keeps the end its anchor holds: a right corner's its right
    // end, a centred line its middle.
    const float scale = base * static_cast<float>(accessibility.textSizePercent) / 100.0f;
    const float grown = glyphTextWidth(standIn.face, scale, text) -
                        glyphTextWidth(standIn.face, base, text);
    const bool right = anchor == platform::Anchor::TopRight || anchor == platform::Anchor::BottomRight;
    const float shift = right ? grown : (anchor == platform::Anchor::Centre ? grown * 0.5f : 0.0f);
    drawGlyphText(standIn.face, at.x - shift, at.y, scale, colour, text);
    return;
  }
  // The raster colour is latched by glRasterPos, so the colour goes first.
  glColor3fv(colour);
  glRasterPos2f(at.x, at.y);
  for (const char* c = text; *c != '\0'; ++c) {
    glutBitmapCharacter(font, static_cast<unsigned char>(*c));
  }
}
