// The 36 paintings of the museum: a catalogue (genre, seed, canvas size, frame) and one painter
// per genre. Each painter works on a canvas of the painting's own aspect; the result is
// finished with brush texture (and, for the old pictures, varnish and fine cracks) and
// resampled to the square texture.
#include "Paintings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "AssetFiles.h"

namespace assetgen {
namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kCount = 36;

using G = Genre;
using F = FrameStyle;

// Room 3: old masters; room 2: still lifes and the sea; room 4: the modern collection.
const PaintingInfo kCatalogue[kCount] = {
    {G::kPortrait, 11, 7.0, 9.0, F::kGold},       {G::kLandscape, 12, 12.0, 8.0, F::kGold},
    {G::kPortrait, 13, 6.5, 8.5, F::kGold},       {G::kSeascape, 14, 11.0, 7.5, F::kWalnut},
    {G::kLandscape, 15, 10.0, 7.0, F::kGold},     {G::kPortrait, 16, 7.5, 9.5, F::kGold},
    {G::kStillLife, 17, 9.0, 7.0, F::kWalnut},    {G::kLandscape, 18, 13.0, 8.5, F::kGold},
    {G::kPortrait, 19, 7.0, 9.0, F::kWalnut},     {G::kNocturne, 20, 10.0, 7.5, F::kGold},
    {G::kLandscape, 21, 11.0, 8.0, F::kGold},     {G::kStillLife, 22, 8.0, 8.0, F::kGold},

    {G::kStillLife, 31, 9.0, 7.5, F::kWalnut},    {G::kSeascape, 32, 12.0, 7.5, F::kGold},
    {G::kStillLife, 33, 7.5, 9.0, F::kWalnut},    {G::kLandscape, 34, 10.0, 7.0, F::kWalnut},
    {G::kStillLife, 35, 10.0, 7.0, F::kGold},     {G::kSeascape, 36, 11.0, 8.0, F::kWalnut},
    {G::kStillLife, 37, 8.0, 8.0, F::kGold},      {G::kNocturne, 38, 9.0, 7.0, F::kWalnut},
    {G::kSeascape, 39, 12.0, 8.0, F::kGold},      {G::kStillLife, 40, 8.5, 7.0, F::kWalnut},
    {G::kLandscape, 41, 11.0, 7.5, F::kGold},     {G::kSeascape, 42, 9.0, 7.0, F::kWalnut},

    {G::kGrid, 51, 9.0, 9.0, F::kEbony},          {G::kColourField, 52, 8.0, 10.0, F::kSilver},
    {G::kCircles, 53, 11.0, 8.0, F::kEbony},      {G::kDrips, 54, 12.0, 8.0, F::kSilver},
    {G::kStripes, 55, 9.0, 9.0, F::kEbony},       {G::kShapes, 56, 8.0, 10.0, F::kEbony},
    {G::kSquares, 57, 9.0, 9.0, F::kSilver},      {G::kDots, 58, 10.0, 8.0, F::kEbony},
    {G::kWaves, 59, 12.0, 7.0, F::kSilver},       {G::kColourField, 60, 8.0, 10.0, F::kEbony},
    {G::kGrid, 61, 8.0, 10.0, F::kSilver},        {G::kCircles, 62, 10.0, 10.0, F::kEbony},
};

Colour hsv(float h, float s, float v) {
  h = std::fmod(h, 1.0f);
  if (h < 0.0f) h += 1.0f;
  const float i = std::floor(h * 6.0f);
  const float f = h * 6.0f - i;
  const float p = v * (1.0f - s);
  const float q = v * (1.0f - s * f);
  const float t = v * (1.0f - s * (1.0f - f));
  switch (static_cast<int>(i) % 6) {
    case 0: return {v, t, p};
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    default: return {v, p, q};
  }
}

// A choice among n made from the painting's seed; the ids keep the choices independent.
unsigned pick(unsigned seed, unsigned id, unsigned n) {
  return (hash3(static_cast<int>(seed), static_cast<int>(id), 77u) >> 4) % n;
}

float rnd(Random& r, float lo, float hi) {
  return static_cast<float>(r.range(lo, hi));
}

int rndInt(Random& r, int lo, int hi) {  // lo..hi inclusive
  return lo + static_cast<int>(r.next() % static_cast<std::uint64_t>(hi - lo + 1));
}

// A ridge line across the canvas: base height minus amplitude times 1D fractal noise.
float ridge(float x, float width, float base, float amplitude, float frequency, unsigned seed) {
  return base - amplitude * fractalNoise(x / width * frequency, 0.37f, 4, seed);
}

// Fills under a curve with a colour that varies with noise, for fields, hills and water.
void fillTextured(Canvas& c, const std::function<float(float)>& curve, Colour base, Colour dark,
                  float sx, float sy, unsigned seed) {
  for (int x = 0; x < c.width(); ++x) {
    const float top = curve(x + 0.5f);
    const int first = std::max(0, static_cast<int>(std::floor(top)));
    for (int y = first; y < c.height(); ++y) {
      const float n = fractalNoise(x / sx, y / sy, 3, seed);
      const float coverage = clamp01(y + 1.0f - top);
      c.blend(x, y, mix(dark, base, n), coverage);
    }
  }
}

// A shaded sphere lit from the upper left, with a highlight.
void sphere(Canvas& c, float cx, float cy, float radius, Colour colour, float gloss) {
  const int x0 = std::max(0, static_cast<int>(cx - radius - 2));
  const int x1 = std::min(c.width() - 1, static_cast<int>(cx + radius + 2));
  const int y0 = std::max(0, static_cast<int>(cy - radius - 2));
  const int y1 = std::min(c.height() - 1, static_cast<int>(cy + radius + 2));
  const float lx = -0.55f, ly = -0.6f, lz = 0.58f;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float nx = (x + 0.5f - cx) / radius;
      const float ny = (y + 0.5f - cy) / radius;
      const float d2 = nx * nx + ny * ny;
      const float edge = clamp01((1.0f - std::sqrt(d2)) * radius + 0.5f);
      if (edge <= 0.0f) continue;
      const float nz = std::sqrt(std::max(0.0f, 1.0f - d2));
      const float lambert = std::max(0.0f, nx * lx + ny * ly + nz * lz);
      Colour shade = scaled(colour, 0.18f + 0.95f * lambert);
      const float spec = std::pow(std::max(0.0f, nz * 0.6f - nx * 0.45f - ny * 0.5f), 18.0f);
      shade = mix(shade, Colour{1.0f, 0.97f, 0.9f}, clamp01(spec * gloss));
      c.blend(x, y, shade, edge);
    }
  }
}

