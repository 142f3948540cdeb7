// The generated sounds in data/audio (made by the build before the tests run): the effects are
// 16-bit mono PCM of the right length, loud but never clipped; the music streams decode to
// their whole loop and run from their end straight back into their start; and the game's
// Sound loads every one of them.
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "audio/Sound.h"

namespace {

const std::string kAudioDir = VAULTRUN_SOURCE_DIR "/data/audio/";

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
  return v;
}

struct Levels {
  double peakDb = -200.0;
  double rmsDb = -200.0;
  int fullScale = 0;  // samples at the 16-bit limits
};

Levels levelsOf(const std::int16_t* samples, std::size_t count) {
  Levels l;
  double sum = 0.0;
  int peak = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const int v = samples[i];
    peak = std::max(peak, std::abs(v));
    sum += static_cast<double>(v) * v;
    if (v >= 32767 || v <= -32767) ++l.fullScale;
  }
  if (peak > 0) l.peakDb = 20.0 * std::log10(peak / 32768.0);
  if (sum > 0.0) l.rmsDb = 20.0 * std::log10(std::sqrt(sum / count) / 32768.0);
  return l;
}

struct Effect {
  const char* file;
  double minSeconds, maxSeconds;
};

const Effect kEffects[] = {
    {"claps.wav", 0.1, 0.6},        {"shutdown.wav", 1.4, 2.0},
    {"gunshot.wav", 0.3, 1.5},      {"click.wav", 0.03, 0.3},
    {"transfer_data.wav", 0.8, 2.5}, {"sorry.wav", 0.2, 1.0},
    {"cry.wav", 0.3, 1.2},          {"footstep.wav", 0.4, 0.6},
    {"pistolshot.wav", 0.3, 1.8},
};

TEST(AudioFiles, EffectsAreMonoPcmOfTheirLengthLoudButNeverClipped) {
  for (const Effect& e : kEffects) {
    SCOPED_TRACE(e.file);
    const std::string b = readFile(kAudioDir + e.file);
    ASSERT_GE(b.size(), 44u);
    ASSERT_EQ("RIFF", b.substr(0, 4));
    ASSERT_EQ("WAVE", b.substr(8, 4));
    EXPECT_EQ(b.size() - 8, le(b, 4, 4));
    // Walk the chunks for the format and the samples.
    std::size_t at = 12, dataAt = 0, dataBytes = 0;
    std::uint32_t format = 0, channels = 0, rate = 0, bits = 0;
    while (at + 8 <= b.size()) {
      const std::string id = b.substr(at, 4);
      const std::uint32_t size = le(b, at + 4, 4);
      ASSERT_LE(at + 8 + size, b.size());
      if (id == "fmt ") {
        format = le(b, at + 8, 2);
        channels = le(b, at + 10, 2);
        rate = le(b, at + 12, 4);
        bits = le(b, at + 22, 2);
      } else if (id == "data") {
        dataAt = at + 8;
        dataBytes = size;
      }
      at += 8 + size + (size & 1);
    }
    EXPECT_EQ(1u, format);
    EXPECT_EQ(1u, channels);
    EXPECT_TRUE(rate == 44100 || rate == 22050) << rate;
    EXPECT_EQ(16u, bits);
    ASSERT_GT(dataBytes, 0u);
    const double seconds = dataBytes / 2.0 / rate;
    EXPECT_GE(seconds, e.minSeconds);
    EXPECT_LE(seconds, e.maxSeconds);
    std::vector<std::int16_t> samples(dataBytes / 2);
    std::memcpy(samples.data(), b.data() + dataAt, samples.size() * 2);
    const Levels l = levelsOf(samples.data(), samples.size());
    EXPECT_EQ(0, l.fullScale);
    EXPECT_LE(l.peakDb, -0.9);
    EXPECT_GE(l.peakDb, -12.0);  // set by loudness: a dense sound peaks lower
    EXPECT_GT(l.rmsDb, -35.0);
    // Starts and stops without a click.
    EXPECT_LT(std::abs(samples.back()), 300);
  }
}

class MusicFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    initSound();
  }
  void SetUp() override {
    if (!soundAvailable()) GTEST_SKIP() << "SDL's dummy audio driver is not available";
  }
};

// Decoded by the mixer, each loop is exactly its length (the encoder's delay and padding are
// trimmed), loud but not clipped, and its last sample leads into its first like any other.
TEST_F(MusicFiles, LoopsDecodeWholeAndJoinWithoutASeam) {
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  ASSERT_EQ(1, Mix_QuerySpec(&frequency, &format, &channels));
  ASSERT_EQ(AUDIO_S16SYS, format);
  ASSERT_EQ(2, channels);
  const std::pair<const char*, double> loops[] = {{"menue.mp3", 64.0}, {"game1.mp3", 67.2}};
  for (const auto& [name, seconds] : loops) {
    SCOPED_TRACE(name);
    Mix_Chunk* chunk = Mix_LoadWAV((kAudioDir + name).c_str());
    ASSERT_NE(nullptr, chunk) << Mix_GetError();
    const auto* pcm = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    const std::size_t frames = chunk->alen / 4;
    EXPECT_NEAR(seconds * frequency, static_cast<double>(frames), 2.0);
    const Levels l = levelsOf(pcm, frames * 2);
    EXPECT_EQ(0, l.fullScale);
    EXPECT_LE(l.peakDb, -0.5);
    EXPECT_GE(l.peakDb, -4.0);
    EXPECT_GT(l.rmsDb, -30.0);
    for (int c = 0; c < 2; ++c) {
      std::vector<int> steps;
      for (std::size_t i = 1; i < frames; ++i) steps.push_back(std::abs(pcm[2 * i + c] - pcm[2 * i - 2 + c]));
      std::sort(steps.begin(), steps.end());
      const int usual = steps[steps.size() * 99 / 100];
      EXPECT_LE(std::abs(pcm[c] - pcm[2 * (frames - 1) + c]), usual) << "channel " << c;
    }
    Mix_FreeChunk(chunk);
  }
}

TEST_F(MusicFiles, TheGameLoadsEverySoundWithoutAMessage) {
  testing::internal::CaptureStderr();
  for (const char* name : {"menue.mp3", "game1.mp3"}) {
    Sound music(kAudioDir + name, 3, true, true);
    EXPECT_NE(nullptr, music.stream) << name;
  }
  for (const Effect& e : kEffects) {
    Sound effect(kAudioDir + e.file, 0, false, false);
    EXPECT_NE(nullptr, effect.sample) << e.file;
  }
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
}

}  // namespace
