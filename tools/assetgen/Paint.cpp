// Raster painting for the generated textures: canvas, shapes, gradients, noise.
#include "Paint.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

Colour rgb(int r, int g, int b) {
  return Colour{r / 255.0f, g / 255.0f, b / 255.0f};
}

Colour mix(Colour a, Colour b, float t) {
  return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scaled(Colour c, float s) {
  return Colour{c.r * s, c.g * s, c.b * s};
}

Colour added(Colour a, Colour b) {
  return Colour{a.r + b.r, a.g + b.g, a.b + b.b};
}

float clamp01(float v) {
  return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

float smoothstep(float edge0, float edge1, float v) {
  const float t = clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3.0f - 2.0f * t);
}

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

Colour Canvas::get(int x, int y) const {
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

Colour Canvas::clampedGet(int x, int y) const {
  x = std::clamp(x, 0, width_ - 1);
  y = std::clamp(y, 0, height_ - 1);
  return get(x, y);
}

Colour Canvas::sample(float x, float y) const {
  const float fx = x - 0.5f;
  const float fy = y - 0.5f;
  const int x0 = static_cast<int>(std::floor(fx));
  const int y0 = static_cast<int>(std::floor(fy));
  const float tx = fx - x0;
  const float ty = fy - y0;
  const Colour top = mix(clampedGet(x0, y0), clampedGet(x0 + 1, y0), tx);
  const Colour bottom = mix(clampedGet(x0, y0 + 1), clampedGet(x0 + 1, y0 + 1), tx);
  return mix(top, bottom, ty);
}

void Canvas::set(int x, int y, Colour c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void Canvas::blend(int x, int y, Colour c, float alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0.0f) return;
  Colour& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
  p = mix(p, c, std::min(alpha, 1.0f));
}

void Canvas::fill(Colour c) {
  std::fill(pixels_.begin(), pixels_.end(), c);
}

void Canvas::fillRect(float x0, float y0, float x1, float y1, Colour c, float alpha) {
  if (x1 < x0) std::swap(x0, x1);
  if (y1 < y0) std::swap(y0, y1);
  const int px0 = std::max(0, static_cast<int>(std::floor(x0)));
  const int py0 = std::max(0, static_cast<int>(std::floor(y0)));
  const int px1 = std::min(width_ - 1, static_cast<int>(std::ceil(x1)) - 1);
  const int py1 = std::min(height_ - 1, static_cast<int>(std::ceil(y1)) - 1);
  for (int y = py0; y <= py1; ++y) {
    const float cy = std::min(y + 1.0f, y1) - std::max(static_cast<float>(y), y0);
    for (int x = px0; x <= px1; ++x) {
      const float cx = std::min(x + 1.0f, x1) - std::max(static_cast<float>(x), x0);
      blend(x, y, c, alpha * clamp01(cx) * clamp01(cy));
    }
  }
}

void Canvas::fillEllipse(float cx, float cy, float rx, float ry, Colour c, float alpha,
                         float soft) {
  if (rx <= 0.0f || ry <= 0.0f) return;
  soft = std::max(soft, 0.5f);
  const int x0 = std::max(0, static_cast<int>(std::floor(cx - rx - soft)));
  const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(cx + rx + soft)));
  const int y0 = std::max(0, static_cast<int>(std::floor(cy - ry - soft)));
  const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(cy + ry + soft)));
  const float rMin = std::min(rx, ry);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float dx = (x + 0.5f - cx) / rx;
      const float dy = (y + 0.5f - cy) / ry;
      // Distance from the rim in pixels, approximately, along the shorter radius.
      const float rim = (1.0f - std::sqrt(dx * dx + dy * dy)) * rMin;
      const float coverage = clamp01(rim / soft + 0.5f);
      if (coverage > 0.0f) blend(x, y, c, alpha * coverage);
    }
  }
}

void Canvas::fillPolygon(const std::vector<Point>& points, Colour c, float alpha) {
  if (points.size() < 3) return;
  float minY = points[0].y;
  float maxY = points[0].y;
  for (const Point& p : points) {
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  const int row0 = std::max(0, static_cast<int>(std::floor(minY)));
  const int row1 = std::min(height_ - 1, static_cast<int>(std::ceil(maxY)));
  constexpr int subRows = 4;
  std::vector<float> coverage(static_cast<std::size_t>(width_) + 1);
  std::vector<float> crossings;
  for (int row = row0; row <= row1; ++row) {
    std::fill(coverage.begin(), coverage.end(), 0.0f);
    bool any = false;
    for (int s = 0; s < subRows; ++s) {
      const float sy = row + (s + 0.5f) / subRows;
      crossings.clear();
      for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& a = points[i];
        const Point& b = points[(i + 1) % points.size()];
        if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy)) {
          crossings.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
        }
      }
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
        const float xa = std::max(0.0f, crossings[i]);
        const float xb = std::min(static_cast<float>(width_), crossings[i + 1]);
        if (xb <= xa) continue;
        any = true;
        const int ia = static_cast<int>(xa);
        const int ib = static_cast<int>(xb);
        const float w = 1.0f / subRows;
        if (ia == ib) {
          coverage[ia] += (xb - xa) * w;
          continue;
        }
        coverage[ia] += (ia + 1 - xa) * w;
        for (int x = ia + 1; x < ib; ++x) coverage[x] += w;
        if (ib < width_) coverage[ib] += (xb - ib) * w;
      }
    }
    if (!any) continue;
    for (int x = 0; x < width_; ++x) {
      if (coverage[x] > 0.0f) blend(x, row, c, alpha * clamp01(coverage[x]));
    }
  }
}