// A turned vessel (vase, jug, bottle): halfWidth(t) for t from 0 (foot) to 1 (lip).
void vessel(Canvas& c, float cx, float baseY, float height, const std::function<float(float)>& halfWidth,
            Colour colour, float gloss) {
  const int y0 = std::max(0, static_cast<int>(baseY - height));
  const int y1 = std::min(c.height() - 1, static_cast<int>(baseY));
  for (int y = y0; y <= y1; ++y) {
    const float t = (baseY - (y + 0.5f)) / height;
    const float hw = halfWidth(clamp01(t));
    if (hw <= 0.0f) continue;
    const int x0 = std::max(0, static_cast<int>(cx - hw - 1));
    const int x1 = std::min(c.width() - 1, static_cast<int>(cx + hw + 1));
    for (int x = x0; x <= x1; ++x) {
      const float u = (x + 0.5f - cx) / hw;
      const float edge = clamp01((1.0f - std::fabs(u)) * hw + 0.5f);
      if (edge <= 0.0f) continue;
      const float nz = std::sqrt(std::max(0.0f, 1.0f - u * u));
      const float lambert = std::max(0.0f, -0.6f * u + 0.75f * nz);
      Colour shade = scaled(colour, 0.2f + 0.9f * lambert);
      const float spec = std::pow(std::max(0.0f, 1.0f - std::fabs(u + 0.45f) * 4.0f), 3.0f);
      shade = mix(shade, Colour{1.0f, 0.98f, 0.92f}, clamp01(spec * gloss));
      c.blend(x, y, shade, edge);
    }
  }
}

Colour skyAt(float t, Colour top, Colour middle, Colour horizon) {
  return t < 0.5f ? mix(top, middle, t * 2.0f) : mix(middle, horizon, (t - 0.5f) * 2.0f);
}

void paintSky(Canvas& c, float horizon, Colour top, Colour middle, Colour low, Colour cloud,
              float cloudiness, unsigned seed) {
  const float W = static_cast<float>(c.width());
  for (int y = 0; y < static_cast<int>(std::ceil(horizon)) && y < c.height(); ++y) {
    const float t = (y + 0.5f) / horizon;
    const Colour base = skyAt(t, top, middle, low);
    for (int x = 0; x < c.width(); ++x) {
      const float n = fractalNoise(x / W * 5.0f, y / horizon * 7.0f, 4, seed);
      const float amount = smoothstep(0.62f - cloudiness * 0.2f, 0.8f, n) * (1.0f - 0.4f * t);
      c.set(x, y, mix(base, mix(cloud, base, 0.35f * t), amount));
    }
  }
}

void addGlow(Canvas& c, float cx, float cy, float radius, Colour colour, float strength) {
  c.shade([&](int x, int y, Colour& p) {
    const float dx = x + 0.5f - cx;
    const float dy = y + 0.5f - cy;
    const float d = std::sqrt(dx * dx + dy * dy) / radius;
    p = added(p, scaled(colour, strength * std::exp(-d * d)));
  });
}

void tree(Canvas& c, Random& r, float x, float baseY, float size, Colour leaf) {
  c.strokeLine({x, baseY}, {x + size * 0.05f, baseY - size * 0.7f}, size * 0.09f, rgb(60, 42, 28));
  const int blobs = rndInt(r, 6, 10);
  for (int i = 0; i < blobs; ++i) {
    const float bx = x + rnd(r, -0.35f, 0.35f) * size;
    const float by = baseY - size * rnd(r, 0.6f, 1.05f);
    const float br = size * rnd(r, 0.18f, 0.3f);
    c.fillEllipse(bx, by, br, br * 0.85f, scaled(leaf, rnd(r, 0.55f, 0.8f)), 1.0f, 1.5f);
    c.fillEllipse(bx - br * 0.3f, by - br * 0.3f, br * 0.55f, br * 0.45f, scaled(leaf, 1.1f), 0.5f, 2.0f);
  }
}

void cypress(Canvas& c, float x, float baseY, float size, Colour leaf) {
  c.fillEllipse(x, baseY - size * 0.5f, size * 0.1f, size * 0.5f, scaled(leaf, 0.6f), 1.0f, 1.5f);
  c.fillEllipse(x - size * 0.03f, baseY - size * 0.55f, size * 0.05f, size * 0.4f, leaf, 0.5f, 2.0f);
}

void house(Canvas& c, float x, float baseY, float w, Colour wall, Colour roof) {
  const float h = w * 0.6f;
  c.fillRect(x, baseY - h, x + w, baseY, wall);
  c.fillRect(x + w * 0.55f, baseY - h, x + w, baseY, scaled(wall, 0.7f));
  c.fillPolygon({{x - w * 0.08f, baseY - h}, {x + w * 0.5f, baseY - h - w * 0.45f},
                 {x + w * 1.08f, baseY - h}},
                roof);
  c.fillRect(x + w * 0.2f, baseY - h * 0.55f, x + w * 0.32f, baseY - h * 0.3f, rgb(40, 30, 25));
}

