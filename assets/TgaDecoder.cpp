// The Targa decoder: header, format choice, uncompressed and run-length pixels, every read
// checked against the file and every write against the image.
#include "assets/TgaDecoder.h"

#include <cstring>
#include <new>
#include <utility>

namespace {

const std::size_t headerSize = 18;
const char* const pastTheFile = "Image data runs past the end of the file";

class Reader {
 public:
  Reader(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

  std::size_t left() const { return size_ - pos_; }
  std::uint8_t u8() { return bytes_[pos_++]; }
  std::int16_t i16() {
    const std::uint16_t v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
    pos_ += 2;
    return static_cast<std::int16_t>(v);
  }
  const std::uint8_t* take(std::size_t n) {
    const std::uint8_t* p = bytes_ + pos_;
    pos_ += n;
    return p;
  }

 private:
  const std::uint8_t* bytes_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Step 3: the twelve header fields in file order (the caller has checked the 18 bytes).
void readHeader(Reader& in, TgaImage& t) {
  t.id_length = in.u8();
  t.colour_map_type = in.u8();
  t.image_type = in.u8();
  t.colour_map_origin = in.i16();
  t.colour_map_length = in.i16();
  t.colour_map_entry_size = in.u8();
  t.x_origin = in.i16();
  t.y_origin = in.i16();
  t.width = in.i16();
  t.height = in.i16();
  t.bits_per_pixel = in.u8();
  t.image_descriptor = in.u8();
  t.bytes_per_pixel = t.bits_per_pixel >> 3;
}

// Step 4: the format by image type; the message of the table when it is refused.
const char* chooseFormat(TgaImage& t, std::uint32_t flags) {
  switch (t.image_type) {
    case 1:
    case 9:
      return "8-bit colour no longer supported";
    case 2:
    case 10:
      if (t.bits_per_pixel == 24 || t.bits_per_pixel == 32) {
        t.format = t.bits_per_pixel == 24 ? tgaFormatRgb : tgaFormatRgba;
        return nullptr;
      }
      return t.image_type == 2 ? "Unsupported RGB format" : "Unsupported compressed RGB format";
    case 3:
      if ((flags & (tgaAcceptLuminance | tgaAcceptAlpha)) == 0) {
        return "Must be LUMINANCE or ALPHA greyscale";
      }
      if (t.bits_per_pixel != 8) {
        return "Unsupported greyscale format";
      }
      t.format = (flags & tgaAcceptLuminance) ? tgaFormatLuminance : tgaFormatAlpha;
      return nullptr;
    default:
      return "Unsupported image type";
  }
}

// One pixel from the file's B, G, R (, A) into the buffer's R, G, B (, A); grey as it is.
void storePixel(const std::uint8_t* from, std::uint8_t* to, std::int32_t bytesPerPixel) {
  std::memcpy(to, from, static_cast<std::size_t>(bytesPerPixel));
  if (bytesPerPixel >= 3) {
    to[0] = from[2];
    to[2] = from[0];
  }
}

// Step 6: types 2 and 3, image_size bytes at once.
const char* readUncompressed(Reader& in, TgaImage& t) {
  const std::size_t size = static_cast<std::size_t>(t.image_size);
  if (in.left() < size) {
    return pastTheFile;
  }
  const std::uint8_t* from = in.take(size);
  for (std::size_t i = 0; i < size; i += static_cast<std::size_t>(t.bytes_per_pixel)) {
    storePixel(from + i, t.data.data() + i, t.bytes_per_pixel);
  }
  return nullptr;
}

// Step 7: run-length packets until the image is full. A packet that would run past the image,
// or past the end of the file, refuses the whole file.
const char* readRunLength(Reader& in, TgaImage& t) {
  const std::size_t size = static_cast<std::size_t>(t.image_size);
  const std::size_t bpp = static_cast<std::size_t>(t.bytes_per_pixel);
  std::size_t produced = 0;
  while (produced < size) {
    if (in.left() < 1) {
      return pastTheFile;
    }
    const std::uint8_t h = in.u8();
    const std::size_t count = static_cast<std::size_t>(h & 0x7F) + 1;
    if (count * bpp > size - produced) {
      return "Run-length packet runs past the end of the image";
    }
    const bool repeated = (h & 0x80) != 0;
    if (in.left() < (repeated ? bpp : count * bpp)) {
      return pastTheFile;
    }
    const std::uint8_t* from = in.take(repeated ? bpp : count * bpp);
    for (std::size_t i = 0; i < count; ++i) {
      storePixel(repeated ? from : from + i * bpp, t.data.data() + produced, t.bytes_per_pixel);
      produced += bpp;
    }
  }
  return nullptr;
}

// Steps 3 and 4 and every check that can refuse the file before its pixels take memory; in is
// left at the first pixel byte. Returns the refusal's message, or empty.
std::string readCheckedHeader(Reader& in, std::uint32_t flags, const ImageLimits& limits,
                              TgaImage& t) {
  if (in.left() < headerSize) {
    return "File too short for the header";
  }
  readHeader(in, t);
  if (in.left() < t.id_length) {
    return "Identification field runs past the end of the file";
  }
  in.take(t.id_length);
  if (const char* refused = chooseFormat(t, flags)) {
    return refused;
  }
  if (t.width <= 0 || t.height <= 0) {
    return "Unsupported image size";
  }
  // Computed wide, and refused when the file can't hold the pixels even at the best
  // compression (one header and pixel per 128).
  const std::uint64_t pixels =
      static_cast<std::uint64_t>(t.width) * static_cast<std::uint64_t>(t.height);
  const std::uint64_t wanted = pixels * static_cast<std::uint64_t>(t.bytes_per_pixel);
  const std::uint64_t fewestBytes =
      t.image_type == 10
          ? (pixels + 127) / 128 * (1 + static_cast<std::uint64_t>(t.bytes_per_pixel))
          : wanted;
  if (wanted > 0x7fffffffu || fewestBytes > in.left()) {
    return pastTheFile;
  }
  // Run-length packets multiply: a file that holds its pixels at 128 to one can still ask for
  // far more memory than the game has.
  const std::string tooLarge = imageSizeRefusal(t.width, t.height, limits);
  if (!tooLarge.empty()) {
    return "Image too large: " + tooLarge;
  }
  t.image_size = static_cast<std::int32_t>(wanted);
  return std::string();
}

}  // namespace

bool readTgaHeader(const std::uint8_t* bytes, std::size_t size, std::uint32_t flags,
                   const ImageLimits& limits, TgaImage& header, std::string& error) {
  Reader in(bytes, size);
  TgaImage t;
  error = readCheckedHeader(in, flags, limits, t);
  if (!error.empty()) {
    return false;
  }
  header = std::move(t);
  return true;
}

bool decodeTga(const std::uint8_t* bytes, std::size_t size, std::uint32_t flags, TgaImage& image,
               std::string& error, const ImageLimits& limits) {
  TgaImage t;
  if (!readTgaHeader(bytes, size, flags, limits, t, error)) {
    return false;
  }
  Reader in(bytes, size);
  in.take(headerSize + t.id_length);
  // Step 5.
  try {
    t.data.assign(static_cast<std::size_t>(t.image_size), 0);
  } catch (const std::bad_alloc&) {
    error = "Out of memory";
    return false;
  }
  const char* failed = t.image_type == 10 ? readRunLength(in, t) : readUncompressed(in, t);
  if (failed != nullptr) {
    error = failed;
    return false;
  }
  image = std::move(t);
  return true;
}

const std::uint8_t* checkerPattern() {
  static std::uint8_t pattern[checkerSize * checkerSize];
  static bool made = false;
  if (!made) {
    for (int y = 0; y < checkerSize; ++y) {
      for (int x = 0; x < checkerSize; ++x) {
        pattern[y * checkerSize + x] = ((x ^ y) & checkerSquare) == 0 ? 255 : 0;
      }
    }
    made = true;
  }
  return pattern;
}