void Canvas::strokeLine(Point a, Point b, float width, Colour c, float alpha) {
  const float half = width * 0.5f;
  const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - half - 1.0f)));
  const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + half + 1.0f)));
  const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - half - 1.0f)));
  const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + half + 1.0f)));
  const float dx = b.x - a.x;
  const float dy = b.y - a.y;
  const float len2 = dx * dx + dy * dy;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float px = x + 0.5f - a.x;
      const float py = y + 0.5f - a.y;
      float t = len2 > 0.0f ? (px * dx + py * dy) / len2 : 0.0f;
      t = clamp01(t);
      const float ex = px - t * dx;
      const float ey = py - t * dy;
      const float d = std::sqrt(ex * ex + ey * ey);
      const float coverage = clamp01(half - d + 0.5f);
      if (coverage > 0.0f) blend(x, y, c, alpha * coverage);
    }
  }
}

void Canvas::verticalGradient(float y0, float y1, Colour top, Colour bottom) {
  for (int y = 0; y < height_; ++y) {
    const Colour c = mix(top, bottom, clamp01((y + 0.5f - y0) / (y1 - y0)));
    for (int x = 0; x < width_; ++x) set(x, y, c);
  }
}

void Canvas::shade(const std::function<void(int, int, Colour&)>& f) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) f(x, y, pixels_[static_cast<std::size_t>(y) * width_ + x]);
  }
}

Canvas Canvas::resized(int width, int height) const {
  Canvas out(width, height);
  const float sx = static_cast<float>(width_) / width;
  const float sy = static_cast<float>(height_) / height;
  if (sx <= 1.0f && sy <= 1.0f) {
    // Enlarging: bilinear, with the source columns of every output column found once.
    std::vector<int> x0(static_cast<std::size_t>(width)), x1(x0.size());
    std::vector<float> tx(x0.size());
    for (int x = 0; x < width; ++x) {
      const float fx = std::max(0.0f, (x + 0.5f) * sx - 0.5f);
      x0[x] = std::min(width_ - 1, static_cast<int>(fx));
      x1[x] = std::min(width_ - 1, x0[x] + 1);
      tx[x] = fx - static_cast<int>(fx);
    }
    for (int y = 0; y < height; ++y) {
      const float fy = std::max(0.0f, (y + 0.5f) * sy - 0.5f);
      const int y0 = std::min(height_ - 1, static_cast<int>(fy));
      const int y1 = std::min(height_ - 1, y0 + 1);
      const float ty = fy - static_cast<int>(fy);
      const Colour* row0 = pixels_.data() + static_cast<std::size_t>(y0) * width_;
      const Colour* row1 = pixels_.data() + static_cast<std::size_t>(y1) * width_;
      Colour* dst = out.pixels_.data() + static_cast<std::size_t>(y) * width;
      for (int x = 0; x < width; ++x) {
        const Colour top = mix(row0[x0[x]], row0[x1[x]], tx[x]);
        const Colour bottom = mix(row1[x0[x]], row1[x1[x]], tx[x]);
        dst[x] = mix(top, bottom, ty);
      }
    }
    return out;
  }
  // Shrinking: the average of a grid of bilinear samples under each output pixel.
  const int boxX = std::max(1, static_cast<int>(std::ceil(sx)));
  const int boxY = std::max(1, static_cast<int>(std::ceil(sy)));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Colour sum;
      for (int j = 0; j < boxY; ++j) {
        for (int i = 0; i < boxX; ++i) {
          sum = added(sum, sample(x * sx + (i + 0.5f) * sx / boxX, y * sy + (j + 0.5f) * sy / boxY));
        }
      }
      out.set(x, y, scaled(sum, 1.0f / (boxX * boxY)));
    }
  }
  return out;
}

Image Canvas::toImage() const {
  Image image(width_, height_);
  auto quantise = [](float v) {
    return static_cast<std::uint8_t>(clamp01(v) * 255.0f + 0.5f);
  };
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Colour c = get(x, y);
      image.set(x, y, quantise(c.r), quantise(c.g), quantise(c.b));
    }
  }
  return image;
}