void paintLandscape(Canvas& c, Random& r, unsigned seed) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  const int mood = static_cast<int>(seed % 4);
  const float horizon = H * rnd(r, 0.48f, 0.6f);
  Colour top, middle, low, cloud, far, hill, field, leaf;
  switch (mood) {
    case 0:  // bright day
      top = rgb(62, 104, 168); middle = rgb(120, 160, 200); low = rgb(214, 214, 200);
      cloud = rgb(245, 240, 228); far = rgb(120, 140, 160); hill = rgb(88, 112, 62);
      field = rgb(150, 150, 80); leaf = rgb(70, 96, 46);
      break;
    case 1:  // sunset
      top = rgb(52, 46, 92); middle = rgb(190, 100, 84); low = rgb(250, 196, 120);
      cloud = rgb(236, 150, 120); far = rgb(120, 86, 110); hill = rgb(70, 62, 50);
      field = rgb(140, 100, 54); leaf = rgb(52, 58, 34);
      break;
    case 2:  // storm
      top = rgb(54, 58, 68); middle = rgb(104, 108, 112); low = rgb(178, 170, 146);
      cloud = rgb(150, 150, 146); far = rgb(92, 100, 108); hill = rgb(64, 80, 52);
      field = rgb(110, 116, 62); leaf = rgb(42, 62, 36);
      break;
    default:  // golden afternoon
      top = rgb(96, 130, 176); middle = rgb(170, 180, 176); low = rgb(240, 218, 160);
      cloud = rgb(250, 236, 210); far = rgb(150, 150, 150); hill = rgb(120, 120, 60);
      field = rgb(196, 160, 80); leaf = rgb(80, 92, 40);
      break;
  }
  paintSky(c, horizon, top, middle, low, cloud, mood == 2 ? 0.9f : 0.4f, seed);
  if (mood == 1 || mood == 3) {
    const float sx = W * rnd(r, 0.25f, 0.75f);
    const float sy = horizon - H * (mood == 1 ? 0.06f : 0.25f);
    addGlow(c, sx, sy, W * 0.2f, rgb(255, 200, 120), 0.35f);
    c.fillEllipse(sx, sy, W * 0.03f, W * 0.03f, rgb(255, 236, 190), 1.0f, 2.0f);
  }
  const unsigned s1 = seed * 7 + 1;
  fillTextured(c, [&](float x) { return ridge(x, W, horizon + 2.0f, H * 0.2f, 3.0f, s1); },
               far, scaled(far, 0.85f), 30.0f, 10.0f, s1);
  const unsigned s2 = seed * 7 + 2;
  fillTextured(c, [&](float x) { return ridge(x, W, horizon + H * 0.1f, H * 0.12f, 2.0f, s2); },
               hill, scaled(hill, 0.7f), 14.0f, 6.0f, s2);
  const bool lake = pick(seed, 6, 3) == 0;
  if (lake) {
    // Still water reflecting the sky in a band below the hills.
    const float top0 = horizon + H * 0.1f;
    const float bottom0 = top0 + H * 0.12f;
    for (int y = static_cast<int>(top0); y < static_cast<int>(bottom0) && y < c.height(); ++y) {
      const float t = (y - top0) / (bottom0 - top0);
      for (int x = 0; x < c.width(); ++x) {
        const float ripple = 0.1f * std::sin(y * 1.7f + fractalNoise(x / 20.0f, y / 3.0f, 2, seed) * 8.0f);
        const Colour water = skyAt(clamp01(1.0f - t * 0.8f), top, middle, low);
        c.set(x, y, scaled(water, 0.75f + ripple));
      }
    }
  }
  const unsigned s3 = seed * 7 + 3;
  const float fieldTop = horizon + H * (lake ? 0.24f : 0.18f);
  fillTextured(c, [&](float x) { return ridge(x, W, fieldTop + H * 0.05f, H * 0.08f, 1.5f, s3); },
               field, scaled(field, 0.6f), 24.0f, 4.0f, s3);
  // A path or stream winding to the foreground.
  if (pick(seed, 22, 2) == 1) {
    std::vector<Point> path;
    const float x0 = W * rnd(r, 0.3f, 0.7f);
    for (int i = 0; i <= 10; ++i) {
      const float t = i / 10.0f;
      path.push_back({x0 + std::sin(t * 3.0f + seed) * W * 0.08f - t * t * W * 0.1f,
                      fieldTop + H * 0.06f + t * (H - fieldTop)});
    }
    for (int i = 10; i >= 0; --i) {
      const float t = i / 10.0f;
      path.push_back({path[i].x + W * (0.01f + t * t * 0.12f), path[i].y});
    }
    c.fillPolygon(path, mix(field, low, 0.4f), 0.8f);
  }
  if (pick(seed, 23, 4) != 2) house(c, W * rnd(r, 0.15f, 0.8f), fieldTop + H * 0.03f, W * 0.05f,
                           rgb(214, 200, 170), rgb(150, 70, 50));
  const int trees = rndInt(r, 2, 5);
  for (int i = 0; i < trees; ++i) {
    const float size = H * rnd(r, 0.12f, 0.3f);
    const float x = W * rnd(r, 0.05f, 0.95f);
    const float base = fieldTop + H * rnd(r, 0.05f, 0.3f);
    if (pick(seed, 24, 5) == 1 && i % 2 == 0) cypress(c, x, base, size * 1.4f, leaf);
    else tree(c, r, x, base, size, leaf);
  }
}

void ship(Canvas& c, float x, float waterY, float size, Colour sail) {
  const float hullH = size * 0.16f;
  c.fillPolygon({{x - size * 0.5f, waterY - hullH}, {x + size * 0.55f, waterY - hullH * 1.3f},
                 {x + size * 0.4f, waterY}, {x - size * 0.38f, waterY}},
                rgb(58, 38, 26));
  for (int m = 0; m < 2; ++m) {
    const float mx = x - size * 0.2f + m * size * 0.38f;
    const float mh = size * (m == 0 ? 0.85f : 0.7f);
    c.strokeLine({mx, waterY - hullH}, {mx, waterY - hullH - mh}, std::max(1.0f, size * 0.02f),
                 rgb(50, 36, 26));
    for (int s = 0; s < 2; ++s) {
      const float y0 = waterY - hullH - mh * (0.95f - s * 0.45f);
      const float y1 = y0 + mh * 0.38f;
      const float hw = size * (0.17f + s * 0.04f);
      c.fillPolygon({{mx - hw, y0}, {mx + hw, y0}, {mx + hw * 1.1f, y1}, {mx - hw * 0.9f, y1}},
                    scaled(sail, 0.95f - s * 0.1f));
      c.fillPolygon({{mx, y0}, {mx + hw, y0}, {mx + hw * 1.1f, y1}, {mx, y1}},
                    scaled(sail, 0.75f), 0.6f);
    }
  }
}

void paintSeascape(Canvas& c, Random& r, unsigned seed) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  const int mood = static_cast<int>(pick(seed, 7, 3));  // 0 day, 1 evening, 2 grey weather
  const bool evening = mood == 1;
  const float horizon = H * rnd(r, 0.45f, 0.55f);
  const Colour tops[] = {rgb(80, 120, 170), rgb(70, 64, 100), rgb(70, 76, 84)};
  const Colour middles[] = {rgb(150, 180, 200), rgb(200, 130, 100), rgb(130, 136, 136)};
  const Colour lows[] = {rgb(220, 220, 206), rgb(244, 200, 140), rgb(196, 196, 180)};
  const Colour clouds[] = {rgb(240, 240, 236), rgb(230, 160, 130), rgb(160, 162, 160)};
  const Colour low = lows[mood];
  paintSky(c, horizon, tops[mood], middles[mood], low, clouds[mood], mood == 2 ? 0.95f : 0.6f, seed);
  const float sunX = W * rnd(r, 0.3f, 0.7f);
  if (evening) {
    addGlow(c, sunX, horizon - H * 0.05f, W * 0.18f, rgb(255, 190, 110), 0.4f);
    c.fillEllipse(sunX, horizon - H * 0.05f, W * 0.035f, W * 0.035f, rgb(255, 230, 180), 1.0f, 2.0f);
  }
  const Colour fars[] = {rgb(96, 130, 150), rgb(150, 110, 110), rgb(100, 112, 104)};
  const Colour nears[] = {rgb(26, 56, 72), rgb(40, 40, 60), rgb(34, 48, 44)};
  const Colour far = fars[mood];
  const Colour near = nears[mood];
  for (int y = static_cast<int>(horizon); y < c.height(); ++y) {
    const float t = std::max(0.0f, (y - horizon) / (H - horizon));
    const Colour base = mix(far, near, std::pow(t, 0.7f));
    const float freq = 0.6f / (0.05f + t);
    for (int x = 0; x < c.width(); ++x) {
      const float n = fractalNoise(x / W * 6.0f, y / (2.0f + t * 12.0f), 3, seed + 5);
      const float wave = std::sin(x / W * 40.0f / freq + n * 9.0f + y * 0.25f);
      Colour p = scaled(base, 0.85f + 0.2f * n);
      p = mix(p, mix(low, Colour{1, 1, 1}, 0.5f), smoothstep(0.8f, 1.0f, wave) * (0.25f + 0.5f * t));
      const float glitter = std::fabs(x - sunX) / (W * (0.03f + 0.2f * t));
      if (glitter < 1.0f && n > 0.5f) p = mix(p, low, (1.0f - glitter) * (evening ? 0.7f : 0.35f));
      c.set(x, y, p);
    }
  }
  if (pick(seed, 25, 3) != 1) {
    // A headland with a lighthouse.
    const bool left = pick(seed, 8, 2) == 1;
    const float x0 = left ? 0.0f : W * 0.72f;
    const float x1 = left ? W * 0.28f : W;
    std::vector<Point> land = {{x0, horizon + H * 0.02f}};
    for (int i = 0; i <= 12; ++i) {
      const float t = i / 12.0f;
      const float edge = left ? 1.0f - t : t;
      land.push_back({x0 + (x1 - x0) * t, horizon - H * (0.02f + 0.12f * std::sqrt(edge) *
                                                          fractalNoise(t * 4.0f, 1.0f, 3, seed))});
    }
    land.push_back({x1, horizon + H * 0.02f});
    c.fillPolygon(land, evening ? rgb(50, 40, 46) : rgb(70, 76, 60));
    const float lx = left ? W * 0.12f : W * 0.86f;
    const float ly = horizon - H * 0.1f;
    c.fillRect(lx - W * 0.01f, ly - H * 0.12f, lx + W * 0.01f, ly, rgb(230, 226, 214));
    c.fillRect(lx - W * 0.013f, ly - H * 0.14f, lx + W * 0.013f, ly - H * 0.12f, rgb(170, 50, 40));
    if (evening) addGlow(c, lx, ly - H * 0.13f, W * 0.03f, rgb(255, 230, 150), 0.6f);
  }
  const int ships = rndInt(r, 1, 2);
  for (int i = 0; i < ships; ++i) {
    const float size = H * rnd(r, 0.12f, 0.28f) / (i + 1);
    ship(c, W * rnd(r, 0.25f, 0.75f), horizon + H * (0.03f + 0.08f / (i + 1)), size,
         evening ? rgb(236, 200, 170) : rgb(236, 230, 214));
  }
}

