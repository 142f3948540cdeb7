// The Targa decoder: the 18-byte header, uncompressed and run-length pixels, and the
// checkerboard that replaces an image that can't be read. No GL here; assets/Textures.cpp
// uploads the result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/ImageLimits.h"

// Pixel formats, with the values of the GL enumerants of the same name, so the uploader can
// pass `format` on unchanged.
constexpr std::uint32_t tgaFormatAlpha = 0x1906;      // GL_ALPHA
constexpr std::uint32_t tgaFormatRgb = 0x1907;        // GL_RGB
constexpr std::uint32_t tgaFormatRgba = 0x1908;       // GL_RGBA
constexpr std::uint32_t tgaFormatLuminance = 0x1909;  // GL_LUMINANCE

// Loader flags; the game's only caller passes 1, which selects none of them.
constexpr std::uint32_t tgaAcceptAlpha = 0x100;            // 8-bit greyscale as alpha
constexpr std::uint32_t tgaAcceptLuminance = 0x1000;       // 8-bit greyscale as luminance (wins)
constexpr std::uint32_t tgaLevelZeroOnly = 0x10000;        // no mipmap chain
constexpr std::uint32_t tgaFourBitFormats = 0x100000;      // GL_*4 internal formats
constexpr std::uint32_t tgaCompressedFormats = 0x1000000;  // GL_COMPRESSED_*_ARB, if offered

// The header fields in file order, then the derived ones.
struct TgaImage {
  std::uint8_t id_length = 0;
  std::uint8_t colour_map_type = 0;
  std::uint8_t image_type = 0;  // 2 true colour, 3 greyscale, 10 run-length true colour
  std::int16_t colour_map_origin = 0;
  std::int16_t colour_map_length = 0;
  std::uint8_t colour_map_entry_size = 0;
  std::int16_t x_origin = 0;
  std::int16_t y_origin = 0;
  std::int16_t width = 0;   // pixels per row, 1..32767
  std::int16_t height = 0;  // rows, 1..32767, kept in the order stored
  std::uint8_t bits_per_pixel = 0;
  std::uint8_t image_descriptor = 0;
  std::int32_t bytes_per_pixel = 0;
  std::int32_t image_size = 0;     // width * height * bytes_per_pixel
  std::uint32_t format = 0;        // one of the tgaFormat constants
  std::vector<std::uint8_t> data;  // image_size bytes, R, G, B (, A) or one grey byte per pixel
};

// The side of the fallback checkerboard, in pixels, and the side of one square.
constexpr int checkerSize = 128;
constexpr int checkerSquare = 16;

// Decodes a TGA held in memory with the given flags. On failure returns false and sets error to
// the message alone (for example "Unsupported RGB format"); the caller adds " - " and the name.
// image is filled only on success. An image larger than limits is refused before any memory is
// taken for it, and so is one that a failed allocation leaves without room ("Out of memory").
bool decodeTga(const std::uint8_t* bytes, std::size_t size, std::uint32_t flags, TgaImage& image,
               std::string& error, const ImageLimits& limits = ImageLimits());

// The checks decodeTga makes before it allocates: the header, the format, the size against
// limits and against what the file could hold at best. On success header holds the header
// fields, format and image_size (the bytes decodeTga would allocate for the pixels), no data.
bool readTgaHeader(const std::uint8_t* bytes, std::size_t size, std::uint32_t flags,
                   const ImageLimits& limits, TgaImage& header, std::string& error);

// The 128 x 128 single-channel checkerboard: 255 where ((x ^ y) & 16) is 0, else 0.
// The buffer is the pattern maker's own and lives until the program ends.
const std::uint8_t* checkerPattern();
