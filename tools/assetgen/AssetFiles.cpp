// Shared writers of the asset generator.
#include "AssetFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/support/BmpFile.h"

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

std::string encodeBmp24(const Image& image) {
  return bmpfile::file24<std::string>(image.width, image.height, image.rgb.data(),
                                      bmpfile::RowOrder::TopFirst);
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