void paintPortrait(Canvas& c, Random& r, unsigned seed) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  const Colour backgrounds[] = {rgb(48, 36, 26), rgb(36, 44, 34), rgb(30, 30, 38), rgb(70, 52, 34)};
  const Colour bg = backgrounds[pick(seed, 9, 4)];
  const float hx = W * (0.5f + rnd(r, -0.05f, 0.05f));
  const float hy = H * rnd(r, 0.33f, 0.36f);
  c.shade([&](int x, int y, Colour& p) {
    const float dx = (x - hx) / W;
    const float dy = (y - hy) / H;
    const float d = std::sqrt(dx * dx + dy * dy);
    p = scaled(bg, 1.6f - d * 1.6f + 0.2f * fractalNoise(x / 40.0f, y / 40.0f, 3, seed));
  });
  const Colour clothes[] = {rgb(24, 22, 24), rgb(90, 20, 24), rgb(26, 40, 80), rgb(50, 62, 40)};
  const Colour cloth = clothes[pick(seed, 2, 4)];
  const Colour skins[] = {rgb(226, 184, 150), rgb(206, 160, 124), rgb(236, 200, 176), rgb(168, 120, 90)};
  const Colour skin = skins[pick(seed, 3, 4)];
  const Colour hairs[] = {rgb(40, 28, 20), rgb(90, 60, 30), rgb(20, 18, 18), rgb(170, 160, 150),
                          rgb(130, 70, 30)};
  const Colour hair = hairs[pick(seed, 4, 5)];
  const float headRx = W * 0.16f;
  const float headRy = H * 0.165f;
  const bool longHair = pick(seed, 10, 3) == 0;
  const bool hat = pick(seed, 11, 3) == 2;
  // Shoulders and body.
  c.fillEllipse(hx, H * 0.99f, W * 0.47f, H * 0.43f, cloth, 1.0f, 2.0f);
  c.fillEllipse(hx - W * 0.14f, H * 0.8f, W * 0.18f, H * 0.16f, scaled(cloth, 1.5f), 0.35f, 20.0f);
  if (longHair) c.fillEllipse(hx, hy + headRy * 0.6f, headRx * 1.45f, headRy * 1.6f, hair, 1.0f, 3.0f);
  // Neck and collar.
  c.fillRect(hx - headRx * 0.5f, hy + headRy * 0.6f, hx + headRx * 0.5f, H * 0.6f, scaled(skin, 0.75f));
  if (pick(seed, 26, 2) == 0) {
    c.fillEllipse(hx, H * 0.585f, W * 0.18f, H * 0.035f, rgb(232, 228, 214), 1.0f, 2.0f);
    c.fillEllipse(hx, H * 0.59f, W * 0.13f, H * 0.02f, rgb(200, 196, 184), 0.6f, 3.0f);
  } else {
    c.fillPolygon({{hx - W * 0.1f, H * 0.56f}, {hx + W * 0.1f, H * 0.56f}, {hx, H * 0.68f}},
                  scaled(skin, 0.8f));
  }
  if (!longHair) c.fillEllipse(hx, hy - headRy * 0.25f, headRx * 1.08f, headRy * 0.95f, hair, 1.0f, 2.0f);
  // The head, lit from the upper left.
  const int x0 = static_cast<int>(hx - headRx - 2), x1 = static_cast<int>(hx + headRx + 2);
  const int y0 = static_cast<int>(hy - headRy - 2), y1 = static_cast<int>(hy + headRy + 2);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float nx = (x + 0.5f - hx) / headRx;
      const float ny = (y + 0.5f - hy) / headRy;
      const float d2 = nx * nx + ny * ny * (ny > 0.0f ? 1.15f : 1.0f);
      const float edge = clamp01((1.0f - std::sqrt(d2)) * headRx * 0.8f + 0.5f);
      if (edge <= 0.0f) continue;
      const float nz = std::sqrt(std::max(0.0f, 1.0f - d2));
      const float light = std::max(0.0f, -0.5f * nx - 0.35f * ny + 0.8f * nz);
      c.blend(x, y, scaled(skin, 0.35f + 0.75f * light), edge);
    }
  }
  // Hair over the forehead.
  if (!longHair || pick(seed, 12, 2) == 0) {
    c.fillEllipse(hx + headRx * 0.1f, hy - headRy * 0.82f, headRx * 0.95f, headRy * 0.35f, hair, 1.0f, 2.0f);
  } else {
    c.fillEllipse(hx, hy - headRy * 0.85f, headRx * 1.05f, headRy * 0.4f, hair, 1.0f, 2.0f);
  }
  // Face.
  const float eyeY = hy - headRy * 0.08f;
  for (int side = -1; side <= 1; side += 2) {
    const float ex = hx + side * headRx * 0.38f;
    c.fillEllipse(ex, eyeY, headRx * 0.16f, headRy * 0.06f, rgb(226, 220, 206), 0.9f, 1.0f);
    c.fillEllipse(ex + headRx * 0.03f, eyeY, headRx * 0.07f, headRy * 0.06f, rgb(50, 36, 28), 1.0f, 1.0f);
    c.strokeLine({ex - headRx * 0.2f, eyeY - headRy * 0.17f}, {ex + headRx * 0.2f, eyeY - headRy * 0.2f},
                 std::max(1.5f, headRy * 0.05f), scaled(hair, 0.9f), 0.8f);
    c.fillEllipse(ex, eyeY - headRy * 0.07f, headRx * 0.2f, headRy * 0.04f, scaled(skin, 0.6f), 0.4f, 2.0f);
  }
  c.strokeLine({hx + headRx * 0.05f, eyeY + headRy * 0.05f}, {hx + headRx * 0.12f, hy + headRy * 0.32f},
               std::max(1.5f, headRx * 0.08f), scaled(skin, 0.6f), 0.5f);
  c.fillEllipse(hx + headRx * 0.02f, hy + headRy * 0.36f, headRx * 0.15f, headRy * 0.04f,
                scaled(skin, 0.55f), 0.6f, 1.5f);
  c.fillEllipse(hx, hy + headRy * 0.56f, headRx * 0.26f, headRy * 0.06f, rgb(160, 70, 66), 0.9f, 1.5f);
  for (int side = -1; side <= 1; side += 2) {
    c.fillEllipse(hx + side * headRx * 0.5f, hy + headRy * 0.3f, headRx * 0.22f, headRy * 0.14f,
                  rgb(220, 120, 110), 0.18f, 8.0f);
  }
  if (hat) {
    const Colour hatColour = rgb(22, 20, 22);
    c.fillEllipse(hx, hy - headRy * 0.78f, headRx * 1.9f, headRy * 0.22f, hatColour, 1.0f, 2.0f);
    c.fillRect(hx - headRx * 0.9f, hy - headRy * 1.6f, hx + headRx * 0.9f, hy - headRy * 0.8f, hatColour);
    c.fillEllipse(hx, hy - headRy * 1.6f, headRx * 0.9f, headRy * 0.18f, scaled(hatColour, 1.6f), 1.0f, 2.0f);
  }
  // A hand with a glove or a book at the lower edge, sometimes.
  if (pick(seed, 27, 5) == 2) {
    c.fillEllipse(hx + W * 0.22f, H * 0.93f, W * 0.07f, H * 0.045f, skin, 1.0f, 2.0f);
    c.fillRect(hx + W * 0.1f, H * 0.9f, hx + W * 0.28f, H * 1.0f, rgb(110, 30, 24));
  }
}

