// The BMP decoder: a Windows bitmap (file or bytes) into a tightly packed RGB image.
// No GL here; assets/Textures.cpp uploads what this produces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "assets/ImageLimits.h"

// A decoded BMP image: width * height * 3 bytes, R, G, B per pixel, rows without padding,
// the bottom row of the picture first.
struct RgbImage {
  std::int32_t width = 0;   // pixels, 1..the limits' side
  std::int32_t height = 0;  // rows, 1..the limits' side (a top-down file is turned over)
  std::vector<std::uint8_t> pixels;
};

// Set at start-up and never cleared by the game: when set, loadBmpImage shows its failures
// as error lines. Tests clear it to keep their output quiet.
extern std::uint8_t showErrorMessages;

// Decodes a BMP held in memory. Accepts the 12- and 40-byte info headers, with or without the
// 14-byte file header, and uncompressed 1, 4, 8, 16 (5-5-5), 24 and 32 bits per pixel,
// bottom-up or top-down. On failure returns null and sets error to the full message: one of
// "Unknown DIB file format.", "Out of memory.", "Image file conversion error." followed by
// the file name and the reason. An image larger than limits is refused with "Out of memory."
// before any memory is taken for its pixels.
std::unique_ptr<RgbImage> decodeBmp(const std::uint8_t* data, std::size_t size,
                                    const std::string& nameForMessages, std::string& error,
                                    const ImageLimits& limits = ImageLimits());

// Reads and decodes a BMP file. On failure shows the message (when showErrorMessages is set)
// and returns null; a file that can't be read, or is empty, gives
// "Failed to open DIB file <name>.", and one too large to hold in memory "Out of memory.".
std::unique_ptr<RgbImage> loadBmpImage(const std::string& fileName,
                                       const ImageLimits& limits = ImageLimits());
