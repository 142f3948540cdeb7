// The Targa decoder on bytes made here: byte order, run-length packets, the format table and
// malformed files, plus the fallback checkerboard.
#include "assets/TgaDecoder.h"
#include "assets/AssetTestSupport.h"

using assettest::Bytes;
using assettest::put16;

namespace {

Bytes tgaHeader(std::uint8_t type, int width, int height, std::uint8_t bits,
                std::uint8_t idLength = 0) {
  Bytes b = {idLength, 0, type};
  put16(b, 0);
  put16(b, 0);
  b.push_back(0);
  put16(b, 0);
  put16(b, 0);
  put16(b, static_cast<std::uint32_t>(width));
  put16(b, static_cast<std::uint32_t>(height));
  b.push_back(bits);
  b.push_back(0);
  return b;
}

Bytes withBody(Bytes header, const Bytes& body) {
  header.insert(header.end(), body.begin(), body.end());
  return header;
}

std::string refusal(const Bytes& b, std::uint32_t flags = 1) {
  TgaImage image;
  std::string error;
  EXPECT_FALSE(decodeTga(b.data(), b.size(), flags, image, error));
  return error;
}

TgaImage decoded(const Bytes& b, std::uint32_t flags = 1) {
  TgaImage image;
  std::string error;
  EXPECT_TRUE(decodeTga(b.data(), b.size(), flags, image, error)) << error;
  return image;
}

}  // namespace

TEST(TgaDecoder, UncompressedPixelsSwapRedAndBlue) {
  const Bytes rgb = withBody(tgaHeader(2, 2, 1, 24, 3), {'i', 'd', '!', 1, 2, 3, 4, 5, 6});
  const TgaImage image = decoded(rgb);
  EXPECT_EQ(image.format, tgaFormatRgb);
  EXPECT_EQ(image.bytes_per_pixel, 3);
  EXPECT_EQ(image.image_size, 6);
  EXPECT_EQ(image.data, (Bytes{3, 2, 1, 6, 5, 4}));

  const TgaImage rgba = decoded(withBody(tgaHeader(2, 1, 1, 32), {1, 2, 3, 4}));
  EXPECT_EQ(rgba.format, tgaFormatRgba);
  EXPECT_EQ(rgba.data, (Bytes{3, 2, 1, 4}));
}

TEST(TgaDecoder, RunLengthPacketsRepeatOrCopyPixels) {
  // 0x83: one pixel four times; 0x02: three literal pixels.
  const Bytes b = withBody(tgaHeader(10, 7, 1, 24),
                           {0x83, 10, 20, 30, 0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  const TgaImage image = decoded(b);
  EXPECT_EQ(image.data, (Bytes{30, 20, 10, 30, 20, 10, 30, 20, 10, 30, 20, 10,
                               3, 2, 1, 6, 5, 4, 9, 8, 7}));
}

TEST(TgaDecoder, GreyscaleNeedsAFlagThatNamesItsFormat) {
  const Bytes grey = withBody(tgaHeader(3, 2, 1, 8), {7, 9});
  EXPECT_EQ(refusal(grey, 1), "Must be LUMINANCE or ALPHA greyscale");
  EXPECT_EQ(decoded(grey, tgaAcceptLuminance | tgaAcceptAlpha).format, tgaFormatLuminance);
  const TgaImage alpha = decoded(grey, tgaAcceptAlpha);
  EXPECT_EQ(alpha.format, tgaFormatAlpha);
  EXPECT_EQ(alpha.data, (Bytes{7, 9}));
}

TEST(TgaDecoder, FormatsOutsideTheTableAreRefusedWithTheirMessages) {
  const Bytes body(64, 0);
  EXPECT_EQ(refusal(withBody(tgaHeader(1, 2, 2, 8), body)), "8-bit colour no longer supported");
  EXPECT_EQ(refusal(withBody(tgaHeader(9, 2, 2, 8), body)), "8-bit colour no longer supported");
  EXPECT_EQ(refusal(withBody(tgaHeader(2, 2, 2, 16), body)), "Unsupported RGB format");
  EXPECT_EQ(refusal(withBody(tgaHeader(10, 2, 2, 8), body)), "Unsupported compressed RGB format");
  EXPECT_EQ(refusal(withBody(tgaHeader(11, 2, 2, 8), body)), "Unsupported image type");
  EXPECT_EQ(refusal(withBody(tgaHeader(3, 2, 2, 16), body), tgaAcceptAlpha),
            "Unsupported greyscale format");
}

TEST(TgaDecoder, MalformedFilesAreRefusedWithoutReadingPastThem) {
  EXPECT_EQ(refusal(withBody(tgaHeader(10, 2, 1, 24), {0x82, 1, 2, 3})),
            "Run-length packet runs past the end of the image");
  EXPECT_EQ(refusal(withBody(tgaHeader(10, 4, 1, 24), {0x03, 1, 2, 3, 4, 5, 6})),
            "Image data runs past the end of the file");
  EXPECT_EQ(refusal(withBody(tgaHeader(10, 4, 1, 24), {0x81, 1, 2, 3, 0x81, 1})),
            "Image data runs past the end of the file");
  EXPECT_EQ(refusal(withBody(tgaHeader(2, 65535, 65535, 24), Bytes(18, 0))),
            "Unsupported image size");
  EXPECT_EQ(refusal(withBody(tgaHeader(2, 32767, 32767, 32), Bytes(18, 0))),
            "Image data runs past the end of the file");
  EXPECT_EQ(refusal(withBody(tgaHeader(10, 32767, 32767, 32), Bytes(18, 0))),
            "Image data runs past the end of the file");
  EXPECT_EQ(refusal(withBody(tgaHeader(2, 0, 5, 24), Bytes(18, 0))), "Unsupported image size");
  EXPECT_EQ(refusal(withBody(tgaHeader(2, 1, 1, 24, 200), {1, 2, 3})),
            "Identification field runs past the end of the file");

  // Every truncation of a good file.
  const Bytes whole = withBody(tgaHeader(10, 5, 1, 24), {0x81, 1, 2, 3, 0x02, 4, 5, 6, 7, 8, 9,
                                                         10, 11, 12});
  decoded(whole);
  for (std::size_t size = 0; size < whole.size(); ++size) {
    TgaImage image;
    std::string error;
    EXPECT_FALSE(decodeTga(whole.data(), size, 1, image, error)) << size;
    EXPECT_TRUE(image.data.empty());
  }
}

TEST(TgaDecoder, CheckerboardHasSixteenPixelSquares) {
  const std::uint8_t* p = checkerPattern();
  auto at = [p](int x, int y) { return p[y * checkerSize + x]; };
  EXPECT_EQ(at(0, 0), 255);
  EXPECT_EQ(at(15, 15), 255);
  EXPECT_EQ(at(16, 0), 0);
  EXPECT_EQ(at(0, 16), 0);
  EXPECT_EQ(at(16, 16), 255);
  EXPECT_EQ(at(127, 96), 0);
}
