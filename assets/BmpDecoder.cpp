// The BMP decoder: headers checked against the buffer, then every supported pixel layout
// converted to bottom-up RGB rows without padding.
#include "assets/BmpDecoder.h"

#include <new>

#include "assets/FileBytes.h"
#include "platform/ErrorLine.h"

std::uint8_t showErrorMessages = 1;

namespace {

const char* const unknownFormat = "Unknown DIB file format.";
const char* const outOfMemory = "Out of memory.";
const char* const conversionError = "Image file conversion error.";

const std::size_t fileHeaderSize = 14;

std::uint16_t le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The 40-byte form of the info header; a 12-byte header is widened into it.
struct InfoHeader {
  std::uint32_t size = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative for a top-down file
  std::uint32_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::uint32_t colourEntrySize = 4;  // bytes per colour table entry: 3 for the short header
};

// Where the pieces of the file are, all checked against its size.
struct Layout {
  InfoHeader info;
  std::int64_t rows = 0;
  bool topDown = false;
  std::uint64_t colourCount = 0;
  std::size_t colourTable = 0;  // offset of the colour table
  std::size_t pixelBits = 0;    // offset of the first stored row
  std::uint64_t stride = 0;     // bytes per stored row, padding included
};

class Decoder {
 public:
  Decoder(const std::uint8_t* data, std::size_t size, const std::string& name,
          const ImageLimits& limits)
      : data_(data), size_(size), name_(name), limits_(limits) {}

  std::unique_ptr<RgbImage> run(std::string& error);

 private:
  bool fail(const char* message, const std::string& reason) {
    error_ = std::string(message) + " (" + name_ + ": " + reason + ")";
    return false;
  }

  bool readHeaders();
  bool locateColourTable();
  bool locatePixels();
  void convert(RgbImage& image) const;
  void storedPixel(const std::uint8_t* row, std::int64_t x, std::uint8_t* rgb) const;

  const std::uint8_t* data_;
  std::size_t size_;
  const std::string& name_;
  const ImageLimits limits_;
  std::string error_;
  Layout layout_;
  std::size_t infoStart_ = 0;
  bool hasFileHeader_ = false;
  std::uint32_t pixelOffset_ = 0;  // from the file header
};

// Steps 1 and 2: the optional file header and the info header.
bool Decoder::readHeaders() {
  if (size_ >= 2 && data_[0] == 'B' && data_[1] == 'M') {
    if (size_ < fileHeaderSize) {
      return fail(unknownFormat, "the file header is cut short");
    }
    hasFileHeader_ = true;
    pixelOffset_ = le32(data_ + 10);
    infoStart_ = fileHeaderSize;
  }
  if (size_ - infoStart_ < 4) {
    return fail(unknownFormat, "the info header is cut short");
  }
  InfoHeader& info = layout_.info;
  const std::uint8_t* p = data_ + infoStart_;
  info.size = le32(p);
  if (info.size != 12 && info.size != 40) {
    return fail(unknownFormat, "info header of " + std::to_string(info.size) + " bytes");
  }
  if (size_ - infoStart_ < info.size) {
    return fail(unknownFormat, "the info header is cut short");
  }
  if (info.size == 12) {
    info.width = le16(p + 4);
    info.height = le16(p + 6);
    info.bitCount = le16(p + 10);
    info.colourEntrySize = 3;
  } else {
    info.width = static_cast<std::int32_t>(le32(p + 4));
    info.height = static_cast<std::int32_t>(le32(p + 8));
    info.bitCount = le16(p + 14);
    info.compression = le32(p + 16);
    info.coloursUsed = le32(p + 32);
  }

  if (info.width <= 0) {
    return fail(conversionError, "width " + std::to_string(info.width));
  }
  layout_.topDown = info.height < 0;
  layout_.rows = layout_.topDown ? -info.height : info.height;
  if (layout_.rows == 0) {
    return fail(conversionError, "height 0");
  }
  const std::string tooLarge = imageSizeRefusal(info.width, layout_.rows, limits_);
  if (!tooLarge.empty()) {
    return fail(outOfMemory, tooLarge);
  }
  const std::uint32_t bits = info.bitCount;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    return fail(conversionError, std::to_string(bits) + " bits per pixel");
  }
  if (info.compression != 0) {
    return fail(conversionError,
                "compression method " + std::to_string(info.compression) + " is not supported");
  }
  return true;
}

// Step 3: the colour table right behind the info header.
bool Decoder::locateColourTable() {
  const InfoHeader& info = layout_.info;
  if (info.coloursUsed != 0) {
    layout_.colourCount = info.coloursUsed;
  } else if (info.bitCount <= 8) {
    layout_.colourCount = 1u << info.bitCount;
  }
  layout_.colourTable = infoStart_ + info.size;
  if (info.bitCount > 8) {
    return true;  // true-colour pixels never look into the table
  }
  if (layout_.colourCount > (1u << info.bitCount)) {
    return fail(conversionError, std::to_string(layout_.colourCount) + " colours for " +
                                     std::to_string(info.bitCount) + " bits per pixel");
  }
  if (layout_.colourCount * info.colourEntrySize > size_ - layout_.colourTable) {
    return fail(conversionError, "the colour table runs past the end of the file");
  }
  return true;
}