void blurMask(std::vector<float>& mask, int width, int height, int radius, int passes) {
  if (radius <= 0) return;
  std::vector<float> line;
  const float norm = 1.0f / (2 * radius + 1);
  for (int pass = 0; pass < passes; ++pass) {
    line.assign(static_cast<std::size_t>(width), 0.0f);
    for (int y = 0; y < height; ++y) {
      float* row = mask.data() + static_cast<std::size_t>(y) * width;
      float sum = 0.0f;
      for (int i = -radius; i <= radius; ++i) sum += row[std::clamp(i, 0, width - 1)];
      for (int x = 0; x < width; ++x) {
        line[x] = sum * norm;
        sum += row[std::clamp(x + radius + 1, 0, width - 1)] - row[std::clamp(x - radius, 0, width - 1)];
      }
      std::copy(line.begin(), line.end(), row);
    }
    line.assign(static_cast<std::size_t>(height), 0.0f);
    for (int x = 0; x < width; ++x) {
      auto at = [&](int y) -> float& { return mask[static_cast<std::size_t>(std::clamp(y, 0, height - 1)) * width + x]; };
      float sum = 0.0f;
      for (int i = -radius; i <= radius; ++i) sum += at(i);
      for (int y = 0; y < height; ++y) {
        line[y] = sum * norm;
        sum += at(y + radius + 1) - at(y - radius);
      }
      for (int y = 0; y < height; ++y) mask[static_cast<std::size_t>(y) * width + x] = line[y];
    }
  }
}

std::uint32_t hash3(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B1u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
  h *= 0x27D4EB2Fu;
  h ^= h >> 15;
  h *= 0x165667B1u;
  h ^= h >> 13;
  return h;
}

namespace {

// Lattice values and a permutation of 0..255, made once from a fixed generator: a table look-up
// is much cheaper than hashing every lattice point.
struct NoiseTables {
  std::uint8_t perm[512];
  float value[256];
  NoiseTables() {
    std::uint32_t state = 0x1234567u;
    auto next = [&state]() {
      state = state * 1664525u + 1013904223u;
      return state >> 8;
    };
    for (int i = 0; i < 256; ++i) {
      perm[i] = static_cast<std::uint8_t>(i);
      value[i] = (next() & 0xFFFF) / 65536.0f;
    }
    for (int i = 255; i > 0; --i) {
      const int j = static_cast<int>(next() % static_cast<std::uint32_t>(i + 1));
      std::swap(perm[i], perm[j]);
    }
    for (int i = 0; i < 256; ++i) perm[256 + i] = perm[i];
  }
};

const NoiseTables& tables() {
  static const NoiseTables t;
  return t;
}

int floorToInt(float v) {
  const int i = static_cast<int>(v);
  return v < static_cast<float>(i) ? i - 1 : i;
}

float fade(float t) {
  return t * t * (3.0f - 2.0f * t);
}

// The lattice repeats every 256 cells, and every `period` (periodY) cells along x (y) when
// that is above 0.
float noiseWithPeriod(float x, float y, int period, int periodY, std::uint32_t seed) {
  const NoiseTables& t = tables();
  const int xi = floorToInt(x);
  const int yi = floorToInt(y);
  const float tx = fade(x - xi);
  const float ty = fade(y - yi);
  int x0 = xi;
  int x1 = xi + 1;
  if (period > 0) {
    x0 = ((x0 % period) + period) % period;
    x1 = ((x1 % period) + period) % period;
  }
  const int ox = static_cast<int>((seed * 73u + (seed >> 8) * 31u) & 255u);
  const int oy = static_cast<int>((seed * 151u + (seed >> 8) * 17u + 101u) & 255u);
  const int a = t.perm[(x0 + ox) & 255];
  const int b = t.perm[(x1 + ox) & 255];
  int y0 = yi;
  int y1 = yi + 1;
  if (periodY > 0) {
    y0 = ((y0 % periodY) + periodY) % periodY;
    y1 = ((y1 % periodY) + periodY) % periodY;
  }
  const int row0 = (y0 + oy) & 255;
  const int row1 = (y1 + oy) & 255;
  const float v00 = t.value[t.perm[a + row0]];
  const float v10 = t.value[t.perm[b + row0]];
  const float v01 = t.value[t.perm[a + row1]];
  const float v11 = t.value[t.perm[b + row1]];
  const float top = v00 + (v10 - v00) * tx;
  const float bottom = v01 + (v11 - v01) * tx;
  return top + (bottom - top) * ty;
}

}  // namespace

float valueNoise(float x, float y, std::uint32_t seed) {
  return noiseWithPeriod(x, y, 0, 0, seed);
}

float tileNoise(float x, float y, int periodX, int periodY, int octaves, std::uint32_t seed) {
  float sum = 0.0f;
  float weight = 0.5f;
  float total = 0.0f;
  for (int i = 0; i < octaves; ++i) {
    sum += noiseWithPeriod(x, y, periodX, periodY, seed + static_cast<std::uint32_t>(i) * 101u) * weight;
    total += weight;
    x *= 2.0f;
    y *= 2.0f;
    periodX *= 2;
    periodY *= 2;
    weight *= 0.5f;
  }
  return sum / total;
}

float fractalNoise(float x, float y, int octaves, std::uint32_t seed) {
  float sum = 0.0f;
  float weight = 0.5f;
  float total = 0.0f;
  for (int i = 0; i < octaves; ++i) {
    sum += valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u) * weight;
    total += weight;
    x *= 2.0f;
    y *= 2.0f;
    weight *= 0.5f;
  }
  return sum / total;
}

}  // namespace assetgen
