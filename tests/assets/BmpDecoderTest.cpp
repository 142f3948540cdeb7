// The BMP decoder on bytes made here: every supported layout, row order and padding, and
// malformed headers, sizes and offsets refused with the file's name.
#include <climits>

#include "assets/BmpDecoder.h"
#include "assets/AssetTestSupport.h"

using assettest::Bytes;
using assettest::put16;
using assettest::put32;

namespace {

// A BMP file: optional file header, a 12- or 40-byte info header, the raw colour table and
// the raw stored rows given by the test.
struct Bmp {
  std::int64_t width = 1;
  std::int64_t height = 1;
  std::uint32_t bits = 24;
  std::uint32_t headerSize = 40;
  bool fileHeader = true;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  Bytes palette;  // entries as stored (4 bytes each, 3 for the 12-byte header)
  Bytes rows;     // stored rows, padding included
  std::int64_t pixelOffset = -1;  // -1: right behind the colour table

  Bytes bytes() const {
    Bytes b;
    const std::uint32_t start = (fileHeader ? 14u : 0u) + headerSize +
                                static_cast<std::uint32_t>(palette.size());
    if (fileHeader) {
      b.push_back('B');
      b.push_back('M');
      put32(b, start + static_cast<std::uint32_t>(rows.size()));
      put32(b, 0);
      put32(b, pixelOffset < 0 ? start : static_cast<std::uint32_t>(pixelOffset));
    }
    put32(b, headerSize);
    if (headerSize == 12) {
      put16(b, static_cast<std::uint32_t>(width));
      put16(b, static_cast<std::uint32_t>(height));
      put16(b, 1);
      put16(b, bits);
    } else {
      put32(b, static_cast<std::uint32_t>(width));
      put32(b, static_cast<std::uint32_t>(height));
      put16(b, 1);
      put16(b, bits);
      put32(b, compression);
      put32(b, static_cast<std::uint32_t>(rows.size()));
      put32(b, 2835);
      put32(b, 2835);
      put32(b, coloursUsed);
      put32(b, 0);
      b.resize(b.size() + headerSize - 40, 0);  // a longer header's extra fields
    }
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
  }
};

std::unique_ptr<RgbImage> decode(const Bytes& b, std::string& error) {
  return decodeBmp(b.data(), b.size(), "pic.bmp", error);
}

Bytes decodedPixels(const Bmp& bmp) {
  std::string error;
  const std::unique_ptr<RgbImage> image = decode(bmp.bytes(), error);
  EXPECT_NE(image, nullptr) << error;
  return image ? image->pixels : Bytes();
}

// Expects the bytes to be refused with message, naming the file.
void expectRefused(const Bytes& b, const std::string& message) {
  std::string error;
  EXPECT_EQ(decode(b, error), nullptr);
  EXPECT_EQ(error.rfind(message, 0), 0u) << error;
  EXPECT_NE(error.find("pic.bmp"), std::string::npos) << error;
}

// Two 4-byte palette entries, stored B, G, R, 0: index 0 red, index 1 blue.
const Bytes redBluePalette = {0, 0, 255, 0, 255, 0, 0, 0};

}  // namespace

TEST(BmpDecoder, TwentyFourBitRowsDropPaddingAndStartWithTheBottomRow) {
  Bmp bmp;
  bmp.width = 5;
  bmp.height = 2;
  // Stored bottom row first, each 15 bytes of B, G, R plus one padding byte.
  for (int row = 0; row < 2; ++row) {
    for (int x = 0; x < 5; ++x) {
      bmp.rows.push_back(static_cast<std::uint8_t>(10 * x));       // B
      bmp.rows.push_back(static_cast<std::uint8_t>(row));          // G
      bmp.rows.push_back(static_cast<std::uint8_t>(100 + x));      // R
    }
    bmp.rows.push_back(0xEE);
  }
  std::string error;
  const auto image = decode(bmp.bytes(), error);
  ASSERT_NE(image, nullptr) << error;
  EXPECT_EQ(image->width, 5);
  EXPECT_EQ(image->height, 2);
  ASSERT_EQ(image->pixels.size(), 30u);
  for (int row = 0; row < 2; ++row) {
    for (int x = 0; x < 5; ++x) {
      const std::uint8_t* p = &image->pixels[static_cast<std::size_t>(row * 15 + x * 3)];
      EXPECT_EQ(p[0], 100 + x);
      EXPECT_EQ(p[1], row);
      EXPECT_EQ(p[2], 10 * x);
    }
  }
}

