// The head-up display. Positions are pixels of the 1024x768 layout (y grows downwards),
// measured from its right edge W and bottom edge H, and scaled to the window with the corner
// they hang at; the bars are 100 layout pixels for 100 points.
// Every shape lies at the same depth under the default less-than depth test, so a later shape
// never covers an earlier one: each bar is drawn before its frame, which shows as a border.
#include "render/Hud.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Rules.h"
#include "game/Screen.h"
#include "game/StatusLine.h"
#include "game/TextMessage.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "render/GlyphText.h"
#include "render/Overlay.h"
#include "render/Scene.h"
#include "render/StaticGeometry.h"
#include "render/VisibilityMeter.h"

std::string fpsText;
int fpsFrames = 0;
float fpsTime = 0.0f;
float fpsLastTime = 0.0f;

namespace {

const float barFrameColour[3] = {0.8f, 0.6f, 0.2f};
const float guardFrameColour[3] = {0.38f, 0.49f, 0.66f};
const float bagColour[3] = {0.19f, 0.65f, 0.68f};
const float black[3] = {0.0f, 0.0f, 0.0f};
const float suspiciousIconColour[3] = {1.0f, 0.7f, 0.1f};

// hudIcons entries.
constexpr int heartIcon = 0;
constexpr int bagIcon = 1;
constexpr int policeIcon = 2;

// The score line that hudMessage points at; rebuilt every frame.
std::string scoreLine;

// The rows of one bar, its frame and its icon. "first" rows are the ones the corners start
// from; for the player's bars they are the upper rows, for the guards' bars the lower ones.
struct BarRows {
  int barFirst, barSecond;
  int frameFirst, frameSecond;
  int iconFirst, iconSecond;
};

void quad(float x1, float x2, float yFirst, float ySecond) {
  glBegin(GL_QUADS);
  glVertex2f(x1, yFirst);
  glVertex2f(x2, yFirst);
  glVertex2f(x2, ySecond);
  glVertex2f(x1, ySecond);
  glEnd();
}

// value 0..100: the coloured part from W-117 to the right, the black rest from W-17 to the left.
void drawBar(float value, const float* fill, int yFirst, int ySecond) {
  const float w = static_cast<float>(platform::layoutWidth);
  if (value > 0.0f) {
    glColor3fv(fill);
    quad(w - 117.0f, w - 117.0f + value, static_cast<float>(yFirst), static_cast<float>(ySecond));
  }
  if (value < 100.0f) {
    glColor3fv(black);
    quad(w - 17.0f, w - 17.0f - (100.0f - value), static_cast<float>(yFirst),
         static_cast<float>(ySecond));
  }
}

void drawFrame(const float* colour, int yFirst, int ySecond) {
  const float w = static_cast<float>(platform::layoutWidth);
  glColor3fv(colour);
  quad(w - 120.0f, w - 13.0f, static_cast<float>(yFirst), static_cast<float>(ySecond));
}

// The icon takes no colour of its own: the current one (the frame's) tints it.
void drawIcon(GLuint texture, int yFirst, int ySecond) {
  const int w = platform::layoutWidth;
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 1.0f);
  glVertex2i(w - 147, yFirst);
  glTexCoord2f(1.0f, 1.0f);
  glVertex2i(w - 127, yFirst);
  glTexCoord2f(1.0f, 0.0f);
  glVertex2i(w - 127, ySecond);
  glTexCoord2f(0.0f, 0.0f);
  glVertex2i(w - 147, ySecond);
  glEnd();
  glDisable(GL_TEXTURE_2D);
}

// Red to green as the value goes from 0 to 100.
void healthColour(float value, float* colour) {
  colour[0] = 1.0f - value / 100.0f;
  colour[1] = value / 100.0f;
  colour[2] = 0.0f;
}

}  // namespace

float hudScale() {
  return platform::layoutScale() * static_cast<float>(accessibility.textSizePercent) / 100.0f;
}

namespace {

struct LayoutPoint {
  float x, y;  // layout pixels of the 1024x768 screen
};

// The layout corner `anchor` hangs at, which a larger or smaller HUD grows or shrinks about.
LayoutPoint layoutCorner(platform::Anchor anchor) {
  const bool right = anchor == platform::Anchor::TopRight || anchor == platform::Anchor::BottomRight;
  const bool bottom =
      anchor == platform::Anchor::BottomLeft || anchor == platform::Anchor::BottomRight;
  return LayoutPoint{right ? platform::layoutWidth : 0.0f, bottom ? platform::layoutHeight : 0.0f};
}

}  // namespace