void paintStillLife(Canvas& c, Random& r, unsigned seed) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  const Colour bgs[] = {rgb(40, 32, 22), rgb(34, 36, 26), rgb(22, 20, 20), rgb(54, 44, 32)};
  const Colour bg = bgs[pick(seed, 13, 4)];
  c.shade([&](int x, int y, Colour& p) {
    const float light = 1.5f - 0.9f * (x / W) - 0.5f * (y / H);
    p = scaled(bg, std::max(0.3f, light) * (0.85f + 0.3f * fractalNoise(x / 50.0f, y / 50.0f, 3, seed)));
  });
  const float tableY = H * rnd(r, 0.62f, 0.72f);
  const Colour wood = rgb(92, 58, 34);
  for (int y = static_cast<int>(tableY); y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      const float grain = fractalNoise(x / 60.0f, y / 3.0f, 3, seed + 9);
      const bool front = y > tableY + H * 0.09f;
      c.set(x, y, scaled(wood, (front ? 0.55f : 0.95f) * (0.75f + 0.45f * grain) * (1.2f - 0.6f * x / W)));
    }
  }
  c.fillRect(0, tableY + H * 0.09f, W, tableY + H * 0.1f, rgb(150, 110, 70), 0.6f);
  // A white cloth hanging over the edge.
  const float clothX = W * rnd(r, 0.05f, 0.45f);
  const float clothW = W * rnd(r, 0.3f, 0.45f);
  std::vector<Point> cloth = {{clothX, tableY}, {clothX + clothW, tableY}};
  for (int i = 0; i <= 8; ++i) {
    const float t = 1.0f - i / 8.0f;
    cloth.push_back({clothX + clothW * t + W * 0.02f,
                     tableY + H * (0.2f + 0.05f * std::sin(t * 9.0f + seed))});
  }
  c.fillPolygon(cloth, rgb(226, 220, 204));
  for (int i = 0; i < 6; ++i) {
    const float fx = clothX + clothW * (i + 0.5f) / 6.0f;
    c.strokeLine({fx, tableY + H * 0.04f}, {fx + W * 0.01f, tableY + H * 0.14f}, W * 0.012f,
                 rgb(170, 164, 150), 0.45f);
  }
  const float shelf = tableY + H * 0.03f;
  // Vessels at the back, fruit in front.
  const int kind = static_cast<int>(pick(seed, 28, 3));
  const float vx = W * rnd(r, 0.3f, 0.7f);
  const float vh = H * rnd(r, 0.35f, 0.45f);
  c.fillEllipse(vx + W * 0.05f, shelf + 2.0f, W * 0.12f, H * 0.02f, Colour{0, 0, 0}, 0.5f, 6.0f);
  const Colour glazes[] = {rgb(40, 70, 120), rgb(170, 90, 50), rgb(220, 216, 200), rgb(40, 80, 60)};
  if (kind == 0) {
    vessel(c, vx, shelf, vh, [&](float t) {
      return W * (0.06f + 0.07f * std::sin(kPi * std::min(1.0f, t * 1.3f)) + (t > 0.85f ? 0.02f : 0.0f));
    }, glazes[pick(seed, 5, 4)], 0.8f);
  } else if (kind == 1) {
    vessel(c, vx, shelf, vh * 1.1f, [&](float t) {
      return W * (t < 0.55f ? 0.065f : (t < 0.7f ? 0.065f - (t - 0.55f) * 0.3f : 0.02f));
    }, rgb(30, 60, 36), 1.0f);
  } else {
    // A jug: its handle first, so that the body covers the handle's ends.
    const Colour glaze = glazes[(pick(seed, 1, 4) + 1) % 4];
    const float hcx = vx + W * 0.1f;
    const float hcy = shelf - vh * 0.35f;
    for (int k = 0; k < 10; ++k) {
      const float a0 = -kPi / 2 + kPi * k / 10.0f;
      const float a1 = -kPi / 2 + kPi * (k + 1) / 10.0f;
      c.strokeLine({hcx + std::cos(a0) * W * 0.05f, hcy + std::sin(a0) * vh * 0.2f},
                   {hcx + std::cos(a1) * W * 0.05f, hcy + std::sin(a1) * vh * 0.2f}, W * 0.016f,
                   scaled(glaze, 0.7f));
    }
    vessel(c, vx, shelf, vh * 0.7f, [&](float t) {
      return W * (0.08f + 0.04f * std::sin(kPi * t) - 0.02f * t);
    }, glaze, 0.7f);
  }
  // Flowers in the vase sometimes.
  if (kind == 0 && pick(seed, 14, 2) == 1) {
    for (int i = 0; i < 9; ++i) {
      const float fx = vx + W * rnd(r, -0.15f, 0.15f);
      const float fy = shelf - vh - H * rnd(r, 0.02f, 0.18f);
      c.strokeLine({vx, shelf - vh * 0.95f}, {fx, fy}, 1.5f, rgb(50, 80, 40));
      const Colour petal = hsv(rnd(r, -0.05f, 0.15f), rnd(r, 0.5f, 0.9f), rnd(r, 0.7f, 1.0f));
      c.fillEllipse(fx, fy, W * 0.03f, W * 0.027f, petal, 1.0f, 1.5f);
      c.fillEllipse(fx - W * 0.008f, fy - W * 0.008f, W * 0.012f, W * 0.01f, scaled(petal, 1.3f), 0.6f, 2.0f);
    }
  }
  const int fruits = rndInt(r, 3, 6);
  for (int i = 0; i < fruits; ++i) {
    const float fr = W * rnd(r, 0.035f, 0.06f);
    const float fx = W * rnd(r, 0.12f, 0.88f);
    const float fy = tableY + H * rnd(r, 0.0f, 0.06f) - fr * 0.6f;
    c.fillEllipse(fx + fr * 0.4f, fy + fr * 0.85f, fr * 1.1f, fr * 0.3f, Colour{0, 0, 0}, 0.45f, 4.0f);
    const int type = rndInt(r, 0, 4);
    if (type == 4) {  // grapes
      for (int g = 0; g < 12; ++g) {
        sphere(c, fx + rnd(r, -1.0f, 1.0f) * fr, fy - g * fr * 0.08f + rnd(r, -0.6f, 0.6f) * fr,
               fr * 0.32f, rgb(70, 30, 70), 0.8f);
      }
      continue;
    }
    const Colour colours[] = {rgb(170, 30, 24), rgb(230, 130, 30), rgb(230, 200, 60), rgb(120, 150, 50)};
    sphere(c, fx, fy, fr, colours[type], 0.6f);
    c.strokeLine({fx, fy - fr * 0.9f}, {fx + fr * 0.15f, fy - fr * 1.25f}, 1.5f, rgb(60, 40, 20));
  }
}

