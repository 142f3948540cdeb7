// The pause screen: a half-transparent black sheet over the frame and the line that says how
// to go on, laid out like the other text lines on the 1024 x 768 screen.
#include "render/PauseScreen.h"

#include <GL/freeglut.h>

#include "game/TextMessage.h"
#include "platform/Screen.h"
#include "render/GlyphText.h"
#include "render/Overlay.h"

namespace {

const char* const pauseText = "PAUSED - press p to go on";
const float pauseTextColour[3] = {1.0f, 1.0f, 1.0f};
constexpr float sheetOpacity = 0.6f;

}  // namespace

void shadeRectangle(int left, int top, int right, int bottom, float opacity) {
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  beginOverlay(0, 0, platform::windowWidth(), platform::windowHeight());
  glColor4f(0.0f, 0.0f, 0.0f, opacity);
  glRecti(left, top, right, bottom);
  endOverlay();
  glPopAttrib();
}

void drawPauseScreen() {
  shadeRectangle(0, 0, platform::windowWidth(), platform::windowHeight(), sheetOpacity);
  void* const font = GLUT_BITMAP_TIMES_ROMAN_24;
  // Centred on the 1024x768 layout by the line's width there, in the face it is drawn with.
  const float width = glyphTextWidth(TextFace::Serif, 1.0f, pauseText);
  TextMessage line(static_cast<std::int32_t>(512.0f - width / 2.0f), 384, pauseTextColour);
  line.setText(pauseText);
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  beginOverlay(0, 0, platform::windowWidth(), platform::windowHeight());
  line.draw(font);
  endOverlay();
  glPopAttrib();
}
