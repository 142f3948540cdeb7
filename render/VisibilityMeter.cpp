// The visibility meter: three rows of the 1024x768 layout kept at the bottom left corner, each
// a label, a bar and a word or two, grown or shrunk about that corner with the text size as
// the HUD's other corners are. Like the rest of the HUD every shape lies at the same depth, so
// each bar is drawn before its frame.
#include "render/VisibilityMeter.h"

#include <GL/freeglut.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "game/FrameUpdate.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/Rules.h"
#include "geometry/LampLight.h"
#include "platform/Screen.h"
#include "render/GlyphText.h"
#include "render/Hud.h"

namespace {

// ---- Layout, from the bottom left corner ----
constexpr int labelX = 16;
constexpr int barLeft = 84, barRight = 184;  // 100 layout pixels: a share of 0..1
constexpr int noteX = 194;
constexpr int guardRowY = 688, seenRowY = 714, heardRowY = 740;  // text baselines
constexpr int barAbove = 11, barBelow = 1;                       // the bar around a baseline
constexpr float textSize = 12.0f / 18.0f;                        // of the sans face's size

const float labelColour[3] = {0.8f, 0.8f, 0.85f};
const float frameColour[3] = {0.38f, 0.49f, 0.66f};
const float shadowColour[3] = {0.12f, 0.16f, 0.45f};
const float lampColour[3] = {1.0f, 0.85f, 0.3f};
const float noiseColour[3] = {0.9f, 0.25f, 0.1f};
const float calmColour[3] = {0.45f, 0.9f, 0.45f};
const float suspiciousColour[3] = {1.0f, 0.7f, 0.1f};
const float alertedColour[3] = {1.0f, 0.2f, 0.15f};
const float black[3] = {0.0f, 0.0f, 0.0f};

std::string seenNote, heardNote;
float seenColour[3];

void quad(float x1, float x2, float y1, float y2) {
  glBegin(GL_QUADS);
  glVertex2f(x1, y1);
  glVertex2f(x2, y1);
  glVertex2f(x2, y2);
  glVertex2f(x1, y2);
  glEnd();
}

platform::WindowPoint at(int x, int y) {
  return hudPoint(platform::Anchor::BottomLeft, static_cast<float>(x), static_cast<float>(y));
}

// A bar filled to `share` (0..1) in `fill`, the rest black, then its frame.
void drawBar(int baseline, float share, const float* fill) {
  const platform::WindowPoint a = at(barLeft, baseline - barAbove);
  const platform::WindowPoint b = at(barRight, baseline + barBelow);
  const float s = hudScale();
  const float split = a.x + (b.x - a.x) * share;
  if (share > 0.0f) {
    glColor3fv(fill);
    quad(a.x, split, a.y, b.y);
  }
  if (share < 1.0f) {
    glColor3fv(black);
    quad(split, b.x, a.y, b.y);
  }
  glColor3fv(frameColour);
  quad(a.x - 2.0f * s, b.x + 2.0f * s, a.y - 2.0f * s, b.y + 2.0f * s);
}

void drawText(int x, int baseline, const float* colour, const char* text) {
  const platform::WindowPoint pen = at(x, baseline);
  drawGlyphText(TextFace::Sans, pen.x, pen.y, hudScale() * textSize, colour, text);
}

// The guard standing nearest the player, or null while none stands.
const Guard* nearestGuard() {
  const Guard* nearest = nullptr;
  float nearestDistance = 0.0f;
  for (const Guard* guard : {guard1, guard2}) {
    if (guard == nullptr || guard->down) continue;
    const float d = distanceBetween(guard->position, camera->position);
    if (nearest == nullptr || d < nearestDistance) {
      nearest = guard;
      nearestDistance = d;
    }
  }
  return nearest;
}

const float* alertnessColour(const Guard* guard) {
  if (guard == nullptr) return labelColour;
  if (guard->alerted || guard->seesPlayer) return alertedColour;
  return guard->suspicious ? suspiciousColour : calmColour;
}

}  // namespace

const char* nearestGuardAlertness() {
  const Guard* guard = camera != nullptr ? nearestGuard() : nullptr;
  if (guard == nullptr) return "none";
  if (guard->alerted) return "alerted";
  if (guard->seesPlayer) return "sees you";
  return guard->suspicious ? "suspicious" : "calm";
}

void drawVisibilityMeter() {
  if (!stealthRules() || !visibilityMeterShown || camera == nullptr) return;
  // Seen: the lamps' light where he stands, and the sight distance it gives a guard.
  const float light = museum::lampLightAt(camera->position.x, camera->position.z);
  const float lit = light < 1.0f ? light : 1.0f;
  const float range = guardSightDistance * figuresOf(playRules.difficulty).sightFactor;
  for (int k = 0; k < 3; ++k) seenColour[k] = shadowColour[k] + (lampColour[k] - shadowColour[k]) * lit;
  char note[48];
  std::snprintf(note, sizeof note, "within %d", static_cast<int>(std::lround(sightDistanceInLight(range, light))));
  seenNote = note;
  // Heard: running steps carry through the walls.
  std::snprintf(note, sizeof note, playerRan ? "within %d" : "silent",
                static_cast<int>(runningHeardWithin));
  heardNote = note;

  drawBar(seenRowY, lit, seenColour);
  drawBar(heardRowY, playerRan ? 1.0f : 0.0f, noiseColour);
  drawText(labelX, guardRowY, labelColour, "GUARD");
  drawText(barLeft, guardRowY, alertnessColour(nearestGuard()), nearestGuardAlertness());
  drawText(labelX, seenRowY, labelColour, "SEEN");
  drawText(noteX, seenRowY, seenColour, seenNote.c_str());
  drawText(labelX, heardRowY, labelColour, "HEARD");
  drawText(noteX, heardRowY, playerRan ? noiseColour : labelColour, heardNote.c_str());
}