void paintNocturne(Canvas& c, Random& r, unsigned seed) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  const float horizon = H * rnd(r, 0.55f, 0.65f);
  c.verticalGradient(0.0f, horizon, rgb(10, 14, 34), rgb(50, 62, 90));
  for (int i = 0; i < 140; ++i) {
    const float sx = rnd(r, 0.0f, W);
    const float sy = rnd(r, 0.0f, horizon * 0.8f);
    c.fillEllipse(sx, sy, 0.8f, 0.8f, rgb(230, 230, 210), rnd(r, 0.3f, 0.9f), 0.8f);
  }
  const float mx = W * rnd(r, 0.2f, 0.8f);
  const float my = horizon * rnd(r, 0.2f, 0.4f);
  addGlow(c, mx, my, W * 0.15f, rgb(160, 170, 200), 0.35f);
  c.fillEllipse(mx, my, W * 0.045f, W * 0.045f, rgb(240, 236, 210), 1.0f, 1.5f);
  c.fillEllipse(mx + W * 0.01f, my - W * 0.008f, W * 0.012f, W * 0.01f, rgb(210, 206, 186), 0.6f, 2.0f);
  // Water in front, the town along the shore.
  for (int y = static_cast<int>(horizon); y < c.height(); ++y) {
    const float t = (y - horizon) / (H - horizon);
    for (int x = 0; x < c.width(); ++x) {
      const float n = fractalNoise(x / 30.0f, y / 3.0f, 3, seed);
      Colour p = mix(rgb(40, 48, 70), rgb(10, 12, 24), t);
      const float path = std::fabs(x - mx) / (W * (0.02f + 0.1f * t));
      if (path < 1.0f && n > 0.45f) p = mix(p, rgb(220, 220, 200), (1.0f - path) * 0.6f);
      c.set(x, y, scaled(p, 0.8f + 0.4f * n));
    }
  }
  float x = -rnd(r, 0.0f, W * 0.05f);
  while (x < W) {
    const float bw = W * rnd(r, 0.04f, 0.1f);
    const float bh = H * rnd(r, 0.06f, 0.2f);
    const Colour wall = rgb(rndInt(r, 18, 30), rndInt(r, 18, 28), rndInt(r, 28, 40));
    c.fillRect(x, horizon - bh, x + bw, horizon + 1.0f, wall);
    if (rndInt(r, 0, 4) == 0) {
      c.fillPolygon({{x + bw * 0.3f, horizon - bh}, {x + bw * 0.5f, horizon - bh - H * 0.15f},
                     {x + bw * 0.7f, horizon - bh}}, wall);
    } else {
      c.fillPolygon({{x - 1, horizon - bh}, {x + bw * 0.5f, horizon - bh - bw * 0.4f},
                     {x + bw + 1, horizon - bh}}, scaled(wall, 0.8f));
    }
    for (int wy = 0; wy < 4; ++wy) {
      for (int wx = 0; wx < 3; ++wx) {
        if (rndInt(r, 0, 2) != 0) continue;
        const float px = x + bw * (0.15f + wx * 0.28f);
        const float py = horizon - bh + bh * (0.15f + wy * 0.22f);
        if (py > horizon - 2.0f) continue;
        c.fillRect(px, py, px + bw * 0.12f, py + bh * 0.1f, rgb(250, 200, 110));
        for (int k = 0; k < 3; ++k) {
          const float ry = horizon + (horizon - py) * (0.6f + k * 0.25f);
          c.fillRect(px, ry, px + bw * 0.12f, ry + 2.0f, rgb(200, 150, 80), 0.35f - k * 0.1f);
        }
      }
    }
    x += bw + W * rnd(r, 0.0f, 0.02f);
  }
}

// ---- The modern collection ----

void paintGrid(Canvas& c, Random& r, unsigned) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  c.fill(rgb(236, 232, 220));
  struct Cell { float x0, y0, x1, y1; };
  std::vector<Cell> cells = {{0, 0, W, H}};
  for (int i = 0; i < 9; ++i) {
    // Split the largest cell, along its longer side.
    std::size_t big = 0;
    for (std::size_t k = 1; k < cells.size(); ++k) {
      const float a = (cells[k].x1 - cells[k].x0) * (cells[k].y1 - cells[k].y0);
      const float b = (cells[big].x1 - cells[big].x0) * (cells[big].y1 - cells[big].y0);
      if (a > b) big = k;
    }
    Cell cell = cells[big];
    Cell other = cell;
    if (cell.x1 - cell.x0 > cell.y1 - cell.y0) {
      const float s = cell.x0 + (cell.x1 - cell.x0) * rnd(r, 0.3f, 0.7f);
      cell.x1 = s;
      other.x0 = s;
    } else {
      const float s = cell.y0 + (cell.y1 - cell.y0) * rnd(r, 0.3f, 0.7f);
      cell.y1 = s;
      other.y0 = s;
    }
    cells[big] = cell;
    cells.push_back(other);
  }
  const Colour primaries[] = {rgb(200, 30, 30), rgb(30, 50, 150), rgb(240, 200, 30), rgb(20, 20, 20)};
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (rndInt(r, 0, 2) == 0) {
      c.fillRect(cells[k].x0, cells[k].y0, cells[k].x1, cells[k].y1, primaries[rndInt(r, 0, 3)]);
    }
  }
  const float line = W * 0.018f;
  for (const Cell& k : cells) {
    c.fillRect(k.x0 - line / 2, k.y0 - line / 2, k.x1 + line / 2, k.y0 + line / 2, rgb(16, 16, 16));
    c.fillRect(k.x0 - line / 2, k.y0 - line / 2, k.x0 + line / 2, k.y1 + line / 2, rgb(16, 16, 16));
  }
}

