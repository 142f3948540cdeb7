// The generated sounds in data/audio (made by the build before the tests run): the effects are
// 16-bit mono PCM of the right length, loud but never clipped; the siren and the music loops
// (as the mixer decodes them, the encoder's delay and padding trimmed) run from their end
// straight back into their start; and the game's Sound loads every one of them without a
// message.
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "audio/Sound.h"
#include "support/Process.h"

namespace {

const std::string kAudioDir = VAULTRUN_SOURCE_DIR "/data/audio/";
using Samples = std::vector<double>;  // full scale is 1

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
  return v;
}

Samples fromPcm(const std::int16_t* pcm, std::size_t count, std::size_t stride = 1) {
  Samples s;
  for (std::size_t i = 0; i < count; i += stride) s.push_back(pcm[i] / 32768.0);
  return s;
}

// A WAV file walked chunk by chunk: it must be 16-bit mono PCM; its samples.
Samples readWav(const std::string& name, double* seconds = nullptr) {
  const std::string b = testsupport::readFile(kAudioDir + name);
  EXPECT_TRUE(b.size() >= 44 && b.substr(0, 4) == "RIFF" && b.substr(8, 4) == "WAVE") << name;
  EXPECT_EQ(b.size() - 8, le(b, 4, 4)) << name;
  std::size_t at = 12;
  std::uint32_t rate = 1;
  Samples samples;
  while (at + 8 <= b.size()) {
    const std::string id = b.substr(at, 4);
    const std::uint32_t size = le(b, at + 4, 4);
    if (at + 8 + size > b.size()) ADD_FAILURE() << name << ": the " << id << " chunk runs past the end";
    if (at + 8 + size > b.size()) break;
    if (id == "fmt ") {
      EXPECT_EQ(le(b, at + 8, 2), 1u) << name;   // PCM
      EXPECT_EQ(le(b, at + 10, 2), 1u) << name;  // mono
      EXPECT_EQ(le(b, at + 22, 2), 16u) << name;
      rate = le(b, at + 12, 4);
      EXPECT_TRUE(rate == 44100 || rate == 22050) << name << " " << rate;
    } else if (id == "data") {
      std::vector<std::int16_t> pcm(size / 2);
      std::memcpy(pcm.data(), b.data() + at + 8, pcm.size() * 2);
      samples = fromPcm(pcm.data(), pcm.size());
    }
    at += 8 + size + (size & 1);
  }
  if (seconds != nullptr) *seconds = samples.size() / static_cast<double>(rate);
  return samples;
}

double rmsDb(const Samples& s, std::size_t from, std::size_t to) {
  double sum = 1e-20;
  for (std::size_t i = from; i < to; ++i) sum += s[i] * s[i];
  return 10.0 * std::log10(sum / static_cast<double>(to - from));
}

// Peak and RMS within their bounds (dB), and no sample at the 16-bit limits.
void expectLevels(const Samples& s, double peakLo, double peakHi, double rmsLo) {
  double peak = 0.0;
  for (const double v : s) peak = std::max(peak, std::fabs(v));
  EXPECT_LT(peak, 32767 / 32768.0);
  EXPECT_LE(20.0 * std::log10(peak), peakHi);
  EXPECT_GE(20.0 * std::log10(peak), peakLo);  // set by loudness: a dense sound peaks lower
  EXPECT_GT(rmsDb(s, 0, s.size()), rmsLo);
}

// A loop: the step from its last sample to its first no steeper than the given share of its
// own steps.
void expectLoopJoins(const Samples& s, double share) {
  std::vector<double> steps;
  for (std::size_t i = 1; i < s.size(); ++i) steps.push_back(std::fabs(s[i] - s[i - 1]));
  const auto nth = steps.begin() + static_cast<std::ptrdiff_t>((steps.size() - 1) * share);
  std::nth_element(steps.begin(), nth, steps.end());
  EXPECT_LE(std::fabs(s.front() - s.back()), *nth) << "a click at the loop";
}

struct Effect {
  const char* file;
  double minSeconds, maxSeconds;
};

const Effect kEffects[] = {
    {"claps.wav", 0.1, 0.6},         {"shutdown.wav", 1.4, 2.0}, {"gunshot.wav", 0.3, 1.5},
    {"click.wav", 0.03, 0.3},        {"transfer_data.wav", 0.8, 2.5},
    {"sorry.wav", 0.2, 1.0},         {"cry.wav", 0.3, 1.2},      {"footstep.wav", 0.4, 0.6},
    {"pistolshot.wav", 0.3, 1.8},
};

TEST(AudioFiles, EffectsAreMonoPcmOfTheirLengthLoudButNeverClipped) {
  for (const Effect& e : kEffects) {
    SCOPED_TRACE(e.file);
    double seconds = 0.0;
    const Samples s = readWav(e.file, &seconds);
    ASSERT_GT(s.size(), 1000u);
    EXPECT_GE(seconds, e.minSeconds);
    EXPECT_LE(seconds, e.maxSeconds);
    expectLevels(s, -12.0, -0.9, -35.0);
    EXPECT_LT(std::fabs(s.back()), 300 / 32768.0);  // stops without a click
  }
  expectLoopJoins(readWav("siren.wav"), 1.0);
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

TEST_F(MusicFiles, LoopsDecodeWholeLoudAndJoinWithoutASeam) {
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
    expectLevels(fromPcm(pcm, frames * 2), -4.0, -0.5, -30.0);
    for (int c = 0; c < 2; ++c) expectLoopJoins(fromPcm(pcm + c, frames * 2 - c, 2), 0.99);
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
