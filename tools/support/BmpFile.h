// The BMP file layout as the asset generator, the fuzz seeds and the tests write it: the
// 14-byte file header, the 12- or 40-byte info header, and whole 24-bit files.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tools/support/LittleEndian.h"

namespace bmpfile {

// The two headers' fields. Any value is written as given, so that a test can make a header
// that no decoder should accept; the fields a writer leaves alone are 0.
struct Headers {
  bool fileHeader = true;          // the 14-byte "BM" header in front
  std::uint32_t fileSize = 0;      // as the file header states it
  std::uint32_t pixelOffset = 0;   // from the file's first byte to the stored rows
  std::uint32_t infoSize = 40;     // 12: the core header (16-bit sides, nothing after bits);
                                   // above 40: zeros up to that size
  std::uint32_t width = 0;
  std::uint32_t height = 0;        // a negative height (two's complement): top row stored first
  std::uint32_t bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t imageBytes = 0;
  std::uint32_t pixelsPerMetre = 0;  // both directions
  std::uint32_t coloursUsed = 0;
};

// The length of one stored row: width pixels of `bits` bits, padded to four bytes.
inline std::uint32_t rowStride(std::uint32_t width, std::uint32_t bits) {
  return (width * bits + 31) / 32 * 4;
}

template <class Bytes>
void appendHeaders(Bytes& out, const Headers& h) {
  if (h.fileHeader) {
    out.push_back('B');
    out.push_back('M');
    for (const std::uint32_t v : {h.fileSize, 0u, h.pixelOffset}) le::put32(out, v);
  }
  le::put32(out, h.infoSize);
  if (h.infoSize == 12) {
    for (const std::uint32_t v : {h.width, h.height, 1u, h.bits}) le::put16(out, v);
    return;
  }
  le::put32(out, h.width);
  le::put32(out, h.height);
  le::put16(out, 1);
  le::put16(out, h.bits);
  for (const std::uint32_t v : {h.compression, h.imageBytes, h.pixelsPerMetre, h.pixelsPerMetre,
                                h.coloursUsed, 0u}) {
    le::put32(out, v);
  }
  for (std::uint32_t i = 40; i < h.infoSize; ++i) out.push_back(0);
}

enum class RowOrder { TopFirst, BottomFirst };

// A whole uncompressed 24-bit file of width x height pixels (40-byte info header, 2835 pixels
// a metre, bottom row stored first, rows padded to four bytes). rgb holds red, green, blue a
// pixel, its rows in the given order.
template <class Bytes>
Bytes file24(int width, int height, const std::uint8_t* rgb, RowOrder order) {
  const std::uint32_t stride = rowStride(static_cast<std::uint32_t>(width), 24);
  const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
  Headers h;
  h.fileSize = 54 + pixelBytes;
  h.pixelOffset = 54;
  h.width = static_cast<std::uint32_t>(width);
  h.height = static_cast<std::uint32_t>(height);
  h.imageBytes = pixelBytes;
  h.pixelsPerMetre = 2835;
  Bytes out;
  out.reserve(h.fileSize);
  appendHeaders(out, h);
  using Byte = typename Bytes::value_type;
  for (int stored = 0; stored < height; ++stored) {
    const int y = order == RowOrder::BottomFirst ? stored : height - 1 - stored;
    const std::uint8_t* row = rgb + static_cast<std::size_t>(y) * width * 3;
    for (int x = 0; x < width; ++x) {
      out.push_back(static_cast<Byte>(row[x * 3 + 2]));
      out.push_back(static_cast<Byte>(row[x * 3 + 1]));
      out.push_back(static_cast<Byte>(row[x * 3]));
    }
    out.insert(out.end(), stride - static_cast<std::uint32_t>(width) * 3, Byte(0));
  }
  return out;
}

}  // namespace bmpfile
