// Textures of the building (floors, walls, ceiling, doorways, the entrance door, windows,
// the floor markings, the signs and the lamps) and of the objects (pedestal, furniture,
// sword, picture frames, and the plain board a taken picture leaves). Row 0 of every image
// is its top, so the top of a wall texture is the ceiling end of the wall.
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "MuseumLayout.h"
#include "TextPainter.h"
#include "TextureMakers.h"

namespace assetgen {
namespace {

constexpr float kPi = 3.14159265358979f;

// Wood: rings across the grain, fine streaks along it. along and across in pixels; the
// noise repeats every periodAlong pixels along the grain (0: no repeat).
Colour wood(float along, float across, int periodAlong, unsigned seed, Colour light, Colour dark) {
  const int cells = periodAlong > 0 ? std::max(1, periodAlong / 64) : 0;
  const float scale = periodAlong > 0 ? static_cast<float>(periodAlong) / cells : 64.0f;
  const float warp = tileNoise(along / scale, across / 40.0f, cells, 0, 2, seed);
  const float rings = 0.5f + 0.5f * std::sin(across * 0.45f + warp * 14.0f);
  const float fine = tileNoise(along / (scale / 8.0f), across / 1.5f, cells * 8, 0, 1, seed + 7);
  return mix(dark, light, clamp01(0.25f + 0.45f * rings + 0.35f * fine - 0.1f));
}

// Marble: a base colour crossed by thin veins; repeats every period pixels both ways.
Colour marble(float x, float y, int size, unsigned seed, Colour base, Colour vein, float veins) {
  const int cells = 4;
  const float s = static_cast<float>(size) / cells;
  const float n = tileNoise(x / s, y / s, cells, cells, 5, seed);
  const float line = std::fabs(n - 0.5f);
  const float strength = (1.0f - smoothstep(0.0f, 0.03f, line)) * veins;
  const float cloud = tileNoise(x / s, y / s, cells, cells, 3, seed + 3);
  return mix(scaled(base, 0.9f + 0.15f * cloud), vein, strength);
}

Canvas hallFloor() {
  const int n = 256;
  Canvas c(n, n);
  c.shade([&](int x, int y, Colour& p) {
    const bool dark = ((x / 128) + (y / 128)) % 2 == 1;
    p = dark ? marble(x, y, n, 5, rgb(52, 62, 58), rgb(150, 160, 150), 0.6f)
             : marble(x, y, n, 6, rgb(214, 204, 182), rgb(120, 110, 100), 0.5f);
    const int gx = x % 128;
    const int gy = y % 128;
    if (gx < 2 || gy < 2) p = rgb(60, 56, 50);
  });
  return c;
}

Canvas roomFloor() {
  // Basket weave: 64-pixel squares of four planks, turning a quarter from square to square.
  const int n = 256;
  Canvas c(n, n);
  c.shade([&](int x, int y, Colour& p) {
    const int sx = x / 64;
    const int sy = y / 64;
    const bool across = (sx + sy) % 2 == 0;
    const int lx = x % 64;
    const int ly = y % 64;
    const int plank = (across ? ly : lx) / 16;
    const float along = static_cast<float>(across ? lx : ly);
    const float inPlank = static_cast<float>((across ? ly : lx) % 16);
    const unsigned seed = static_cast<unsigned>(sx * 31 + sy * 17 + plank * 5);
    const float tone = 0.82f + 0.3f * (hash3(sx * 4 + plank, sy, 9) % 100) / 100.0f;
    p = scaled(wood(along, inPlank * 2.0f + seed * 13.0f, 0, seed, rgb(176, 120, 70), rgb(110, 66, 36)), tone);
    if (inPlank < 1.0f || along < 1.0f) p = scaled(p, 0.45f);
  });
  return c;
}

Canvas zones() {
  const int w = 512;
  const int h = 128;
  Canvas c(w, h);
  c.shade([&](int x, int y, Colour& p) {
    const float n = valueNoise(x / 9.0f, y / 9.0f, 3);
    p = scaled(rgb(46, 48, 52), 0.85f + 0.3f * n);
  });
  // Yellow and black hazard border round the exit zone.
  const int border = 9;
  c.shade([&](int x, int y, Colour& p) {
    if (x >= border && x < w - border && y >= border && y < h - border) return;
    p = ((x + y) / 12) % 2 == 0 ? rgb(230, 180, 30) : rgb(24, 24, 24);
  });
  // The drop zone is the left end of the exit zone.
  const float dropEnd = static_cast<float>(w * (museum::dropZone.x1 - museum::exitZone.x0) /
                                           (museum::exitZone.x1 - museum::exitZone.x0));
  c.fillRect(border + 6, border + 6, dropEnd - 4, h - border - 6, rgb(40, 150, 70));
  c.fillRect(border + 10, border + 10, dropEnd - 8, h - border - 10, rgb(34, 70, 44));
  c.fillRect(dropEnd - 2, border, dropEnd + 2, h - border, rgb(230, 180, 30));
  // One unit along x takes about 5.9 texels and along z 5.1: glyphs are
  // widened to match.
  const float stretch = static_cast<float>((w / (museum::exitZone.x1 - museum::exitZone.x0)) /
                                           (h / (museum::exitZone.z1 - museum::exitZone.z0)));
  if (auto bold = TextPainter::open("DejaVuSans-Bold.ttf")) {
    bold->setSize(34.0f, stretch);
    bold->drawCentred(c, (border + dropEnd) * 0.5f, 74.0f, "DROP", rgb(120, 230, 140));
    bold->setSize(15.0f, stretch);
    bold->drawCentred(c, (border + dropEnd) * 0.5f, 98.0f, "empty the bag: G", rgb(190, 230, 196));
    bold->setSize(46.0f, stretch);
    bold->drawCentred(c, (dropEnd + w - border) * 0.5f + 24.0f, 82.0f, "EXIT", rgb(235, 70, 60));
    bold->setSize(15.0f, stretch);
    bold->drawCentred(c, (dropEnd + w - border) * 0.5f + 24.0f, 106.0f, "leave the museum: Q",
                      rgb(240, 190, 180));
  }
  // An arrow to the door (the top edge of the image lies along the front wall).
  const float ax = dropEnd + 44.0f;
  c.fillPolygon({{ax, 22.0f}, {ax + 22.0f, 52.0f}, {ax + 8.0f, 52.0f}, {ax + 8.0f, 100.0f},
                 {ax - 8.0f, 100.0f}, {ax - 8.0f, 52.0f}, {ax - 22.0f, 52.0f}},
                rgb(235, 70, 60));
  // Worn paint.
  c.shade([&](int x, int y, Colour& p) {
    const float wear = valueNoise(x / 4.0f, y / 4.0f, 8);
    if (wear > 0.8f) p = mix(p, rgb(70, 70, 72), 0.5f);
  });
  return c;
}

// Rows of a 256-pixel wall texture: row 0 is y = 14 (the ceiling), row 256 is y = -6.
float rowOf(double worldY) {
  return static_cast<float>((museum::ceilingY - worldY) / (museum::ceilingY - museum::floorY) * 256.0);
}

// The parts every wall shares: a cornice under the ceiling and a skirting board.
void wallTrim(Canvas& c, Colour cornice, Colour skirting) {
  const float corniceEnd = rowOf(13.0);
  const float skirtingTop = rowOf(-5.2);
  c.shade([&](int x, int y, Colour& p) {
    if (y < corniceEnd) {
      const float t = y / corniceEnd;
      p = scaled(cornice, 0.75f + 0.35f * std::cos(t * kPi * 3.0f) * (1.0f - t));
    } else if (y >= skirtingTop) {
      const float t = (y - skirtingTop) / (256.0f - skirtingTop);
      p = scaled(skirting, t < 0.2f ? 1.3f : 0.9f + 0.1f * valueNoise(x / 5.0f, y / 5.0f, 4));
    }
  });
}

// Panelled wood below a dado rail, for the two picture galleries with old paintings.
void wainscot(Canvas& c, Colour woodLight, Colour woodDark, Colour rail) {
  const float top = rowOf(-3.0);
  const float railEnd = top + 4.0f;
  const float bottom = rowOf(-5.2);
  c.shade([&](int x, int y, Colour& p) {
    if (y < top || y >= bottom) return;
    if (y < railEnd) {
      p = scaled(rail, 0.8f + 0.4f * std::sin((y - top) / 4.0f * kPi));
      return;
    }
    p = wood(static_cast<float>(x), static_cast<float>(y) * 3.0f, 256, 21, woodLight, woodDark);
    const int px = x % 64;
    const float inner = std::min({static_cast<float>(px - 6), static_cast<float>(58 - px),
                                  (y - railEnd) - 4.0f, (bottom - y) - 4.0f});
    if (inner < 0.0f) p = scaled(p, 0.75f);
    else if (inner < 2.0f) p = scaled(p, 1.25f);
  });
}

// Night on a wall: the lamps light the lower wall, where the pictures hang, and leave the top
// in the dark; wall-washers under the cornice throw a pool down the wall once every texture
// width (20 units). Baked in, since the lights are lit per vertex and walls are tall quads.
void nightWall(Canvas& c) {
  const float width = static_cast<float>(c.width());
  c.shade([&](int x, int y, Colour& p) {
    const double worldY = museum::ceilingY - (y + 0.5) / 256.0 * (museum::ceilingY - museum::floorY);
    const float yw = static_cast<float>(worldY);
    const float base = 0.32f + 0.45f * (1.0f - smoothstep(4.0f, 12.5f, yw));
    // The pool opens downwards from the washer at y = 12.5, widest around the pictures.
    const float spread = clamp01((12.5f - yw) / 9.0f);
    const float across = std::fabs((x + 0.5f) - width * 0.5f) / (width * 0.5f);
    const float inside = 1.0f - smoothstep(spread * 0.7f - 0.2f, spread * 0.7f + 0.15f, across);
    const float fade = smoothstep(-6.0f, 2.0f, yw) * (1.0f - 0.4f * smoothstep(6.0f, 12.5f, yw));
    p = scaled(p, base + 0.5f * inside * fade * spread);
  });
}

Canvas hallWall() {
  // Dressed stone in courses of 32 pixels (2.5 units), blocks 64 long, every other course
  // shifted by half a block.
  Canvas c(256, 256);
  c.shade([&](int x, int y, Colour& p) {
    const int course = y / 32;
    const int shifted = x + (course % 2) * 32;
    const int block = (shifted / 64) % 4;
    const float tone = 0.88f + 0.12f * (hash3(block, course, 3) % 100) / 100.0f;
    const float n = tileNoise(x / 64.0f, y / 64.0f, 4, 4, 4, 12);
    p = scaled(rgb(186, 174, 150), tone * (0.85f + 0.25f * n));
    if (y % 32 < 2 || shifted % 64 < 2) p = scaled(p, 0.6f);
  });
  wallTrim(c, rgb(200, 190, 170), rgb(70, 64, 58));
  nightWall(c);
  return c;
}

Canvas damaskWall() {
  // Deep red silk with a medallion pattern, four motifs across, alternate rows shifted.
  Canvas c(256, 256);
  c.shade([&](int x, int y, Colour& p) {
    const int row = y / 56;
    const float fx = std::fmod(x + (row % 2) * 32.0f, 64.0f) / 32.0f - 1.0f;
    const float fy = std::fmod(static_cast<float>(y), 56.0f) / 28.0f - 1.0f;
    const float r = std::sqrt(fx * fx + fy * fy * 1.2f);
    const float a = std::atan2(fy, fx);
    const float petal = 0.5f + 0.5f * std::cos(a * 6.0f);
    const float motif = 1.0f - smoothstep(0.0f, 0.06f, r - (0.3f + 0.2f * petal));
    const float ring = 1.0f - smoothstep(0.0f, 0.05f, std::fabs(r - 0.78f));
    const float weave = 0.95f + 0.05f * std::sin(x * 1.9f) * std::sin(y * 1.7f);
    p = scaled(mix(rgb(112, 22, 28), rgb(150, 44, 44), std::max(motif, ring * 0.6f)), weave);
  });
  wainscot(c, rgb(110, 70, 40), rgb(60, 36, 22), rgb(190, 150, 70));
  wallTrim(c, rgb(196, 160, 90), rgb(44, 28, 20));
  nightWall(c);
  return c;
}

Canvas stripedWall() {
  // Dark green with fine vertical stripes.
  Canvas c(256, 256);
  c.shade([&](int x, int y, Colour& p) {
    const int stripe = x % 32;
    const float n = tileNoise(x / 64.0f, y / 64.0f, 4, 4, 2, 15);
    Colour base = rgb(34, 70, 62);
    if (stripe < 10) base = rgb(42, 84, 74);
    if (stripe == 10 || stripe == 0) base = rgb(120, 130, 90);
    p = scaled(base, 0.9f + 0.15f * n);
  });
  wainscot(c, rgb(96, 64, 40), rgb(54, 34, 22), rgb(170, 140, 80));
  wallTrim(c, rgb(190, 184, 160), rgb(40, 30, 24));
  nightWall(c);
  return c;
}

Canvas whiteWall() {
  // The modern wing: smooth off-white plaster and a plain grey skirting.
  Canvas c(256, 256);
  c.shade([&](int x, int y, Colour& p) {
    const float n = tileNoise(x / 64.0f, y / 64.0f, 4, 4, 4, 16);
    p = scaled(rgb(236, 224, 200), 0.93f + 0.08f * n);
  });
  wallTrim(c, rgb(230, 228, 222), rgb(90, 92, 96));
  nightWall(c);
  return c;
}

Canvas ceiling() {
  // Coffers: four sunken panels between light beams.
  Canvas c(256, 256);
  c.shade([&](int x, int y, Colour& p) {
    const int lx = x % 128;
    const int ly = y % 128;
    const int edge = std::min({lx, 127 - lx, ly, 127 - ly});
    const float n = tileNoise(x / 64.0f, y / 64.0f, 4, 4, 3, 17);
    Colour base = rgb(196, 186, 164);
    if (edge < 14) base = rgb(214, 204, 182);
    else if (edge < 22) base = scaled(rgb(170, 160, 140), lx < ly ? 0.8f : 1.05f);
    else base = rgb(160, 150, 132);
    const float dx = lx - 63.5f, dy = ly - 63.5f;
    if (dx * dx + dy * dy < 100.0f) base = rgb(200, 176, 110);
    p = scaled(base, 0.7f + 0.12f * n);
  });
  return c;
}

// A moulding across u (0 outer edge, 1 inner edge), grain along v; repeats along v.
float mouldingShade(float u) {
  if (u < 0.12f) return 0.7f;
  if (u < 0.3f) return 0.85f + 0.4f * std::sin((u - 0.12f) / 0.18f * kPi);
  if (u < 0.34f) return 0.6f;
  if (u < 0.7f) return 1.0f;
  if (u < 0.85f) return 0.65f + 0.2f * (u - 0.7f) / 0.15f;
  return 1.15f;
}

Canvas doorFrame() {
  Canvas c(128, 256);
  c.shade([&](int x, int y, Colour& p) {
    const Colour w = wood(static_cast<float>(y), x * 1.3f, 256, 31, rgb(120, 76, 44), rgb(70, 42, 24));
    p = scaled(w, mouldingShade(x / 128.0f));
  });
  return c;
}

Canvas entranceDoor() {
  // Two leaves, each with a glazed upper panel (night outside) and a raised lower panel,
  // brass push bars, and a dark gap between them.
  const int w = 512;
  const int h = 256;
  Canvas c(w, h);
  c.shade([&](int x, int y, Colour& p) {
    p = wood(static_cast<float>(y), (x % 256) * 1.2f, 0, 33, rgb(110, 68, 38), rgb(64, 38, 20));
  });
  for (int leaf = 0; leaf < 2; ++leaf) {
    const float x0 = leaf * 256.0f;
    // Glass: dark blue, a faint reflection.
    c.fillRect(x0 + 40, 22, x0 + 216, 118, rgb(40, 34, 24));
    c.fillRect(x0 + 46, 28, x0 + 210, 112, rgb(22, 30, 48));
    c.fillPolygon({{x0 + 60, 112}, {x0 + 110, 28}, {x0 + 130, 28}, {x0 + 80, 112}}, rgb(60, 70, 96), 0.5f);
    c.strokeLine({x0 + 128, 28}, {x0 + 128, 112}, 4.0f, rgb(40, 34, 24));
    // Raised panel below.
    c.fillRect(x0 + 40, 160, x0 + 216, 236, scaled(rgb(80, 50, 28), 0.8f), 0.7f);
    c.fillRect(x0 + 50, 170, x0 + 206, 226, rgb(120, 76, 44), 0.35f);
    c.fillRect(x0 + 40, 160, x0 + 216, 163, rgb(150, 100, 60), 0.6f);
    // Push bar.
    c.fillRect(x0 + 30, 134, x0 + 226, 144, rgb(200, 160, 70));
    c.fillRect(x0 + 30, 134, x0 + 226, 137, rgb(250, 220, 140));
    c.fillRect(x0 + 30, 142, x0 + 226, 144, rgb(120, 90, 40));
  }
  c.fillRect(254, 0, 258, h, rgb(12, 8, 6));
  c.fillRect(0, 0, 6, h, rgb(40, 24, 14));
  c.fillRect(w - 6, 0, w, h, rgb(40, 24, 14));
  return c;
}

Canvas windowFrame() {
  Canvas c(64, 64);
  c.shade([&](int x, int y, Colour& p) {
    const float n = valueNoise(x / 6.0f, y / 6.0f, 41);
    p = scaled(rgb(62, 68, 66), 0.85f + 0.3f * n);
  });
  return c;
}

Canvas signs() {
  const int w = 512;
  const int h = 512;
  const int rowH = h / museum::kSignRows;
  Canvas c(w, h, rgb(40, 26, 16));
  const char* texts[] = {"Entrance Hall  \xC2\xB7  Exit", "Gallery I  \xC2\xB7  Old Masters",
                         "Gallery II  \xC2\xB7  Still Life & Sea", "Gallery III  \xC2\xB7  Modern Art"};
  // The sign is 14 units wide and 2.2 high on a 512 by 64 pixel row.
  const float stretch = (w / 14.0f) / (rowH / 2.2f);
  auto font = TextPainter::open("DejaVuSans-Bold.ttf");
  for (int row = 0; row < museum::kSignRows; ++row) {
    const float y0 = static_cast<float>(row * rowH);
    const bool exit = row == museum::kSignExit;
    const Colour plate = exit ? rgb(20, 120, 60) : rgb(44, 28, 18);
    const Colour rim = exit ? rgb(230, 240, 230) : rgb(196, 158, 80);
    c.fillRect(0, y0, w, y0 + rowH, rim);
    c.fillRect(4, y0 + 4, w - 4, y0 + rowH - 4, plate);
    c.shade([&](int x, int y, Colour& p) {
      if (y < y0 + 4 || y >= y0 + rowH - 4 || x < 4 || x >= w - 4) return;
      p = scaled(p, 0.9f + 0.2f * valueNoise(x / 20.0f, y / 4.0f, 43 + row));
    });
    if (!font) continue;
    if (exit) {
      font->setSize(44.0f, stretch);
      font->drawCentred(c, w * 0.5f, y0 + 48.0f, "EXIT", rgb(245, 255, 245));
    } else if (row < 4) {
      // The longest names would run past the rim at the usual size: shrink each to fit the
      // plate with a margin, keeping its baseline.
      const float room = w - 2.0f * 24.0f;
      float size = 28.0f;
      font->setSize(size, stretch);
      const float width = font->measure(texts[row]);
      if (width > room) {
        size *= room / width;
        font->setSize(size, stretch);
      }
      font->drawCentred(c, w * 0.5f, y0 + 42.0f - (28.0f - size) * 0.35f, texts[row],
                        rgb(236, 200, 110));
    }
  }
  return c;
}

Canvas lamp() {
  Canvas c(64, 64, rgb(70, 66, 60));
  c.shade([&](int x, int y, Colour& p) {
    const float dx = x - 31.5f, dy = y - 31.5f;
    const float r = std::sqrt(dx * dx + dy * dy) / 32.0f;
    if (r < 0.8f) p = mix(rgb(255, 250, 230), rgb(240, 220, 170), r / 0.8f);
    else if (r < 0.9f) p = rgb(190, 170, 120);
  });
  return c;
}

// ---- Objects ----

Canvas objectMarble() {
  Canvas c(256, 256);
  c.shade([&](int x, int y, Colour& p) {
    p = marble(x, y, 256, 51, rgb(226, 222, 214), rgb(130, 130, 136), 0.7f);
  });
  return c;
}

Canvas plinth() {
  Canvas c(128, 128);
  c.shade([&](int x, int y, Colour& p) {
    const float n = tileNoise(x / 32.0f, y / 32.0f, 4, 4, 3, 52);
    const bool speck = (hash3(x, y, 53) % 100) < 6;
    p = scaled(rgb(58, 56, 60), 0.8f + 0.35f * n);
    if (speck) p = rgb(140, 136, 130);
  });
  return c;
}

Canvas velvet() {
  Canvas c(128, 128);
  c.shade([&](int x, int y, Colour& p) {
    const float sheen = tileNoise((x + y) / 64.0f, (x - y + 128) / 64.0f, 2, 2, 3, 54);
    const float pile = (hash3(x, y, 55) % 100) / 100.0f;
    p = scaled(rgb(128, 22, 34), 0.75f + 0.35f * sheen + 0.08f * pile);
  });
  return c;
}

Canvas oak() {
  Canvas c(256, 256);
  c.shade([&](int x, int y, Colour& p) {
    p = wood(static_cast<float>(x), static_cast<float>(y) * 1.4f, 256, 56, rgb(150, 100, 58), rgb(86, 54, 30));
  });
  return c;
}

Canvas steel() {
  Canvas c(128, 128);
  c.shade([&](int x, int y, Colour& p) {
    const float streak = tileNoise(x / 64.0f, y / 2.0f, 2, 64, 2, 57);
    p = scaled(rgb(196, 200, 206), 0.8f + 0.3f * streak);
  });
  return c;
}

Canvas brass() {
  Canvas c(64, 64);
  c.shade([&](int x, int y, Colour& p) {
    const float n = tileNoise(x / 16.0f, y / 16.0f, 4, 4, 3, 58);
    p = scaled(rgb(210, 170, 80), 0.8f + 0.35f * n);
  });
  return c;
}

Canvas leather() {
  Canvas c(64, 64);
  c.shade([&](int x, int y, Colour& p) {
    const float n = tileNoise(x / 16.0f, y / 16.0f, 4, 4, 3, 59);
    const float wrap = 0.8f + 0.2f * std::sin((x + y * 0.5f) * kPi / 8.0f);
    p = scaled(rgb(80, 46, 26), (0.8f + 0.3f * n) * wrap);
  });
  return c;
}

// Frames: u runs from the outer edge (0) to the canvas (1), v along the frame; repeats along v.
Canvas frame(Colour light, Colour dark, bool beads, bool grain, unsigned seed) {
  Canvas c(64, 256);
  c.shade([&](int x, int y, Colour& p) {
    const float u = x / 64.0f;
    Colour base = grain ? wood(static_cast<float>(y), x * 2.0f, 256, seed, light, dark)
                        : mix(dark, light, 0.6f + 0.3f * tileNoise(x / 16.0f, y / 32.0f, 4, 8, 2, seed));
    float shade = 1.0f;
    if (u < 0.08f) shade = 0.6f;
    else if (u < 0.3f) shade = 0.8f + 0.45f * std::sin((u - 0.08f) / 0.22f * kPi);
    else if (u < 0.36f) shade = 0.55f;
    else if (u < 0.55f) shade = 1.05f;
    else shade = 0.75f + 0.5f * (u - 0.55f) / 0.45f;
    if (beads && u > 0.38f && u < 0.52f) {
      const float by = std::fmod(static_cast<float>(y), 16.0f) - 8.0f;
      const float bx = (u - 0.45f) * 64.0f;
      const float d = std::sqrt(bx * bx + by * by);
      shade = d < 5.0f ? 1.3f - d * 0.08f : 0.6f;
    }
    p = scaled(base, shade);
  });
  return c;
}

Canvas plainBoard() {
  // What stays in a frame once its picture is gone: a plain board of light wood.
  Canvas c(256, 256);
  c.shade([&](int x, int y, Colour& p) {
    const int plank = x / 64;
    p = scaled(wood(static_cast<float>(y), (x % 64) * 1.5f + plank * 40.0f, 256, 61 + plank,
                    rgb(200, 160, 110), rgb(150, 110, 70)),
               0.92f + 0.06f * static_cast<float>(plank % 2));
    if (x % 64 == 0) p = scaled(p, 0.6f);
  });
  return c;
}

}  // namespace

bool writeTexture(const std::string& dataDir, const std::string& name, const Canvas& canvas) {
  const std::string prefix = "data/";
  const std::string relative = name.compare(0, prefix.size(), prefix) == 0 ? name.substr(prefix.size()) : name;
  return writeBmp(dataDir + "/" + relative, canvas.toImage());
}

bool writeLevelTextures(const std::string& dataDir) {
  using namespace museum::tex;
  return writeTexture(dataDir, kHallFloor, hallFloor()) &&
         writeTexture(dataDir, kRoomFloor, roomFloor()) &&
         writeTexture(dataDir, kZones, zones()) &&
         writeTexture(dataDir, kHallWall, hallWall()) &&
         writeTexture(dataDir, kRoom3Wall, damaskWall()) &&
         writeTexture(dataDir, kRoom2Wall, stripedWall()) &&
         writeTexture(dataDir, kRoom4Wall, whiteWall()) &&
         writeTexture(dataDir, kCeiling, ceiling()) &&
         writeTexture(dataDir, kDoorFrame, doorFrame()) &&
         writeTexture(dataDir, kEntranceDoor, entranceDoor()) &&
         writeTexture(dataDir, kWindowFrame, windowFrame()) &&
         writeTexture(dataDir, kSigns, signs()) &&
         writeTexture(dataDir, kLamp, lamp());
}

bool writeObjectTextures(const std::string& dataDir) {
  using namespace museum::tex;
  return writeTexture(dataDir, kMarble, objectMarble()) &&
         writeTexture(dataDir, kPlinth, plinth()) &&
         writeTexture(dataDir, kVelvet, velvet()) &&
         writeTexture(dataDir, kOak, oak()) &&
         writeTexture(dataDir, kSteel, steel()) &&
         writeTexture(dataDir, kBrass, brass()) &&
         writeTexture(dataDir, kLeather, leather()) &&
         writeTexture(dataDir, kGoldFrame, frame(rgb(236, 196, 100), rgb(120, 84, 30), true, false, 62)) &&
         writeTexture(dataDir, kWalnutFrame, frame(rgb(120, 78, 44), rgb(60, 36, 20), false, true, 63)) &&
         writeTexture(dataDir, kEbonyFrame, frame(rgb(50, 48, 50), rgb(16, 14, 16), false, false, 64)) &&
         writeTexture(dataDir, kSilverFrame, frame(rgb(220, 222, 226), rgb(140, 142, 150), false, false, 65)) &&
         writeTexture(dataDir, "data/textures/wood002.bmp", plainBoard());
}

}  // namespace assetgen
