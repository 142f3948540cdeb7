// Sound files that are empty, noise, or claim more data than they hold: they must leave their
// sounds silent (or playing what is there) and read nothing past their ends.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "audio/Sound.h"
#include "tests/audio/TestWav.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

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
  std::mt19937 random(99);
  for (std::uint8_t& b : noise) b = static_cast<std::uint8_t>(random());
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
