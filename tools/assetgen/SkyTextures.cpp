// The night outside the windows: the city skyline (skyline.bmp, drawn on quads from y = -400
// up to y = 368, repeating along them, so its left and right edges meet), the sky above it
// (sky.bmp, from y = 368 to 624, its bottom row the colour of the skyline's top row).
#include <algorithm>
#include <cmath>

#include "TextureMakers.h"

namespace assetgen {
namespace {

// The sky colour where skyline and sky meet, and at the top of the sky.
const Colour kSkyJoin = {0.07f, 0.08f, 0.17f};
const Colour kSkyTop = {0.01f, 0.012f, 0.04f};
const Colour kHaze = {0.2f, 0.15f, 0.22f};  // city light low in the sky

// Wraps x into 0..width: the skyline tiles horizontally.
int wrap(int x, int width) {
  return ((x % width) + width) % width;
}

void fillWrapped(Canvas& c, float x0, float y0, float x1, float y1, Colour colour) {
  for (int y = std::max(0, static_cast<int>(y0)); y < std::min(c.height(), static_cast<int>(std::ceil(y1))); ++y) {
    for (int x = static_cast<int>(std::floor(x0)); x < static_cast<int>(std::ceil(x1)); ++x) {
      c.set(wrap(x, c.width()), y, colour);
    }
  }
}

// One row of buildings: tops between topMin and topMax, windows lit with the given chance.
void buildings(Canvas& c, Random& r, float topMin, float topMax, Colour wall, float lit,
               float windowSize, float minWidth, float maxWidth) {
  const float width = static_cast<float>(c.width());
  float x = static_cast<float>(r.range(0.0, 20.0));
  while (x < width) {
    const float w = static_cast<float>(r.range(minWidth, maxWidth));
    const float top = static_cast<float>(r.range(topMin, topMax));
    const Colour tone = scaled(wall, static_cast<float>(r.range(0.8, 1.15)));
    fillWrapped(c, x, top, x + w, static_cast<float>(c.height()), tone);
    const int roof = static_cast<int>(r.next() % 6);
    if (roof == 0) {  // a spire with a red warning light
      const float sx = x + w * 0.5f;
      const float h = static_cast<float>(r.range(20.0, 60.0));
      for (int i = 0; i < static_cast<int>(h); ++i) {
        const float half = std::max(0.6f, w * 0.12f * (1.0f - i / h));
        fillWrapped(c, sx - half, top - i - 1, sx + half, top - i, tone);
      }
      fillWrapped(c, sx - 1.5f, top - h - 3, sx + 1.5f, top - h, rgb(255, 60, 40));
    } else if (roof == 1) {  // a dome
      const float cx = x + w * 0.5f;
      const float rad = w * 0.4f;
      for (int i = 0; i < static_cast<int>(rad); ++i) {
        const float half = std::sqrt(std::max(0.0f, rad * rad - i * i));
        fillWrapped(c, cx - half, top - i - 1, cx + half, top - i, tone);
      }
    } else if (roof == 2) {  // a water tank on legs
      fillWrapped(c, x + w * 0.3f, top - 10, x + w * 0.55f, top - 3, tone);
      fillWrapped(c, x + w * 0.33f, top - 3, x + w * 0.36f, top, tone);
      fillWrapped(c, x + w * 0.49f, top - 3, x + w * 0.52f, top, tone);
    }
    // Windows in a grid; some rooms lit warm, a few cold blue from screens.
    const float step = windowSize * 2.2f;
    for (float wy = top + step * 0.6f; wy < c.height() - step; wy += step) {
      for (float wx = x + step * 0.5f; wx < x + w - step * 0.5f; wx += step) {
        const std::uint64_t h = r.next();
        if ((h % 1000) / 1000.0 > lit) continue;
        const Colour light = (h >> 20) % 7 == 0 ? rgb(150, 180, 230)
                                               : mix(rgb(250, 200, 110), rgb(255, 236, 170),
                                                     ((h >> 24) % 100) / 100.0f);
        fillWrapped(c, wx, wy, wx + windowSize, wy + windowSize * 1.3f, scaled(light, 0.6f + ((h >> 32) % 40) / 100.0f));
      }
    }
    x += w + static_cast<float>(r.range(0.0, 6.0));
  }
}

Canvas skyline() {
  const int w = 1024;
  const int h = 512;
  Canvas c(w, h);
  // The sky behind the roofs: the join colour at the top, hazy city light further down.
  for (int y = 0; y < h; ++y) {
    const float t = static_cast<float>(y) / h;
    const Colour base = mix(kSkyJoin, kHaze, smoothstep(0.0f, 0.6f, t));
    for (int x = 0; x < w; ++x) c.set(x, y, base);
  }
  Random r(7777);
  buildings(c, r, 150.0f, 230.0f, rgb(34, 34, 52), 0.12f, 2.0f, 14.0f, 40.0f);  // far
  buildings(c, r, 90.0f, 210.0f, rgb(22, 22, 34), 0.25f, 3.0f, 24.0f, 70.0f);   // middle
  buildings(c, r, 180.0f, 250.0f, rgb(12, 12, 18), 0.35f, 4.0f, 40.0f, 110.0f); // near
  // Street light glowing up from below the roofs.
  c.shade([&](int x, int y, Colour& p) {
    const float t = static_cast<float>(y) / h;
    p = added(p, scaled(rgb(60, 40, 20), smoothstep(0.6f, 1.0f, t) * 0.5f));
    (void)x;
  });
  return c;
}

Canvas sky() {
  const int w = 512;
  const int h = 256;
  Canvas c(w, h);
  for (int y = 0; y < h; ++y) {
    const float t = static_cast<float>(y) / (h - 1);  // 0 at the top, 1 at the join
    for (int x = 0; x < w; ++x) {
      const float n = tileNoise(x / 128.0f, y / 64.0f, 4, 0, 4, 71);
      const Colour base = mix(kSkyTop, kSkyJoin, t * t);
      c.set(x, y, mix(base, scaled(kSkyJoin, 1.4f), smoothstep(0.6f, 0.85f, n) * 0.4f * t));
    }
  }
  // Stars, fewer near the city's glow.
  Random r(7171);
  for (int i = 0; i < 420; ++i) {
    const int x = static_cast<int>(r.next() % w);
    const int y = static_cast<int>(r.next() % (h - 20));
    const float b = static_cast<float>(r.range(0.3, 1.0)) * (1.0f - static_cast<float>(y) / h);
    c.set(x, y, mix(c.get(x, y), rgb(230, 230, 255), b));
    if (b > 0.75f) {
      c.blend(wrap(x + 1, w), y, rgb(200, 200, 240), b * 0.4f);
      c.blend(wrap(x - 1, w), y, rgb(200, 200, 240), b * 0.4f);
      c.blend(x, y + 1, rgb(200, 200, 240), b * 0.4f);
      c.blend(x, y - 1, rgb(200, 200, 240), b * 0.4f);
    }
  }
  return c;
}

}  // namespace

bool writeSkyTextures(const std::string& dataDir) {
  return writeTexture(dataDir, "data/textures/skyline/skyline.bmp", skyline()) &&
         writeTexture(dataDir, "data/textures/skyline/sky.bmp", sky());
}

}  // namespace assetgen
