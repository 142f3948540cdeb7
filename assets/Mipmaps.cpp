// The mipmap box filter: one level into the next, rounded as GLU rounds.
#include "assets/Mipmaps.h"

#include <cstddef>

namespace {

constexpr int channels = 3;

const std::uint8_t* texel(const RgbImage& image, int x, int y) {
  return image.pixels.data() + (static_cast<std::size_t>(y) * image.width + x) * channels;
}

}  // namespace

RgbImage halvedImage(const RgbImage& level) {
  RgbImage next;
  next.width = level.width > 1 ? level.width / 2 : 1;
  next.height = level.height > 1 ? level.height / 2 : 1;
  next.pixels.resize(static_cast<std::size_t>(next.width) * next.height * channels);
  // Along a side that is already 1 the same texel is read twice, which leaves a mean of two.
  const int dx = level.width > 1 ? 1 : 0, dy = level.height > 1 ? 1 : 0;
  const int taps = (dx + 1) * (dy + 1);
  std::uint8_t* out = next.pixels.data();
  for (int y = 0; y < next.height; ++y) {
    for (int x = 0; x < next.width; ++x) {
      const int x0 = x * (dx + 1), y0 = y * (dy + 1);
      const std::uint8_t* a = texel(level, x0, y0);
      const std::uint8_t* b = texel(level, x0 + dx, y0);
      const std::uint8_t* c = texel(level, x0, y0 + dy);
      const std::uint8_t* d = texel(level, x0 + dx, y0 + dy);
      for (int k = 0; k < channels; ++k) {
        const int sum = taps == 4 ? a[k] + b[k] + c[k] + d[k] : a[k] + d[k];
        *out++ = static_cast<std::uint8_t>((sum + taps / 2) / taps);
      }
    }
  }
  return next;
}
