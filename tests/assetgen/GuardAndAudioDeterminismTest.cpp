// The asset generator makes the same guard figures, skins and sounds, byte for byte, on every
// run: two runs of the built generator into fresh folders are compared.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

const char* const kFiles[] = {
    "animation/gehend.md2",       "animation/stehend.md2",         "animation/figure_shooting.md2",
    "animation/figure_falling.md2", "animation/weapon_shooting.md2", "animation/waffe_falling.md2",
    "textures/pm1.bmp",           "textures/weapon.bmp",           "audio/menue.mp3",
    "audio/game1.mp3",            "audio/claps.wav",               "audio/shutdown.wav",
    "audio/gunshot.wav",          "audio/click.wav",               "audio/transfer_data.wav",
    "audio/sorry.wav",            "audio/cry.wav",                 "audio/footstep.wav",
    "audio/pistolshot.wav",
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path generateInto(const std::string& name) {
  const fs::path dir = fs::path(testing::TempDir()) / name;
  fs::remove_all(dir);
  const std::string command = std::string("'") + VAULTRUN_BINARY_DIR "/tools/assetgen/assetgen' '" +
                              dir.string() + "' > /dev/null";
  EXPECT_EQ(0, std::system(command.c_str())) << command;
  return dir;
}

TEST(GuardAndAudioAssets, TwoRunsOfTheGeneratorWriteTheSameBytes) {
  const std::string tag = std::to_string(::getpid());
  const fs::path first = generateInto("vaultrun-assets-a-" + tag);
  const fs::path second = generateInto("vaultrun-assets-b-" + tag);
  for (const char* file : kFiles) {
    SCOPED_TRACE(file);
    const std::string a = readFile(first / file);
    EXPECT_FALSE(a.empty());
    EXPECT_TRUE(a == readFile(second / file));
  }
  fs::remove_all(first);
  fs::remove_all(second);
}

}  // namespace
