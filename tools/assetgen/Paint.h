// Raster painting for the generated textures: a float RGB canvas with blending, antialiased
// shapes, gradients and value noise. Everything is deterministic: the same calls give the same
// pixels on every run.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "AssetFiles.h"

namespace assetgen {

// Linear 0..1 components; values outside are clamped only when the canvas becomes an Image.
struct Colour {
  float r = 0.0f;
  float g = 0.0f;
  float b = 0.0f;
};

Colour rgb(int r, int g, int b);  // from 0..255 components
Colour mix(Colour a, Colour b, float t);
Colour scaled(Colour c, float s);
Colour added(Colour a, Colour b);

struct Point {
  float x = 0.0f;
  float y = 0.0f;
};

// Pixel (x, y) covers [x, x + 1) x [y, y + 1); y grows downwards; shapes take pixel units.
class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Colour fill = Colour());

  int width() const { return width_; }
  int height() const { return height_; }
  Colour get(int x, int y) const;
  // Outside the canvas: the nearest edge pixel.
  Colour clampedGet(int x, int y) const;
  Colour sample(float x, float y) const;  // bilinear, pixel centres at +0.5
  void set(int x, int y, Colour c);
  // c over the pixel with coverage alpha in 0..1; outside the canvas nothing happens.
  void blend(int x, int y, Colour c, float alpha);

  void fill(Colour c);
  void fillRect(float x0, float y0, float x1, float y1, Colour c, float alpha = 1.0f);
  // Soft edge of `soft` pixels around the rim.
  void fillEllipse(float cx, float cy, float rx, float ry, Colour c, float alpha = 1.0f,
                   float soft = 1.0f);
  // Even-odd fill with four sub-rows per pixel row and exact horizontal coverage.
  void fillPolygon(const std::vector<Point>& points, Colour c, float alpha = 1.0f);
  void strokeLine(Point a, Point b, float width, Colour c, float alpha = 1.0f);
  void verticalGradient(float y0, float y1, Colour top, Colour bottom);
  // Calls f(x, y, colour&) for every pixel.
  void shade(const std::function<void(int, int, Colour&)>& f);

  Canvas resized(int width, int height) const;  // bilinear, or box-averaged when shrinking
  Image toImage() const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Colour> pixels_;
};

// Separable box blur of a coverage mask, repeated passes times (three approach a Gaussian).
void blurMask(std::vector<float>& mask, int width, int height, int radius, int passes = 3);

// 32-bit integer hash of a lattice point and a seed.
std::uint32_t hash3(int x, int y, std::uint32_t seed);
// Smooth value noise in [0, 1) with lattice spacing 1.
float valueNoise(float x, float y, std::uint32_t seed);
// Sum of octaves of value noise, each twice the frequency and half the weight; in [0, 1).
float fractalNoise(float x, float y, int octaves, std::uint32_t seed);
// Fractal noise that repeats every periodX cells along x and periodY along y (0: no repeat),
// for textures that tile both ways. x and y in lattice cells of the first octave.
float tileNoise(float x, float y, int periodX, int periodY, int octaves, std::uint32_t seed);

float clamp01(float v);
float smoothstep(float edge0, float edge1, float v);

}  // namespace assetgen
