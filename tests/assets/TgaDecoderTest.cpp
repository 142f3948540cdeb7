// The Targa decoder on bytes made here: byte order, run-length packets, the format table and
// malformed files, plus the fallback checkerboard.
#include <algorithm>
#include <cstdint>

#include "assets/TgaDecoder.h"
#include "assets/AssetTestSupport.h"
#include "tools/support/LittleEndian.h"

using assettest::Bytes;

namespace {

Bytes tga(std::uint8_t type, int width, int height, std::uint8_t bits, const Bytes& body,
          std::uint8_t idLength = 0) {
  Bytes b = {idLength, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  le::put16(b, static_cast<std::uint32_t>(width));
  le::put16(b, static_cast<std::uint32_t>(height));
  b.insert(b.end(), {bits, 0});
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

// The decoded pixels, or the refusal's message. The bytes are copied to a block of their exact
// size, so that under ASan one byte read past the end is caught.
std::string outcome(const Bytes& b, std::uint32_t flags = 1, std::size_t size = SIZE_MAX) {
  TgaImage image;
  std::string error;
  const Bytes exact(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(std::min(size, b.size())));
  const bool ok = decodeTga(exact.data(), exact.size(), flags, image, error);
  EXPECT_EQ(ok, error.empty());
  EXPECT_EQ(image.data.empty(), !ok);
  return ok ? std::string(image.data.begin(), image.data.end()) : error;
}

std::string pixels(const Bytes& b) {
  return std::string(b.begin(), b.end());
}

}  // namespace

TEST(TgaDecoder, PixelsSwapRedAndBlueAndRunLengthPacketsRepeatOrCopy) {
  EXPECT_EQ(outcome(tga(2, 2, 1, 24, {'i', 'd', '!', 1, 2, 3, 4, 5, 6}, 3)),
            pixels({3, 2, 1, 6, 5, 4}));
  EXPECT_EQ(outcome(tga(2, 1, 1, 32, {1, 2, 3, 4})), pixels({3, 2, 1, 4}));
  // 0x83: one pixel four times; 0x02: three literal pixels.
  EXPECT_EQ(outcome(tga(10, 7, 1, 24, {0x83, 10, 20, 30, 0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9})),
            pixels({30, 20, 10, 30, 20, 10, 30, 20, 10, 30, 20, 10, 3, 2, 1, 6, 5, 4, 9, 8, 7}));
  TgaImage image;
  std::string error;
  const Bytes rgba = tga(10, 1, 1, 32, {0x80, 1, 2, 3, 4});
  ASSERT_TRUE(decodeTga(rgba.data(), rgba.size(), 1, image, error));
  EXPECT_EQ(image.format, tgaFormatRgba);
  EXPECT_EQ(image.image_size, 4);
}

TEST(TgaDecoder, FormatTableAndFlagsDecideWhatIsAccepted) {
  const Bytes grey = tga(3, 2, 1, 8, {7, 9});
  EXPECT_EQ(outcome(grey, 1), "Must be LUMINANCE or ALPHA greyscale");
  EXPECT_EQ(outcome(grey, tgaAcceptAlpha), pixels({7, 9}));
  TgaImage image;
  std::string error;
  EXPECT_TRUE(
      decodeTga(grey.data(), grey.size(), tgaAcceptLuminance | tgaAcceptAlpha, image, error));
  EXPECT_EQ(image.format, tgaFormatLuminance);  // luminance wins over alpha
  const Bytes body(64, 0);
  EXPECT_EQ(outcome(tga(9, 2, 2, 8, body)), "8-bit colour no longer supported");
  EXPECT_EQ(outcome(tga(2, 2, 2, 16, body)), "Unsupported RGB format");
  EXPECT_EQ(outcome(tga(10, 2, 2, 8, body)), "Unsupported compressed RGB format");
  EXPECT_EQ(outcome(tga(11, 2, 2, 8, body)), "Unsupported image type");
  EXPECT_EQ(outcome(tga(3, 2, 2, 16, body), tgaAcceptAlpha), "Unsupported greyscale format");
}

TEST(TgaDecoder, MalformedFilesAreRefusedWithoutReadingPastThem) {
  const std::string pastFile = "Image data runs past the end of the file";
  const std::string pastImage = "Run-length packet runs past the end of the image";
  EXPECT_EQ(outcome(tga(10, 2, 1, 24, {0x82, 1, 2, 3})), pastImage);
  // 129 pixels: a run of 128, then a run or a raw packet of 128 with one pixel left.
  const Bytes run128 = {0xFF, 1, 2, 3};
  Bytes twoRuns = run128;
  twoRuns.insert(twoRuns.end(), run128.begin(), run128.end());
  EXPECT_EQ(outcome(tga(10, 129, 1, 24, twoRuns)), pastImage);
  Bytes runThenRaw = run128;
  runThenRaw.push_back(0x7F);
  runThenRaw.resize(runThenRaw.size() + 128 * 3, 9);
  EXPECT_EQ(outcome(tga(10, 129, 1, 24, runThenRaw)), pastImage);
  // A raw packet of 128 pixels in a file that holds 127 of them and a stray byte.
  Bytes shortRaw = {0x7F};
  shortRaw.resize(1 + 127 * 3, 9);
  shortRaw.push_back(0x80);
  EXPECT_EQ(outcome(tga(10, 256, 1, 24, shortRaw)), pastFile);
  EXPECT_EQ(outcome(tga(2, 4, 1, 24, Bytes(4 * 3 - 1, 7))), pastFile);
  EXPECT_EQ(outcome(tga(10, 4, 1, 24, {0x03, 1, 2, 3, 4, 5, 6})), pastFile);
  EXPECT_EQ(outcome(tga(10, 4, 1, 24, {0x81, 1, 2, 3, 0x81, 1})), pastFile);
  EXPECT_EQ(outcome(tga(2, 65535, 65535, 24, Bytes(18, 0))), "Unsupported image size");
  EXPECT_EQ(outcome(tga(2, 0, 5, 24, Bytes(18, 0))), "Unsupported image size");
  EXPECT_EQ(outcome(tga(2, 32767, 32767, 32, Bytes(18, 0))), pastFile);
  EXPECT_EQ(outcome(tga(10, 32767, 32767, 32, Bytes(18, 0))), pastFile);
  EXPECT_EQ(outcome(tga(2, 1, 1, 24, {1, 2, 3}, 200)),
            "Identification field runs past the end of the file");
  const Bytes whole = tga(10, 5, 1, 24, {0x81, 1, 2, 3, 0x02, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  const std::string good = outcome(whole);
  for (std::size_t size = 0; size < whole.size(); ++size) {
    EXPECT_NE(outcome(whole, 1, size), good) << size;
  }
}

TEST(TgaDecoder, CheckerboardHasSixteenPixelSquares) {
  const auto at = [](int x, int y) { return checkerPattern()[y * checkerSize + x]; };
  EXPECT_EQ((Bytes{at(0, 0), at(15, 15), at(16, 0), at(0, 16), at(16, 16), at(127, 96)}),
            (Bytes{255, 255, 0, 0, 255, 0}));
}
