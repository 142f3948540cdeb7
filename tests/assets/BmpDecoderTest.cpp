// The BMP decoder on bytes made here: every supported layout, row order and padding, and
// malformed headers, sizes and offsets refused with the file's name.
#include <climits>

#include "assets/BmpDecoder.h"
#include "assets/AssetTestSupport.h"

using assettest::Bmp;
using assettest::Bytes;

namespace {

Bytes decoded(const Bmp& bmp) {
  const Bytes b = bmp.bytes();
  std::string error;
  const auto image = decodeBmp(b.data(), b.size(), "pic.bmp", error);
  EXPECT_NE(image, nullptr) << error;
  return image ? image->pixels : Bytes();
}

std::string refusal(const Bytes& b) {
  std::string error;
  EXPECT_EQ(decodeBmp(b.data(), b.size(), "pic.bmp", error), nullptr);
  EXPECT_NE(error.find("pic.bmp"), std::string::npos) << error;
  return error.substr(0, error.find(" ("));
}

}  // namespace

TEST(BmpDecoder, TwentyFourBitRowsDropPaddingAndStartWithTheBottomRow) {
  Bmp bmp;
  bmp.width = 5;
  bmp.height = 2;
  Bytes expected;
  for (std::uint8_t row = 0; row < 2; ++row) {  // stored bottom row first, 15 bytes + 1 padding
    for (std::uint8_t x = 0; x < 5; ++x) {
      bmp.rows.insert(bmp.rows.end(), {std::uint8_t(10 * x), row, std::uint8_t(100 + x)});
      expected.insert(expected.end(), {std::uint8_t(100 + x), row, std::uint8_t(10 * x)});
    }
    bmp.rows.push_back(0xEE);
  }
  EXPECT_EQ(decoded(bmp), expected);
  bmp.height = -2;  // top-down: the last stored row is the bottom one
  const Bytes flipped = decoded(bmp);
  EXPECT_EQ(Bytes(flipped.begin(), flipped.begin() + 15),
            Bytes(expected.begin() + 15, expected.end()));
}

TEST(BmpDecoder, EveryPixelLayoutAndHeaderFormBecomesRgb) {
  const auto image = [](std::uint32_t bits, int width, Bytes palette, Bytes rows,
                        std::uint32_t used) {
    Bmp b;
    b.bits = bits, b.width = width, b.palette = palette, b.rows = rows, b.coloursUsed = used;
    return b;
  };
  const Bytes redBlue = {0, 0, 255, 0, 255, 0, 0, 0};  // palette entries B, G, R, 0
  EXPECT_EQ(decoded(image(1, 3, redBlue, {0b01000000, 0, 0, 0}, 0)),
            (Bytes{255, 0, 0, 0, 0, 255, 255, 0, 0}));
  EXPECT_EQ(decoded(image(4, 2, redBlue, {0x10, 0, 0, 0}, 2)), (Bytes{0, 0, 255, 255, 0, 0}));
  Bmp eight = image(8, 2, redBlue, {1, 250, 0, 0}, 2);
  EXPECT_EQ(decoded(eight), (Bytes{0, 0, 255, 0, 0, 0}));
  eight.fileHeader = false;  // 40-byte header alone: pixels right behind the colour table
  EXPECT_EQ(decoded(eight), (Bytes{0, 0, 255, 0, 0, 0}));
  EXPECT_EQ(decoded(image(16, 2, {}, {0x00, 0x7C, 0x1F, 0x00}, 0)), (Bytes{255, 0, 0, 0, 0, 255}));
  EXPECT_EQ(decoded(image(32, 2, {}, {1, 2, 3, 99, 4, 5, 6, 99}, 0)), (Bytes{3, 2, 1, 6, 5, 4}));
  for (const bool fileHeader : {true, false}) {  // 12-byte header, 3-byte colour entries
    Bmp core = image(1, 2, {0, 255, 0, 10, 20, 30}, {0b10000000, 0, 0, 0}, 0);
    core.headerSize = 12, core.fileHeader = fileHeader;
    EXPECT_EQ(decoded(core), (Bytes{30, 20, 10, 0, 255, 0})) << fileHeader;
  }
}

TEST(BmpDecoder, UnreadableHeadersDimensionsAndLayoutsAreRefused) {
  const std::string unknown = "Unknown DIB file format.", memory = "Out of memory.",
                    conversion = "Image file conversion error.";
  EXPECT_EQ(refusal(Bytes{'B', 'M', 0, 0}), unknown);
  const std::pair<void (*)(Bmp&), std::string> cases[] = {
      {[](Bmp& b) { b.headerSize = 108; }, unknown},
      {[](Bmp& b) { b.width = 0x7fffffff; }, memory},
      {[](Bmp& b) { b.height = INT_MIN; }, memory},
      {[](Bmp& b) { b.headerSize = 12, b.width = 65535, b.height = 65535; }, memory},
      {[](Bmp& b) { b.width = 1000, b.height = 1000; }, conversion},  // rows not in the file
      {[](Bmp& b) { b.width = 0; }, conversion},
      {[](Bmp& b) { b.bits = 7; }, conversion},
      {[](Bmp& b) { b.bits = 64; }, conversion},
      {[](Bmp& b) { b.bits = 8, b.compression = 1, b.palette.assign(1024, 0); }, conversion},
      {[](Bmp& b) { b.bits = 8, b.coloursUsed = 1000, b.palette.assign(4000, 0); }, conversion},
      {[](Bmp& b) { b.pixelOffset = 1000; }, conversion},
      {[](Bmp& b) { b.pixelOffset = 20; }, conversion},  // inside the headers
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    Bmp bmp;
    bmp.rows.assign(100, 0);
    cases[i].first(bmp);
    EXPECT_EQ(refusal(bmp.bytes()), cases[i].second) << "case " << i;
  }
}

TEST(BmpDecoder, EveryTruncationIsRefused) {
  Bmp bmp;
  bmp.bits = 8, bmp.width = 3, bmp.height = 2, bmp.palette.assign(1024, 7);
  bmp.rows = {1, 2, 3, 0, 4, 5, 6, 0};
  const Bytes whole = bmp.bytes();
  for (std::size_t size = 0; size + 1 < whole.size(); ++size) {
    refusal(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)));
  }
  std::string error;  // only the last row's padding may be missing
  EXPECT_NE(decodeBmp(whole.data(), whole.size() - 1, "pic.bmp", error), nullptr) << error;
}