void paintColourField(Canvas& c, Random& r, unsigned seed) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  // Deep, warm or sombre grounds with two or three softly edged fields of colour.
  const Colour grounds[] = {rgb(110, 24, 26), rgb(200, 90, 30), rgb(30, 30, 60), rgb(60, 20, 40)};
  const Colour fields[] = {rgb(230, 120, 40), rgb(240, 200, 70), rgb(150, 30, 30), rgb(40, 30, 30),
                           rgb(200, 180, 160), rgb(90, 60, 120), rgb(30, 80, 90)};
  const unsigned palette = pick(seed, 40, 4);
  c.fill(grounds[palette]);
  const int bands = rndInt(r, 2, 3);
  float y = H * 0.06f;
  const float gap = H * 0.05f;
  const float bandH = (H - 2 * y - gap * (bands - 1)) / bands;
  for (int b = 0; b < bands; ++b) {
    const Colour colour = fields[(palette * 2 + b * 3 + pick(seed, 41 + b, 2)) % 7];
    const float y0 = y;
    const float y1 = y + bandH * rnd(r, 0.8f, 1.2f);
    c.shade([&](int x, int py, Colour& p) {
      const float fuzz = 6.0f + 6.0f * fractalNoise(x / 20.0f, py / 20.0f, 3, seed + b);
      const float inside = std::min({(x - W * 0.07f) / fuzz, (W * 0.93f - x) / fuzz, (py - y0) / fuzz,
                                     (y1 - py) / fuzz});
      const float a = clamp01(inside * 0.5f + 0.5f) * (0.85f + 0.15f * fractalNoise(x / 8.0f, py / 30.0f, 2, seed));
      p = mix(p, colour, a);
    });
    y = y1 + gap;
  }
}

void paintCircles(Canvas& c, Random& r, unsigned) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  c.verticalGradient(0.0f, H, rgb(230, 220, 196), rgb(196, 180, 150));
  for (int i = 0; i < 7; ++i) {
    c.strokeLine({rnd(r, 0, W), rnd(r, 0, H)}, {rnd(r, 0, W), rnd(r, 0, H)}, rnd(r, 1.5f, 5.0f),
                 rgb(30, 26, 30));
  }
  for (int i = 0; i < 4; ++i) {
    const float x = rnd(r, 0, W), y = rnd(r, 0, H), s = rnd(r, 0.05f, 0.15f) * W;
    c.fillPolygon({{x, y - s}, {x + s, y + s * 0.7f}, {x - s, y + s * 0.7f}}, hsv(rnd(r, 0, 1), 0.7f, 0.8f), 0.85f);
  }
  const int circles = rndInt(r, 8, 14);
  for (int i = 0; i < circles; ++i) {
    const float x = rnd(r, 0.1f, 0.9f) * W;
    const float y = rnd(r, 0.1f, 0.9f) * H;
    float rad = rnd(r, 0.03f, 0.16f) * std::min(W, H);
    const int rings = rndInt(r, 1, 4);
    for (int k = 0; k < rings; ++k) {
      c.fillEllipse(x, y, rad, rad, hsv(rnd(r, 0, 1), rnd(r, 0.5f, 1.0f), rnd(r, 0.5f, 1.0f)), 0.9f, 1.2f);
      rad *= rnd(r, 0.45f, 0.75f);
    }
  }
}

void paintDrips(Canvas& c, Random& r, unsigned) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  c.fill(rgb(196, 184, 160));
  const Colour paints[] = {rgb(20, 20, 20), rgb(240, 236, 226), rgb(190, 140, 60), rgb(150, 40, 30),
                           rgb(70, 80, 100)};
  for (int layer = 0; layer < 5; ++layer) {
    const Colour paint = paints[layer];
    const int strokes = 14 - layer * 2;
    for (int s = 0; s < strokes; ++s) {
      Point p{rnd(r, 0, W), rnd(r, 0, H)};
      float angle = rnd(r, 0, 2 * kPi);
      const float width = rnd(r, 0.8f, 3.5f) * (layer == 0 ? 1.3f : 1.0f);
      const int steps = rndInt(r, 30, 80);
      for (int k = 0; k < steps; ++k) {
        angle += rnd(r, -0.6f, 0.6f);
        const Point q{p.x + std::cos(angle) * W * 0.02f, p.y + std::sin(angle) * W * 0.02f};
        c.strokeLine(p, q, width * rnd(r, 0.6f, 1.2f), paint, 0.9f);
        p = q;
      }
      for (int k = 0; k < 6; ++k) {
        c.fillEllipse(rnd(r, 0, W), rnd(r, 0, H), rnd(r, 1.0f, 4.0f), rnd(r, 1.0f, 4.0f), paint, 0.9f, 1.0f);
      }
    }
  }
}

void paintStripes(Canvas& c, Random& r, unsigned seed) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  const bool diagonal = pick(seed, 15, 2) == 1;
  std::vector<Colour> colours;
  const float hue = rnd(r, 0, 1);
  for (int i = 0; i < 5; ++i) colours.push_back(hsv(hue + i * 0.13f, rnd(r, 0.4f, 0.9f), rnd(r, 0.4f, 0.95f)));
  std::vector<float> widths;
  for (int i = 0; i < 40; ++i) widths.push_back(rnd(r, 0.02f, 0.08f));
  c.shade([&](int x, int y, Colour& p) {
    float t = diagonal ? (x / W + y / H * 0.6f) : x / W;
    int index = 0;
    while (t > widths[index % widths.size()] && index < 200) {
      t -= widths[index % widths.size()];
      ++index;
    }
    p = colours[(index * 3 + index / 5) % colours.size()];
  });
}

void paintShapes(Canvas& c, Random& r, unsigned) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  c.fill(rgb(238, 234, 224));
  const Colour inks[] = {rgb(20, 20, 24), rgb(190, 30, 30), rgb(30, 60, 140), rgb(230, 180, 40), rgb(60, 120, 70)};
  const int shapes = rndInt(r, 6, 11);
  for (int i = 0; i < shapes; ++i) {
    const float cx = rnd(r, 0.15f, 0.85f) * W, cy = rnd(r, 0.15f, 0.85f) * H;
    const float a = rnd(r, -0.8f, 0.8f);
    const float hw = rnd(r, 0.04f, 0.3f) * W, hh = rnd(r, 0.01f, 0.08f) * H;
    const float ca = std::cos(a), sa = std::sin(a);
    auto corner = [&](float u, float v) { return Point{cx + u * ca - v * sa, cy + u * sa + v * ca}; };
    if (rndInt(r, 0, 4) == 0) {
      c.fillEllipse(cx, cy, hw * 0.4f, hw * 0.4f, inks[rndInt(r, 0, 4)]);
    } else {
      c.fillPolygon({corner(-hw, -hh), corner(hw, -hh), corner(hw, hh), corner(-hw, hh)}, inks[rndInt(r, 0, 4)]);
    }
  }
}