TEST(BmpDecoder, PalettedSixteenAndThirtyTwoBitPixelsBecomeRgb) {
  Bmp one;
  one.bits = 1;
  one.width = 3;
  one.palette = redBluePalette;
  one.rows = {0b01000000, 0, 0, 0};  // pixels 0, 1, 0
  EXPECT_EQ(decodedPixels(one), (Bytes{255, 0, 0, 0, 0, 255, 255, 0, 0}));

  Bmp four;
  four.bits = 4;
  four.width = 3;
  four.coloursUsed = 2;
  four.palette = redBluePalette;
  four.rows = {0x10, 0x00, 0, 0};  // pixels 1, 0, 0
  EXPECT_EQ(decodedPixels(four), (Bytes{0, 0, 255, 255, 0, 0, 255, 0, 0}));

  Bmp eight;
  eight.bits = 8;
  eight.width = 2;
  eight.palette.assign(256 * 4, 0);
  eight.palette[200 * 4 + 1] = 77;  // index 200: green 77
  eight.rows = {200, 0, 0, 0};
  EXPECT_EQ(decodedPixels(eight), (Bytes{0, 77, 0, 0, 0, 0}));

  Bmp sixteen;
  sixteen.bits = 16;
  sixteen.width = 2;
  sixteen.rows = {0x00, 0x7C, 0x1F, 0x00};  // 5-5-5: full red, full blue
  EXPECT_EQ(decodedPixels(sixteen), (Bytes{255, 0, 0, 0, 0, 255}));

  Bmp thirtyTwo;
  thirtyTwo.bits = 32;
  thirtyTwo.width = 2;
  thirtyTwo.rows = {1, 2, 3, 99, 4, 5, 6, 99};
  EXPECT_EQ(decodedPixels(thirtyTwo), (Bytes{3, 2, 1, 6, 5, 4}));
}

TEST(BmpDecoder, PaletteIndicesPastTheTableGiveBlack) {
  Bmp bmp;
  bmp.bits = 8;
  bmp.width = 2;
  bmp.coloursUsed = 2;
  bmp.palette = redBluePalette;
  bmp.rows = {1, 250, 0, 0};
  EXPECT_EQ(decodedPixels(bmp), (Bytes{0, 0, 255, 0, 0, 0}));
}

TEST(BmpDecoder, ShortHeaderAndMissingFileHeaderAreRead) {
  // 12-byte header, 3-byte colour table entries, with and without the file header.
  for (const bool fileHeader : {true, false}) {
    Bmp bmp;
    bmp.headerSize = 12;
    bmp.fileHeader = fileHeader;
    bmp.bits = 1;
    bmp.width = 2;
    bmp.palette = {0, 255, 0, 10, 20, 30};  // green, then (30, 20, 10)
    bmp.rows = {0b10000000, 0, 0, 0};
    EXPECT_EQ(decodedPixels(bmp), (Bytes{30, 20, 10, 0, 255, 0})) << fileHeader;
  }
  // 40-byte header without the file header: pixels right behind the colour table.
  Bmp bare;
  bare.fileHeader = false;
  bare.bits = 8;
  bare.coloursUsed = 2;
  bare.palette = redBluePalette;
  bare.rows = {1, 0, 0, 0};
  EXPECT_EQ(decodedPixels(bare), (Bytes{0, 0, 255}));
}

TEST(BmpDecoder, TopDownFilesAreTurnedBottomRowFirst) {
  Bmp bmp;
  bmp.height = -2;
  bmp.rows = {1, 1, 1, 0, 2, 2, 2, 0};  // stored top row first
  std::string error;
  const auto image = decode(bmp.bytes(), error);
  ASSERT_NE(image, nullptr) << error;
  EXPECT_EQ(image->height, 2);
  EXPECT_EQ(image->pixels, (Bytes{2, 2, 2, 1, 1, 1}));
}

