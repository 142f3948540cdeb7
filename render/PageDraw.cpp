// Drawing a page of rows with the glyph text, laid out on the 1024x768 screen and scaled as
// the HUD is.
#include "render/PageDraw.h"

#include <GL/freeglut.h>

#include <algorithm>

#include "game/MenuPage.h"
#include "game/Screen.h"
#include "platform/Screen.h"
#include "render/GlyphText.h"
#include "render/Overlay.h"

namespace {

constexpr float sheetOpacity = 0.7f;
constexpr float menuSheetOpacity = 0.88f;
const float titleColour[3] = {1.0f, 0.86f, 0.5f};
const float labelColour[3] = {0.86f, 0.88f, 0.94f};
const float selectedColour[3] = {1.0f, 0.93f, 0.62f};
const float headingColour[3] = {0.85f, 0.62f, 0.25f};
const float noticeColour[3] = {1.0f, 0.8f, 0.4f};
const float hintColour[3] = {0.62f, 0.64f, 0.7f};
constexpr float hintBaseline = 756.0f;

void colouredRectangle(float x0, float y0, float x1, float y1, const float* rgb, float alpha) {
  const platform::WindowPoint a = platform::toWindow(x0, y0, platform::Anchor::Centre);
  const platform::WindowPoint b = platform::toWindow(x1, y1, platform::Anchor::Centre);
  glColor4f(rgb[0], rgb[1], rgb[2], alpha);
  glRectf(a.x, a.y, b.x, b.y);
}

// A line of text with its pen at a layout point; `align` 0 left, 0.5 centred, 1 right.
void text(TextFace face, float size, float x, float y, float align, const float* colour,
          const std::string& line) {
  const float scale = platform::layoutScale() * size;
  const platform::WindowPoint at = platform::toWindow(x, y, platform::Anchor::Centre);
  const float width = glyphTextWidth(face, scale, line.c_str());
  drawGlyphText(face, at.x - width * align, at.y, scale, colour, line.c_str());
}

void drawRows(const MenuPage& page) {
  using namespace menulayout;
  const int rows = page.rowCount();
  const float height = rowHeight(rows);
  const float size = std::min(1.0f, height / 32.0f);
  const float panelColour[3] = {0.02f, 0.03f, 0.06f};
  colouredRectangle(left - 24.0f, firstRowTop - 12.0f, right + 24.0f,
                    firstRowTop + height * static_cast<float>(rows) + 12.0f, panelColour, 0.85f);
  for (int row = 0; row < rows; ++row) {
    const MenuRow r = page.rowAt(row);
    const float top = firstRowTop + height * static_cast<float>(row);
    const float baseline = top + height * 0.72f;
    if (r.heading) {
      text(TextFace::Sans, size * 0.8f, left, baseline, 0.0f, headingColour, r.label);
      continue;
    }
    const bool selected = row == page.selected;
    if (selected) {
      const float glow[3] = {0.45f, 0.32f, 0.1f};
      colouredRectangle(left, top + 2.0f, right, top + height - 2.0f, glow, 0.55f);
    }
    const float* colour = selected ? selectedColour : labelColour;
    const float indent = r.value.empty() ? 0.0f : 24.0f;
    text(TextFace::Sans, size, left + 12.0f + indent, baseline, 0.0f, colour, r.label);
    if (r.value.empty()) continue;
    const std::string value = selected && r.steps ? "<  " + r.value + "  >" : r.value;
    text(TextFace::Sans, size, right - 12.0f, baseline, 1.0f, colour, value);
  }
}

// Flat drawing in window pixels over the frame, blended; `extra` attribute bits are kept too.
void beginFlatOverlay(GLbitfield extra) {
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | extra);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  beginOverlay(0, 0, platform::windowWidth(), platform::windowHeight());
}

void endFlatOverlay() {
  endOverlay();
  glPopAttrib();
}

}  // namespace

void shadeRectangle(int left, int top, int right, int bottom, float opacity) {
  beginFlatOverlay(0);
  glColor4f(0.0f, 0.0f, 0.0f, opacity);
  glRecti(left, top, right, bottom);
  endFlatOverlay();
}

void drawShownPage() {
  const MenuPage* page = shownPage();
  if (page == nullptr) return;
  beginFlatOverlay(GL_POLYGON_BIT);
  // Over the main menu's picture the sheet is darker: its own keys' line must not show.
  glColor4f(0.0f, 0.0f, 0.0f, menuActive() ? menuSheetOpacity : sheetOpacity);
  glRecti(0, 0, platform::windowWidth(), platform::windowHeight());
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  text(TextFace::Serif, 1.25f, platform::layoutWidth * 0.5f, menulayout::titleBaseline, 0.5f,
       titleColour, page->title());
  drawRows(*page);
  if (!page->notice.empty()) {
    text(TextFace::Sans, 0.9f, platform::layoutWidth * 0.5f, menulayout::noticeBaseline, 0.5f,
         noticeColour, page->notice);
  }
  const char* hint = page->waitingForKey() ? "Press the key to bind     Esc: cancel" : page->hint();
  text(TextFace::Sans, 0.75f, platform::layoutWidth * 0.5f, hintBaseline, 0.5f, hintColour, hint);
  endFlatOverlay();
}
