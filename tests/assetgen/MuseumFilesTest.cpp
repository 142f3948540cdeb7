// The generated textures in data/ are power-of-two 24-bit images, and two runs of the
// generator write the same bytes, sounds and guards included.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "assets/BmpDecoder.h"
#include "tests/assetgen/MuseumData.h"

namespace {

using namespace museumtest;
namespace fs = std::filesystem;

// Every image in data/textures, the guards' skins included; a texture a model names but the
// generator did not write makes the loaders below complain.
std::vector<std::string> textureFiles() {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(kDataDir + "textures")) {
    if (entry.path().extension() == ".bmp") files.push_back(fs::relative(entry.path(), kDataDir));
  }
  return files;
}

bool powerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

std::unique_ptr<RgbImage> decode(const std::string& file) {
  const std::string bytes = readText(kDataDir + file);
  std::string error;
  auto image = decodeBmp(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), file, error);
  EXPECT_TRUE(image) << error;
  // Uncompressed 24 bits per pixel.
  EXPECT_GE(bytes.size(), 54u);
  if (bytes.size() >= 54) {
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24u) << file;
    EXPECT_EQ(bytes[30], 0) << file;
  }
  return image;
}

TEST(MuseumFiles, EveryTextureIsAPowerOfTwo24BitImage) {
  const std::vector<std::string> files = textureFiles();
  EXPECT_GT(files.size(), 60u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    auto image = decode(file);
    ASSERT_TRUE(image);
    EXPECT_TRUE(powerOfTwo(image->width));
    EXPECT_TRUE(powerOfTwo(image->height));
  }
}

TEST(MuseumFiles, TwoRunsOfTheGeneratorWriteTheSameBytes) {
  const std::string tag = std::to_string(::getpid());
  std::vector<fs::path> runs;
  for (const char* name : {"vaultrun-museum-a-", "vaultrun-museum-b-"}) {
    const fs::path dir = fs::path(testing::TempDir()) / (name + tag);
    fs::remove_all(dir);
    const std::string command = std::string("'") + VAULTRUN_BINARY_DIR "/tools/assetgen/assetgen' '" +
                                dir.string() + "' > /dev/null";
    ASSERT_EQ(0, std::system(command.c_str())) << command;
    runs.push_back(dir);
  }
  // Every file of the first run, the guards' figures and skins and the sounds included.
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(runs[0])) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), runs[0]);
    const std::string a = readText(entry.path().string());
    EXPECT_FALSE(a.empty()) << relative;
    EXPECT_TRUE(a == readText((runs[1] / relative).string())) << relative;
    ++compared;
  }
  EXPECT_GT(compared, 100);
  for (const fs::path& dir : runs) fs::remove_all(dir);
}

}  // namespace
