// The head-up display. Positions are pixels in the overlay (y grows downwards), measured
// from the screen's right edge W and bottom edge H; the bars are 100 pixels for 100 points.
// Every shape lies at depth 0.5 under the default less-than depth test, so a later shape
// never covers an earlier one: each bar is drawn before its frame, which shows as a border.
#include "render/Hud.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

#include "app/Idle.h"
#include "app/Startup.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/World.h"
#include "platform/Clock.h"
#include "render/Overlay.h"
#include "render/StaticGeometry.h"
#include "render/TextMessage.h"

std::string fpsText;

namespace {

const float barFrameColour[3] = {0.8f, 0.6f, 0.2f};
const float guardFrameColour[3] = {0.38f, 0.49f, 0.66f};
const float bagColour[3] = {0.19f, 0.65f, 0.68f};
const float black[3] = {0.0f, 0.0f, 0.0f};

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
  const float w = static_cast<float>(screenWidth);
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
  const float w = static_cast<float>(screenWidth);
  glColor3fv(colour);
  quad(w - 120.0f, w - 13.0f, static_cast<float>(yFirst), static_cast<float>(ySecond));
}

// The icon takes no colour of its own: the current one (the frame's) tints it.
void drawIcon(GLuint texture, int yFirst, int ySecond) {
  const int w = screenWidth;
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

// Steps 4 to 6: the player's health and bag bars and their icons.
void drawPlayerBars() {
  const int h = screenHeight;
  float health[3];
  healthColour(camera->health, health);
  drawBar(camera->health, health, h - 55, h - 45);
  drawFrame(barFrameColour, h - 58, h - 41);
  drawBar(camera->bagLoad, bagColour, h - 27, h - 17);
  drawFrame(barFrameColour, h - 32, h - 13);
  drawIcon(hudIcons[heartIcon], h - 60, h - 40);
  drawIcon(hudIcons[bagIcon], h - 33, h - 13);
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
  drawIcon(hudIcons[policeIcon], rows.iconFirst, rows.iconSecond);
}

void drawGuardBars() {
  static const BarRows guard1Rows = {27, 17, 32, 13, 13, 33};
  static const BarRows guard2Rows = {55, 45, 58, 41, 40, 60};
  drawGuardBar(guard1, guard1Rows);
  drawGuardBar(guard2, guard2Rows);
}

// Step 8: the prefix keeps the digits right-aligned up to three places.
void drawScoreLine() {
  const int score = camera->score;
  const char* prefix = score >= 100 ? "SCORE: " : score >= 10 ? "SCORE:  " : "SCORE:   ";
  scoreLine = prefix;
  if (score != 0) {
    scoreLine += std::to_string(std::abs(score));
  }
  if (hudMessage != nullptr) {
    hudMessage->setText(scoreLine.c_str());
    hudMessage->draw(GLUT_BITMAP_TIMES_ROMAN_24);
  }
}

// Step 9: the status message stays for messageDuration seconds after messageTime.
void drawStatusMessage() {
  const double now = platform::clockSecondsDouble();
  if (now - messageTime < messageDuration && statusMessage != nullptr) {
    statusMessage->draw(GLUT_BITMAP_TIMES_ROMAN_24);
  }
}

// Step 10: the game-over lines win over the verdict.
void drawEndLines() {
  if (!gameOver && !heistFinished) {
    return;
  }
  const TextMessage* headline = gameOver ? gameOverMessage : endMessage;
  if (headline != nullptr) {
    headline->draw(GLUT_BITMAP_TIMES_ROMAN_24);
  }
  if (backToMenuMessage != nullptr) {
    backToMenuMessage->draw(GLUT_BITMAP_HELVETICA_18);
  }
}

// The frames-per-second value 60 / (interval * 100) as "FPS: " and its digits with two
// decimals, the point after the second digit (36.0 -> "FPS: 36.00", 150.0 -> "FPS: 15.000").
// False when the value has fewer than two digits (an interval above about 6.3 s): the point
// has no place then and the update is skipped.
bool formatFpsLine(float interval, std::string& line) {
  const double v = 60.0 / (static_cast<double>(interval) * 100.0);
  char fixed[400];
  std::snprintf(fixed, sizeof fixed, "%.2f", v < 0.0 ? -v : v);
  std::string digits;
  for (const char* c = fixed; *c != '\0'; ++c) {
    if (*c >= '0' && *c <= '9' && !(digits.empty() && *c == '0')) {
      digits += *c;
    }
  }
  if (digits.size() < 2) {
    return false;
  }
  digits.insert(2, ".");
  line = "FPS: " + digits;
  return true;
}

// Step 11: at most one new value a second; in between the last line is shown again.
void drawFpsLine() {
  fpsTime = platform::clockSeconds();
  if (cornerMessage == nullptr) {
    return;
  }
  std::string line;
  if ((fpsTime - fpsLastTime > 1.0f || cornerMessage->isEmpty()) && frameInterval != 0.0f &&
      formatFpsLine(frameInterval, line)) {
    fpsText = line;
    cornerMessage->setText(fpsText.c_str());
    cornerMessage->draw(GLUT_BITMAP_TIMES_ROMAN_24);
    fpsLastTime = fpsTime;
    return;
  }
  cornerMessage->setText(fpsText.c_str());
  cornerMessage->draw(GLUT_BITMAP_TIMES_ROMAN_24);
}

}  // namespace

void drawHud() {
  glPushAttrib(GL_CURRENT_BIT);
  glDisable(GL_CULL_FACE);
  beginOverlay(0, 0, screenWidth, screenHeight);
  glCallList(overlayList);
  drawPlayerBars();
  if (alarmActive) {
    drawGuardBars();
  }
  drawScoreLine();
  drawStatusMessage();
  drawEndLines();
  if (fpsShown) {
    drawFpsLine();
  }
  glEnable(GL_CULL_FACE);
  endOverlay();
  glPopAttrib();
}