// Step 4: the stored rows, all of which must lie inside the file.
bool Decoder::locatePixels() {
  const InfoHeader& info = layout_.info;
  const std::uint64_t tableEnd =
      layout_.colourTable + layout_.colourCount * static_cast<std::uint64_t>(info.colourEntrySize);
  const std::uint64_t start = hasFileHeader_ ? pixelOffset_ : tableEnd;
  if (hasFileHeader_ && start < layout_.colourTable) {
    return fail(conversionError,
                "pixel data offset " + std::to_string(start) + " lies inside the headers");
  }
  const std::uint64_t rowBits = static_cast<std::uint64_t>(info.width) * info.bitCount;
  layout_.stride = (rowBits + 31) / 32 * 4;
  const std::uint64_t lastRow = (rowBits + 7) / 8;  // the last row may come without padding
  const std::uint64_t needed =
      layout_.stride * static_cast<std::uint64_t>(layout_.rows - 1) + lastRow;
  if (start > size_ || needed > size_ - start) {
    return fail(conversionError, "pixel data of " + std::to_string(needed) + " bytes at offset " +
                                     std::to_string(start) + " runs past the end of the file (" +
                                     std::to_string(size_) + " bytes)");
  }
  layout_.pixelBits = static_cast<std::size_t>(start);
  return true;
}

// One stored pixel as R, G, B. Palette indices past the colour table give black.
void Decoder::storedPixel(const std::uint8_t* row, std::int64_t x, std::uint8_t* rgb) const {
  const std::uint32_t bits = layout_.info.bitCount;
  if (bits <= 8) {
    const std::uint64_t bitPos = static_cast<std::uint64_t>(x) * bits;
    const std::uint32_t shift = 8 - bits - static_cast<std::uint32_t>(bitPos % 8);
    const std::uint32_t index = (row[bitPos / 8] >> shift) & ((1u << bits) - 1);
    if (index >= layout_.colourCount) {
      rgb[0] = rgb[1] = rgb[2] = 0;
      return;
    }
    const std::uint8_t* entry = data_ + layout_.colourTable + index * layout_.info.colourEntrySize;
    rgb[0] = entry[2];
    rgb[1] = entry[1];
    rgb[2] = entry[0];
  } else if (bits == 16) {
    const std::uint16_t v = le16(row + x * 2);
    const std::uint32_t r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
    rgb[0] = static_cast<std::uint8_t>((r << 3) | (r >> 2));
    rgb[1] = static_cast<std::uint8_t>((g << 3) | (g >> 2));
    rgb[2] = static_cast<std::uint8_t>((b << 3) | (b >> 2));
  } else {
    const std::uint8_t* p = row + x * (bits / 8);
    rgb[0] = p[2];
    rgb[1] = p[1];
    rgb[2] = p[0];
  }
}

// Step 5: rows bottom-up, B, G, R turned into R, G, B, padding dropped.
void Decoder::convert(RgbImage& image) const {
  const std::int64_t width = layout_.info.width;
  for (std::int64_t r = 0; r < layout_.rows; ++r) {
    const std::int64_t stored = layout_.topDown ? layout_.rows - 1 - r : r;
    const std::uint8_t* row = data_ + layout_.pixelBits + stored * layout_.stride;
    std::uint8_t* out = image.pixels.data() + r * width * 3;
    for (std::int64_t x = 0; x < width; ++x) {
      storedPixel(row, x, out + x * 3);
    }
  }
}

std::unique_ptr<RgbImage> Decoder::run(std::string& error) {
  if (!readHeaders() || !locateColourTable() || !locatePixels()) {
    error = error_;
    return nullptr;
  }
  std::unique_ptr<RgbImage> image;
  try {
    image.reset(new RgbImage);
    image->pixels.resize(static_cast<std::size_t>(layout_.info.width * layout_.rows * 3));
  } catch (const std::bad_alloc&) {
    fail(outOfMemory, "no room for the pixels");
    error = error_;
    return nullptr;
  }
  convert(*image);
  // Step 6.
  image->width = static_cast<std::int32_t>(layout_.info.width);
  image->height = static_cast<std::int32_t>(layout_.rows);
  return image;
}

}  // namespace

std::unique_ptr<RgbImage> decodeBmp(const std::uint8_t* data, std::size_t size,
                                    const std::string& nameForMessages, std::string& error,
                                    const ImageLimits& limits) {
  error.clear();
  Decoder decoder(data, size, nameForMessages, limits);
  return decoder.run(error);
}

std::unique_ptr<RgbImage> loadBmpImage(const std::string& fileName, const ImageLimits& limits) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  std::unique_ptr<RgbImage> image;
  try {
    std::string why;
    if (!readWholeFile(fileName, bytes, &why) || bytes.empty()) {
      error = "Failed to open DIB file " + fileName + fileProblemNote(why) + ".";
    }
  } catch (const std::bad_alloc&) {
    error = std::string(outOfMemory) + " (" + fileName + ": no room for the file's bytes)";
  }
  if (error.empty()) {
    image = decodeBmp(bytes.data(), bytes.size(), fileName, error, limits);
  }
  if (image == nullptr && showErrorMessages) {
    platform::showError(error);
  }
  return image;
}
