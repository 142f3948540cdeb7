// Fuzz target of the Targa decoder, under the game's flags and both greyscale flags: any
// bytes either decode into a buffer of width x height x bytes per pixel in a format that
// matches the header, or are refused with a message and the image left untouched. No decode
// takes memory for more pixels than its limits allow: the header check that comes before the
// allocation gives the size, and refuses what the decode refuses for its size. Limits small
// enough for the fuzzer's inputs to reach them run beside the game's.
#include <cstddef>
#include <cstdint>
#include <string>

#include "assets/TgaDecoder.h"
#include "fuzz/FuzzCheck.h"

namespace {

// What readTgaHeader reports is all decodeTga allocates, and it is within the limits.
void checkPlannedSize(const std::uint8_t* data, std::size_t size, std::uint32_t flags,
                      const ImageLimits& limits, bool decoded, const std::string& decodeError,
                      const TgaImage& image) {
  TgaImage header;
  std::string error;
  if (!readTgaHeader(data, size, flags, limits, header, error)) {
    FUZZ_CHECK(!decoded && error == decodeError);
    return;
  }
  FUZZ_CHECK(header.data.empty());
  FUZZ_CHECK(header.width <= limits.maxSide && header.height <= limits.maxSide);
  FUZZ_CHECK(std::int64_t{header.width} * header.height <= limits.maxPixels);
  FUZZ_CHECK(header.image_size <= limits.maxPixels * 4);
  if (decoded) {
    FUZZ_CHECK(image.data.size() == static_cast<std::size_t>(header.image_size));
  }
}

void decodeWith(const std::uint8_t* data, std::size_t size, std::uint32_t flags,
                const ImageLimits& limits) {
  TgaImage image;
  image.width = -5;  // a refusal must leave this as it was
  std::string error;
  const bool ok = decodeTga(data, size, flags, image, error, limits);
  checkPlannedSize(data, size, flags, limits, ok, error, image);
  if (!ok) {
    FUZZ_CHECK(!error.empty());
    FUZZ_CHECK(image.width == -5 && image.data.empty());
    return;
  }
  FUZZ_CHECK(error.empty());
  FUZZ_CHECK(image.width > 0 && image.height > 0);
  FUZZ_CHECK(image.image_type == 2 || image.image_type == 3 || image.image_type == 10);
  const std::int32_t bpp = image.bytes_per_pixel;
  switch (image.format) {
    case tgaFormatRgb: FUZZ_CHECK(bpp == 3); break;
    case tgaFormatRgba: FUZZ_CHECK(bpp == 4); break;
    case tgaFormatLuminance: FUZZ_CHECK(bpp == 1 && (flags & tgaAcceptLuminance)); break;
    case tgaFormatAlpha:
      FUZZ_CHECK(bpp == 1 && (flags & tgaAcceptAlpha) && !(flags & tgaAcceptLuminance));
      break;
    default: FUZZ_CHECK(!"a format outside the four");
  }
  const std::uint64_t expected = static_cast<std::uint64_t>(image.width) *
                                 static_cast<std::uint64_t>(image.height) *
                                 static_cast<std::uint64_t>(bpp);
  FUZZ_CHECK(static_cast<std::uint64_t>(image.image_size) == expected);
  FUZZ_CHECK(image.data.size() == expected);
  // An uncompressed body must have been in the file (after the header and the id field).
  if (image.image_type != 10) {
    FUZZ_CHECK(18 + image.id_length + expected <= size);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ImageLimits game;
  ImageLimits small;
  small.maxSide = 64;
  small.maxPixels = 2048;
  decodeWith(data, size, 1, game);
  decodeWith(data, size, tgaAcceptAlpha, small);
  decodeWith(data, size, tgaAcceptLuminance | tgaAcceptAlpha | tgaLevelZeroOnly, game);
  return 0;
}
