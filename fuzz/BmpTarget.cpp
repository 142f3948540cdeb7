// Fuzz target of the BMP decoder: any bytes either give an image whose buffer holds exactly
// width x height RGB pixels, or one of the decoder's three messages naming the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "assets/BmpDecoder.h"
#include "fuzz/FuzzCheck.h"

using fuzzsupport::contains;
using fuzzsupport::startsWith;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string error;
  const std::unique_ptr<RgbImage> image = decodeBmp(data, size, "fuzz.bmp", error);
  if (image == nullptr) {
    FUZZ_CHECK(startsWith(error, "Unknown DIB file format.") ||
               startsWith(error, "Out of memory.") ||
               startsWith(error, "Image file conversion error."));
    FUZZ_CHECK(contains(error, "(fuzz.bmp: "));
    return 0;
  }
  FUZZ_CHECK(error.empty());
  // Within the default limits, so no decode took more than 2^26 pixels' memory.
  const ImageLimits limits;
  FUZZ_CHECK(image->width >= 1 && image->width <= limits.maxSide);
  FUZZ_CHECK(image->height >= 1 && image->height <= limits.maxSide);
  FUZZ_CHECK(std::int64_t{image->width} * image->height <= limits.maxPixels);
  const std::size_t expected = static_cast<std::size_t>(image->width) *
                               static_cast<std::size_t>(image->height) * 3;
  FUZZ_CHECK(image->pixels.size() == expected);
  // Every pixel byte is read once, so a buffer shorter than it claims is caught by ASan too.
  unsigned sum = 0;
  for (const std::uint8_t byte : image->pixels) {
    sum += byte;
  }
  return sum == 0xFFFFFFFFu ? 1 : 0;
}
