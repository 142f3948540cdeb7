// Small writers shared by every kind of asset: whole files (written atomically, so a game or
// test reading data/ while the build regenerates it never sees half a file), 24-bit BMP
// images, and a deterministic random number generator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// Creates the folders on the way to path and writes bytes to path (through a temporary file
// and a rename). Prints what failed and returns false on failure.
bool writeFileAtomically(const std::string& path, const std::string& bytes);

// An RGB image, rows top-down as one looks at it, 3 bytes per pixel.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;

  Image() = default;
  Image(int w, int h);
  void set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b);
  std::uint8_t* at(int x, int y);
};

// The bytes of an uncompressed 24-bit BMP file (14-byte file header, 40-byte info header,
// bottom-up rows padded to four bytes) of the image.
std::string encodeBmp24(const Image& image);

// Writes the image as a 24-bit BMP file.
bool writeBmp(const std::string& path, const Image& image);

// xorshift64*: the same sequence on every machine and compiler.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
  std::uint64_t next();
  // Uniform in [0, 1).
  double unit();
  // Uniform in [lo, hi).
  double range(double lo, double hi);

 private:
  std::uint64_t state_;
};

}  // namespace assetgen