platform::WindowPoint hudPoint(platform::Anchor anchor, float x, float y) {
  const LayoutPoint c = layoutCorner(anchor);
  const platform::WindowPoint corner = platform::toWindow(c.x, c.y, anchor);
  const float k = hudScale();
  return platform::WindowPoint{corner.x + k * (x - c.x), corner.y + k * (y - c.y)};
}

namespace {

// From here to endAnchored, layout pixels that keep their distance to `anchor`'s corner.
// A player's larger or smaller HUD grows or shrinks about the corner it hangs at.
void beginAnchored(platform::Anchor anchor) {
  const platform::WindowPoint origin = platform::toWindow(0.0f, 0.0f, anchor);
  const float s = platform::layoutScale();
  glPushMatrix();
  if (accessibility.textSizePercent == 100) {
    glTranslatef(origin.x, origin.y, 0.0f);
    glScalef(s, s, 1.0f);
    return;
  }
  const LayoutPoint c = layoutCorner(anchor);
  const platform::WindowPoint corner = platform::toWindow(c.x, c.y, anchor);
  const float k = s * static_cast<float>(accessibility.textSizePercent) / 100.0f;
  glTranslatef(corner.x, corner.y, 0.0f);
  glScalef(k, k, 1.0f);
  glTranslatef(-c.x, -c.y, 0.0f);
}

void endAnchored() {
  glPopMatrix();
}

// Steps 4 to 6: the player's health and bag bars and their icons.
void drawPlayerBars() {
  const int h = platform::layoutHeight;
  float health[3];
  healthColour(camera->health, health);
  drawBar(camera->health, health, h - 55, h - 45);
  drawFrame(barFrameColour, h - 58, h - 41);
  drawBar(camera->bagLoad, bagColour, h - 27, h - 17);
  drawFrame(barFrameColour, h - 32, h - 13);
  drawIcon(hudIcons[heartIcon], h - 60, h - 40);
  drawIcon(hudIcons[bagIcon], h - 33, h - 13);
}

// Under the stealth rules a guard who heard the player shows it on his bar's icon.
bool shownSuspicious(const Guard* guard) {
  return stealthRules() && guard != nullptr && !guard->down && guard->suspicious && !guard->alerted;
}

// Step 7: a guard's bar in the top right corner.
void drawGuardBar(const Guard* guard, const BarRows& rows) {
  if (guard == nullptr || guard->down) {
    return;
  }
  const float g = static_cast<float>(guard->health);
  float colour[3];
  healthColour(g, colour);
  drawBar(g, colour, rows.barFirst, rows.barSecond);
  drawFrame(guardFrameColour, rows.frameFirst, rows.frameSecond);
  if (shownSuspicious(guard)) glColor3fv(suspiciousIconColour);
  drawIcon(hudIcons[policeIcon], rows.iconFirst, rows.iconSecond);
}

const BarRows guard1Rows = {27, 17, 32, 13, 13, 33};
const BarRows guard2Rows = {55, 45, 58, 41, 40, 60};

// The bars while the alarm runs; under the stealth rules also a suspicious guard's, alone.
void drawGuardBars() {
  const bool all = heist.alarmActive;
  if (all || shownSuspicious(guard1)) drawGuardBar(guard1, guard1Rows);
  if (all || shownSuspicious(guard2)) drawGuardBar(guard2, guard2Rows);
}

// A question mark left of a suspicious guard's icon, placed and sized with the guards' bars.
void drawSuspicionMarks() {
  const Guard* guards[2] = {guard1, guard2};
  const BarRows* rows[2] = {&guard1Rows, &guard2Rows};
  for (int g = 0; g < 2; ++g) {
    if (!shownSuspicious(guards[g])) continue;
    const platform::WindowPoint at = hudPoint(platform::Anchor::TopRight, platform::layoutWidth - 162.0f,
                                              static_cast<float>(rows[g]->iconSecond - 3));
    drawGlyphText(TextFace::Sans, at.x, at.y, hudScale(), suspiciousIconColour, "?");
  }
}

// Step 8: the prefix keeps the digits right-aligned up to three places; 0 shows its digit.
void drawScoreLine() {
  const int score = camera->score;
  const char* prefix = score >= 100 ? "SCORE: " : score >= 10 ? "SCORE:  " : "SCORE:   ";
  scoreLine = prefix + std::to_string(std::abs(score));
  if (hudMessage != nullptr) {
    hudMessage->setText(scoreLine.c_str());
    hudMessage->draw(GLUT_BITMAP_TIMES_ROMAN_24);
  }
}

// Step 9: the status message stays for messageDuration seconds after messageTime, giving way
// to the pause line and the verdict.
void drawStatusMessage() {
  if (statusLineShown()) {
    heist.statusMessage.draw(GLUT_BITMAP_TIMES_ROMAN_24);
  }
}

// Step 10: the game-over lines win over the verdict.
void drawEndLines() {
  if (!gameOver() && !heistFinished()) {
    return;
  }
  const TextMessage* headline = gameOver() ? gameOverMessage : &heist.endMessage;
  if (headline != nullptr) {
    headline->draw(GLUT_BITMAP_TIMES_ROMAN_24);
  }
  if (backToMenuMessage != nullptr) {
    backToMenuMessage->draw(GLUT_BITMAP_HELVETICA_18);
  }
}

// "FPS: " and the rate with one decimal.
std::string fpsLine(double framesPerSecond) {
  char digits[64];
  std::snprintf(digits, sizeof digits, "%.1f", framesPerSecond);
  return std::string("FPS: ") + digits;
}

// The line starts afresh in a new game, and empty whenever it is switched on.
void restartFpsLine() {
  static std::uint32_t gameSeen = 0;
  if (cornerMessage == nullptr) return;
  if (gameSeen != gamesStarted) {
    gameSeen = gamesStarted;
    fpsTime = 0.0f;
    fpsLastTime = 0.0f;
    cornerMessage->setText(nullptr);
  }
  if (!fpsShown) cornerMessage->setText(nullptr);
}

// Step 11: the frames drawn since the last update over the time they took, at most one new
// value a second; in between the last line is shown again. A line just switched on (or
// cleared by a new game) shows the last frame's rate at once.
void drawFpsLine() {
  fpsTime = platform::clockSeconds();
  if (cornerMessage == nullptr) {
    return;
  }
  ++fpsFrames;
  const float elapsed = fpsTime - fpsLastTime;
  const bool due = elapsed > 1.0f;
  const bool fresh = cornerMessage->isEmpty() && frameInterval > 0.0f;
  if (due || fresh) {
    // A fresh line's count and time span may be stale (a new game clears the line).
    fpsText = fpsLine(fresh ? 1.0 / frameInterval : fpsFrames / static_cast<double>(elapsed));
    fpsLastTime = fpsTime;
    fpsFrames = 0;
  }
  cornerMessage->setText(fpsText.c_str());
  cornerMessage->draw(GLUT_BITMAP_TIMES_ROMAN_24);
}

}  // namespace

void drawHud() {
  glPushAttrib(GL_CURRENT_BIT | GL_VIEWPORT_BIT);
  glDisable(GL_CULL_FACE);
  // Every HUD shape lies at the nearest depth, where nothing of the scene can come: a wall
  // touching the eye leaves the HUD whole, whether the scene is drawn before or after it.
  glDepthRange(0.0, 0.0);
  beginOverlay(0, 0, platform::windowWidth(), platform::windowHeight());
  refreshOverlayList();
  glCallList(overlayList);
  beginAnchored(platform::Anchor::BottomRight);
  drawPlayerBars();
  endAnchored();
  if (heist.alarmActive || shownSuspicious(guard1) || shownSuspicious(guard2)) {
    beginAnchored(platform::Anchor::TopRight);
    drawGuardBars();
    endAnchored();
    drawSuspicionMarks();
  }
  drawVisibilityMeter();
  drawScoreLine();
  drawStatusMessage();
  drawEndLines();
  restartFpsLine();
  if (fpsShown) {
    drawFpsLine();
  }
  glEnable(GL_CULL_FACE);
  endOverlay();
  glPopAttrib();
}
