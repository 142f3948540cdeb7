// Shared writers of the asset generator.
#include "AssetFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace assetgen {

bool writeFileAtomically(const std::string& path, const std::string& bytes) {
  std::error_code error;
  const std::filesystem::path target(path);
  if (target.has_parent_path()) {
    std::filesystem::create_directories(target.parent_path(), error);
    if (error) {
      std::fprintf(stderr, "assetgen: cannot create %s: %s\n", target.parent_path().c_str(),
                   error.message().c_str());
      return false;
    }
  }
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", temporary.c_str());
      return false;
    }
  }
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::fprintf(stderr, "assetgen: cannot rename %s to %s: %s\n", temporary.c_str(),
                 path.c_str(), error.message().c_str());
    return false;
  }
  return true;
}

Image::Image(int w, int h) : width(w), height(h), rgb(static_cast<std::size_t>(w) * h * 3, 0) {}

std::uint8_t* Image::at(int x, int y) {
  return rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
}

void Image::set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  std::uint8_t* p = at(x, y);
  p[0] = r;
  p[1] = g;
  p[2] = b;
}

namespace {

void put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

std::string encodeBmp24(const Image& image) {
  const std::uint32_t rowBytes = static_cast<std::uint32_t>(image.width) * 3;
  const std::uint32_t padding = (4 - rowBytes % 4) % 4;
  const std::uint32_t pixelBytes = (rowBytes + padding) * static_cast<std::uint32_t>(image.height);
  std::string out;
  out.reserve(54 + pixelBytes);
  out += "BM";
  put32(out, 54 + pixelBytes);
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(image.width));
  put32(out, static_cast<std::uint32_t>(image.height));
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);
  put32(out, pixelBytes);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    const std::uint8_t* row = image.rgb.data() + static_cast<std::size_t>(y) * rowBytes;
    for (int x = 0; x < image.width; ++x) {
      out.push_back(static_cast<char>(row[x * 3 + 2]));
      out.push_back(static_cast<char>(row[x * 3 + 1]));
      out.push_back(static_cast<char>(row[x * 3 + 0]));
    }
    out.append(padding, '\0');
  }
  return out;
}

bool writeBmp(const std::string& path, const Image& image) {
  return writeFileAtomically(path, encodeBmp24(image));
}

std::uint64_t Random::next() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return state_ * 0x2545F4914F6CDD1Dull;
}

double Random::unit() {
  return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

double Random::range(double lo, double hi) {
  return lo + (hi - lo) * unit();
}

}  // namespace assetgen