TEST(BmpDecoder, HeadersItCannotReadAreRefused) {
  for (const std::uint32_t size : {108u, 124u, 64u, 0u}) {
    Bmp bmp;
    bmp.headerSize = size < 40 ? 40 : size;
    Bytes b = bmp.bytes();
    b[14] = static_cast<std::uint8_t>(size);
    expectRefused(b, "Unknown DIB file format.");
  }
  expectRefused(Bytes{'B', 'M', 0, 0}, "Unknown DIB file format.");
  expectRefused(Bytes{40, 0}, "Unknown DIB file format.");
}

TEST(BmpDecoder, ImpossibleDimensionsAndLayoutsAreRefused) {
  auto refused = [](Bmp bmp, const std::string& message) {
    bmp.rows.resize(bmp.rows.empty() ? 100 : bmp.rows.size(), 0);
    expectRefused(bmp.bytes(), message);
  };
  Bmp wide;
  wide.width = 0x7fffffff;
  refused(wide, "Out of memory.");
  Bmp tallest;
  tallest.height = INT_MIN;
  refused(tallest, "Out of memory.");
  Bmp zero;
  zero.width = 0;
  refused(zero, "Image file conversion error.");
  Bmp negative;
  negative.width = -4;
  refused(negative, "Image file conversion error.");
  Bmp huge;  // a header for 65535 x 65535 pixels in a file of about 150 bytes
  huge.headerSize = 12;
  huge.width = 65535;
  huge.height = 65535;
  refused(huge, "Out of memory.");
  Bmp big;  // within the limit, but the rows are not in the file
  big.width = 1000;
  big.height = 1000;
  refused(big, "Image file conversion error.");
  for (const std::uint32_t bits : {0u, 7u, 64u}) {
    Bmp odd;
    odd.bits = bits;
    refused(odd, "Image file conversion error.");
  }
  Bmp runLength;
  runLength.bits = 8;
  runLength.compression = 1;
  runLength.palette.assign(1024, 0);
  refused(runLength, "Image file conversion error.");
  Bmp manyColours;
  manyColours.bits = 8;
  manyColours.coloursUsed = 1000;
  manyColours.palette.assign(4000, 0);
  refused(manyColours, "Image file conversion error.");
  Bmp pastTheEnd;
  pastTheEnd.rows = {0, 0, 0, 0};
  pastTheEnd.pixelOffset = 1000;
  refused(pastTheEnd, "Image file conversion error.");
  Bmp insideHeaders;
  insideHeaders.rows = {0, 0, 0, 0};
  insideHeaders.pixelOffset = 20;
  refused(insideHeaders, "Image file conversion error.");
}

TEST(BmpDecoder, EveryTruncationIsRefused) {
  Bmp bmp;
  bmp.bits = 8;
  bmp.width = 3;
  bmp.height = 2;
  bmp.palette.assign(256 * 4, 7);
  bmp.rows = {1, 2, 3, 0, 4, 5, 6, 0};
  const Bytes whole = bmp.bytes();
  // The last row's padding byte may be missing; anything shorter is refused.
  for (std::size_t size = 0; size + 1 < whole.size(); ++size) {
    std::string error;
    const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_EQ(decodeBmp(part.data(), part.size(), "pic.bmp", error), nullptr) << size;
    EXPECT_NE(error.find("pic.bmp"), std::string::npos) << size;
  }
  std::string error;
  EXPECT_NE(decodeBmp(whole.data(), whole.size() - 1, "pic.bmp", error), nullptr) << error;
}

TEST(BmpDecoder, LoadingShowsFailuresWithTheFileName) {
  const std::string missing = assettest::tempFolder() + "/missing.bmp";
  testing::internal::CaptureStderr();
  EXPECT_EQ(loadBmpImage(missing), nullptr);
  EXPECT_EQ(loadBmpImage(assettest::writeFile("empty.bmp", "")), nullptr);
  const std::string shown = testing::internal::GetCapturedStderr();
  EXPECT_NE(shown.find("Error: Failed to open DIB file " + missing + "."), std::string::npos)
      << shown;
  EXPECT_NE(shown.find("Failed to open DIB file " + assettest::tempFolder() + "/empty.bmp."),
            std::string::npos)
      << shown;

  Bmp bmp;
  bmp.rows = {9, 8, 7, 0};
  const auto image = loadBmpImage(assettest::writeFile("one.bmp", bmp.bytes()));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, (Bytes{7, 8, 9}));
}