void paintSquares(Canvas& c, Random& r, unsigned) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  const float hue = rnd(r, 0, 1);
  for (int k = 0; k < 4; ++k) {
    const float inset = k * 0.11f;
    const float shift = k * 0.045f;
    c.fillRect(W * inset, H * (inset + shift), W * (1.0f - inset), H * (1.0f - inset + shift * 0.4f),
               hsv(hue + k * 0.04f, 0.55f + k * 0.1f, 0.45f + k * 0.14f));
  }
}

void paintDots(Canvas& c, Random& r, unsigned) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  c.fill(rgb(240, 238, 232));
  const int cols = rndInt(r, 7, 10);
  const float step = W / cols;
  const int rows = static_cast<int>(H / step);
  for (int j = 0; j < rows; ++j) {
    for (int i = 0; i < cols; ++i) {
      c.fillEllipse((i + 0.5f) * step, (j + 0.5f) * step + (H - rows * step) * 0.5f, step * 0.32f,
                    step * 0.32f, hsv(rnd(r, 0, 1), rnd(r, 0.5f, 0.9f), rnd(r, 0.6f, 0.95f)), 1.0f, 1.2f);
    }
  }
}

void paintWaves(Canvas& c, Random& r, unsigned) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  const float hue = rnd(r, 0, 1);
  const float f1 = rnd(r, 2.0f, 4.0f), f2 = rnd(r, 5.0f, 9.0f);
  c.shade([&](int x, int y, Colour& p) {
    const float u = x / W, v = y / H;
    const float phase = v * 14.0f + 0.8f * std::sin(u * f1 * kPi + v * 3.0f) + 0.3f * std::sin(u * f2 * kPi);
    const int band = static_cast<int>(std::floor(phase));
    const float f = phase - band;
    const Colour a = hsv(hue + (band % 3) * 0.08f, 0.6f, band % 2 ? 0.9f : 0.25f);
    const Colour b = hsv(hue + ((band + 1) % 3) * 0.08f, 0.6f, (band + 1) % 2 ? 0.9f : 0.25f);
    p = mix(a, b, smoothstep(0.85f, 1.0f, f));
  });
}

// ---- Finishing ----

// Brush marks: the picture is smeared a little along short strokes and its brightness follows
// the strokes; a fine canvas weave shows through.
void brushwork(Canvas& c, unsigned seed, float smear, float streaks) {
  const Canvas source = c;
  std::vector<float> weaveX(static_cast<std::size_t>(c.width()));
  std::vector<float> weaveY(static_cast<std::size_t>(c.height()));
  for (int x = 0; x < c.width(); ++x) weaveX[x] = std::sin(x * 2.1f);
  for (int y = 0; y < c.height(); ++y) weaveY[y] = 0.02f * std::sin(y * 2.1f);
  c.shade([&](int x, int y, Colour& p) {
    const float dx = valueNoise(x / 7.0f, y / 7.0f, seed + 11) - 0.5f;
    const float dy = valueNoise(x / 7.0f, y / 7.0f, seed + 12) - 0.5f;
    const float len = std::sqrt(dx * dx + dy * dy) + 1e-3f;
    const float cx = dx / len;
    const float cy = dy / len;
    // Slow along the stroke, fast across it.
    const float along = valueNoise((x * cx + y * cy) / 9.0f, (y * cx - x * cy) / 1.6f, seed + 13);
    p = source.clampedGet(x + static_cast<int>(dx * smear * 2.0f), y + static_cast<int>(dy * smear * 2.0f));
    p = scaled(p, 1.0f + (along - 0.5f) * streaks + weaveX[x] * weaveY[y]);
  });
}

// Old varnish: warmer, darker towards the edges, with fine cracks.
void varnish(Canvas& c, unsigned seed) {
  const float W = static_cast<float>(c.width());
  const float H = static_cast<float>(c.height());
  c.shade([&](int x, int y, Colour& p) {
    const float dx = x / W - 0.5f, dy = y / H - 0.5f;
    const float vignette = 1.0f - 0.55f * (dx * dx + dy * dy) * 2.0f;
    const float crack = std::fabs(fractalNoise(x / 16.0f, y / 16.0f, 2, seed + 21) - 0.5f);
    const float line = 1.0f - 0.1f * (1.0f - smoothstep(0.0f, 0.008f, crack));
    p = Colour{p.r * 0.97f * vignette * line, p.g * 0.92f * vignette * line, p.b * 0.78f * vignette * line};
  });
}

bool isOldMaster(Genre g) {
  return g == G::kLandscape || g == G::kSeascape || g == G::kPortrait || g == G::kStillLife ||
         g == G::kNocturne;
}

}  // namespace

const PaintingInfo& paintingInfo(int index) {
  return kCatalogue[index];
}

std::string paintingTextureName(int index) {
  char name[40];
  std::snprintf(name, sizeof name, "data/textures/art/p%02d.bmp", index + 1);
  return name;
}

Canvas paintPainting(int index, int size) {
  const PaintingInfo& info = kCatalogue[index];
  const double aspect = info.width / info.height;
  const int longSide = size;
  const int w = aspect >= 1.0 ? longSide : static_cast<int>(std::lround(longSide * aspect));
  const int h = aspect >= 1.0 ? static_cast<int>(std::lround(longSide / aspect)) : longSide;
  Canvas c(w, h, rgb(128, 128, 128));
  Random r(0xA27u + info.seed * 7919u);
  switch (info.genre) {
    case G::kLandscape: paintLandscape(c, r, info.seed); break;
    case G::kSeascape: paintSeascape(c, r, info.seed); break;
    case G::kPortrait: paintPortrait(c, r, info.seed); break;
    case G::kStillLife: paintStillLife(c, r, info.seed); break;
    case G::kNocturne: paintNocturne(c, r, info.seed); break;
    case G::kGrid: paintGrid(c, r, info.seed); break;
    case G::kColourField: paintColourField(c, r, info.seed); break;
    case G::kCircles: paintCircles(c, r, info.seed); break;
    case G::kDrips: paintDrips(c, r, info.seed); break;
    case G::kStripes: paintStripes(c, r, info.seed); break;
    case G::kShapes: paintShapes(c, r, info.seed); break;
    case G::kSquares: paintSquares(c, r, info.seed); break;
    case G::kDots: paintDots(c, r, info.seed); break;
    case G::kWaves: paintWaves(c, r, info.seed); break;
  }
  if (isOldMaster(info.genre)) {
    brushwork(c, info.seed, 3.0f, 0.16f);
    varnish(c, info.seed);
  } else {
    brushwork(c, info.seed, 1.0f, 0.06f);
  }
  return c.resized(size, size);
}

}  // namespace assetgen
