// The results panel: a dark box and a few text lines, laid out like the other text lines on
// the 1024 x 768 screen, below "Press any key to go back to the main menue!" at row 450.
#include "render/ResultsPanel.h"

#include <GL/freeglut.h>

#include <string>
#include <vector>

#include "game/Results.h"
#include "game/TextMessage.h"
#include "platform/Screen.h"
#include "render/Overlay.h"
#include "render/PageDraw.h"

namespace {

constexpr int panelLeft = 200, panelRight = 824;
constexpr int panelTop = 472;
constexpr int firstBaseline = 502;
constexpr int lineHeight = 30;
constexpr int textLeft = 224;
constexpr float panelOpacity = 0.7f;
const float lineColour[3] = {1.0f, 1.0f, 1.0f};
const float bestColour[3] = {1.0f, 0.85f, 0.2f};

// The texts the panel's lines point at: they must outlive the draws.
std::vector<std::string> panelLines;

}  // namespace

void drawResultsPanel() {
  if (!lastHeist.ended) return;
  panelLines = resultsPanelLines(lastHeist);
  const int count = static_cast<int>(panelLines.size());
  const int bottom = firstBaseline + (count - 1) * lineHeight + 16;
  // The box is laid out on the 1024x768 screen like the lines, and scaled with them.
  const platform::WindowPoint topLeft =
      platform::toWindow(panelLeft, panelTop, platform::Anchor::Centre);
  const platform::WindowPoint bottomRight =
      platform::toWindow(panelRight, static_cast<float>(bottom), platform::Anchor::Centre);
  shadeRectangle(static_cast<int>(topLeft.x), static_cast<int>(topLeft.y),
                 static_cast<int>(bottomRight.x + 0.5f), static_cast<int>(bottomRight.y + 0.5f),
                 panelOpacity);
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  beginOverlay(0, 0, platform::windowWidth(), platform::windowHeight());
  for (int i = 0; i < count; ++i) {
    // The best score's line is gold; a caught heist's first line is red.
    const float* colour = panelLines[static_cast<std::size_t>(i)].compare(0, 12, "Best so far:") == 0
                              ? bestColour
                          : (i == 0 && lastHeist.caught) ? textRed
                                                         : lineColour;
    TextMessage line(textLeft, firstBaseline + i * lineHeight, colour);
    line.setText(panelLines[static_cast<std::size_t>(i)].c_str());
    line.draw(GLUT_BITMAP_HELVETICA_18);
  }
  endOverlay();
  glPopAttrib();
}
