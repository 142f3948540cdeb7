// How large a decoded image may be. The image decoders check a header's size against these
// limits before they take any memory for its pixels; the texture side passes the GL's own.
#pragma once

#include <cstdint>
#include <string>

// A run-length Targa of 21 MB can ask for 2 GiB of pixels; with these limits no image, however
// it is packed, asks for more than 256 MiB (2^26 pixels of four bytes).
constexpr std::int64_t imageSideFloor = 8192;              // pixels; sides up to this always pass
constexpr std::int64_t maxImagePixels = std::int64_t{1} << 26;  // width * height

struct ImageLimits {
  std::int64_t maxSide = imageSideFloor;   // width and height each, in pixels
  std::int64_t maxPixels = maxImagePixels;  // width * height
};

// The limits under a GL whose largest texture side is glMaxTextureSize (0 when unknown):
// sides up to the larger of 8192 and that, never more than 2^26 pixels in all.
inline ImageLimits imageLimitsForTextureSide(std::int64_t glMaxTextureSize) {
  ImageLimits limits;
  if (glMaxTextureSize > limits.maxSide) {
    limits.maxSide = glMaxTextureSize;
  }
  return limits;
}

// Empty when a width x height image fits the limits (both positive); otherwise the reason,
// for example "32767 x 16384 pixels, more than 8192 on a side or 67108864 in all".
inline std::string imageSizeRefusal(std::int64_t width, std::int64_t height,
                                    const ImageLimits& limits) {
  // Each side is checked first, so the product below can't overflow.
  if (width <= limits.maxSide && height <= limits.maxSide && width * height <= limits.maxPixels) {
    return std::string();
  }
  return std::to_string(width) + " x " + std::to_string(height) + " pixels, more than " +
         std::to_string(limits.maxSide) + " on a side or " + std::to_string(limits.maxPixels) +
         " in all";
}
