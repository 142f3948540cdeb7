// Bad input the other loader tests leave out: Targa packets that overrun the image or the
// file by one packet, and sound files that are empty, noise, or claim more data than they
// hold, which must leave their sounds silent (or playing what is there) and read nothing past
// their ends.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "assets/TgaDecoder.h"
#include "audio/Sound.h"
#include "tests/audio/TestWav.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes targa(std::uint8_t type, int width, const Bytes& body) {
  Bytes b = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<std::uint8_t>(width),
             static_cast<std::uint8_t>(width >> 8), 1, 0, 24, 0};
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

std::string refusal(const Bytes& file) {
  TgaImage image;
  std::string error;
  // An exact-size copy on the heap, so one byte read past the end is caught under ASan.
  const std::vector<std::uint8_t> exact(file.begin(), file.end());
  EXPECT_FALSE(decodeTga(exact.data(), exact.size(), 1, image, error));
  EXPECT_TRUE(image.data.empty());
  return error;
}

TEST(BadTarga, PacketsRunningOnePacketPastTheImageOrTheFileAreRefused) {
  const std::string pastImage = "Run-length packet runs past the end of the image";
  const std::string pastFile = "Image data runs past the end of the file";
  // 129 pixels: one run of 128, then another run of 128 with one pixel left.
  const Bytes run128 = {0xFF, 1, 2, 3};
  Bytes twoRuns = run128;
  twoRuns.insert(twoRuns.end(), run128.begin(), run128.end());
  EXPECT_EQ(refusal(targa(10, 129, twoRuns)), pastImage);
  // The same with a raw packet of 128 pixels second.
  Bytes runThenRaw = run128;
  runThenRaw.push_back(0x7F);
  runThenRaw.resize(runThenRaw.size() + 128 * 3, 9);
  EXPECT_EQ(refusal(targa(10, 129, runThenRaw)), pastImage);
  // A raw packet of 128 pixels in a file that holds 127 of them.
  Bytes shortRaw = {0x7F};
  shortRaw.resize(1 + 127 * 3, 9);
  shortRaw.push_back(0x80);  // and a pixel's worth of bytes that are not one
  EXPECT_EQ(refusal(targa(10, 256, shortRaw)), pastFile);
  // An uncompressed body one byte short.
  EXPECT_EQ(refusal(targa(2, 4, Bytes(4 * 3 - 1, 7))), pastFile);
}

class BadSoundFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    initSound();
  }
  void SetUp() override {
    if (!soundAvailable()) GTEST_SKIP() << "SDL's dummy audio driver is not available";
  }
  void TearDown() override {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (const std::string& path : made) std::remove(path.c_str());
  }

  std::string file(const std::string& name, const Bytes& bytes) {
    const std::string path =
        testing::TempDir() + "vaultrun-badsound-" + std::to_string(getpid()) + "-" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    made.push_back(path);
    return path;
  }

  // Plays, polls and stops the sound as the game does; under ASan, a read past its data
  // shows here.
  static void exercise(Sound& sound) {
    sound.play();
    sound.isPlaying();
    SDL_Delay(50);  // lets the dummy device mix a little of it
    sound.isPlaying();
    sound.stop();
    EXPECT_FALSE(sound.isPlaying());
  }

  std::vector<std::string> made;
};

TEST_F(BadSoundFiles, EmptyAndNoiseFilesAreSilentLikeMissingOnes) {
  Bytes noise(4096);
  std::uint32_t seed = 99;
  for (std::uint8_t& b : noise) {
    seed = seed * 1664525u + 1013904223u;
    b = static_cast<std::uint8_t>(seed >> 24);
  }
  struct Case {
    const char* name;
    Bytes bytes;
    bool isStream;
  };
  const Case cases[] = {
      {"empty.mp3", {}, true},        {"noise.mp3", noise, true}, {"empty.wav", {}, false},
      {"noise.wav", noise, false},    {"riff-only.wav", {'R', 'I', 'F', 'F'}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Sound sound(file(c.name, c.bytes), c.isStream ? 3 : 1, c.isStream, c.isStream);
    EXPECT_EQ(nullptr, sound.stream);
    EXPECT_EQ(nullptr, sound.sample);
    exercise(sound);
  }
}

TEST_F(BadSoundFiles, AWavWhoseDataRunsPastTheEndPlaysAtMostWhatIsThere) {
  const std::string good = testing::TempDir() + "vaultrun-badsound-good.wav";
  ASSERT_TRUE(soundtest::writeWav(good, 0.25, 22050));
  std::ifstream in(good, std::ios::binary);
  Bytes wav((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::remove(good.c_str());
  ASSERT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
  for (const std::uint32_t claimed : {0x7fffff00u, 0xffffffffu, 0x10000u}) {
    SCOPED_TRACE(claimed);
    Bytes broken = wav;
    for (int i = 0; i < 4; ++i) broken[40 + i] = static_cast<std::uint8_t>(claimed >> (8 * i));
    Sound sample(file("long-data.wav", broken), 4, false, false);
    Sound looped(file("long-data-loop.wav", broken), 2, false, true);
    Sound stream(file("long-data-stream.wav", broken), 3, true, true);
    // A quarter of a second at 22050 Hz mono; converted for the mixer (44100 Hz, two 16-bit
    // channels) it is about 44100 bytes, far from what the header claims.
    for (const Sound* s : {&sample, &looped}) {
      if (s->sample != nullptr) {
        EXPECT_LE(s->sample->alen, 2u * 44100u);
      }
    }
    exercise(sample);
    exercise(looped);
    exercise(stream);
  }
}

}  // namespace
