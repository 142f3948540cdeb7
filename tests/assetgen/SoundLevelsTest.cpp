// How the generated sounds sound, measured on the files in data/audio: the effects of play
// stand at one loudness, the shots crack, the footsteps reach a small speaker, the siren and
// both music loops repeat without a seam, and the game music is not muffled.
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "audio/Sound.h"

namespace {

const std::string kAudioDir = VAULTRUN_SOURCE_DIR "/data/audio/";
constexpr double kRate = 44100.0;

using Samples = std::vector<double>;  // mono, in [-1, 1]

// The samples of a 16-bit mono PCM file (empty when it is not one).
Samples readWav(const std::string& name) {
  std::ifstream in(kAudioDir + name, std::ios::binary);
  const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Samples out;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    std::uint32_t size = 0;
    std::memcpy(&size, b.data() + at + 4, 4);
    if (b.compare(at, 4, "data") == 0 && at + 8 + size <= b.size()) {
      for (std::size_t i = 0; i + 1 < size; i += 2) {
        std::int16_t v = 0;
        std::memcpy(&v, b.data() + at + 8 + i, 2);
        out.push_back(v / 32768.0);
      }
    }
    at += 8 + size + (size & 1);
  }
  return out;
}

double rmsDb(const Samples& s, std::size_t from, std::size_t to) {
  double sum = 0.0;
  for (std::size_t i = from; i < to; ++i) sum += s[i] * s[i];
  return 10.0 * std::log10(std::max(sum / std::max<std::size_t>(1, to - from), 1e-20));
}

// Power spectrum (zero-padded to a power of two) by an iterative radix-2 FFT.
std::vector<double> powerSpectrum(const Samples& s, std::size_t& size) {
  size = 1;
  while (size < s.size()) size <<= 1;
  std::vector<std::complex<double>> a(size);
  for (std::size_t i = 0; i < s.size(); ++i) a[i] = s[i];
  for (std::size_t i = 1, j = 0; i < size; ++i) {
    std::size_t bit = size >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= size; len <<= 1) {
    const std::complex<double> step = std::polar(1.0, -2.0 * M_PI / static_cast<double>(len));
    for (std::size_t i = 0; i < size; i += len) {
      std::complex<double> w = 1.0;
      for (std::size_t k = 0; k < len / 2; ++k, w *= step) {
        const std::complex<double> u = a[i + k], v = a[i + k + len / 2] * w;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
      }
    }
  }
  std::vector<double> power(size / 2);
  for (std::size_t k = 0; k < size / 2; ++k) power[k] = std::norm(a[k]);
  return power;
}

// The share of the signal's energy between lo and hi Hz.
double bandShare(const Samples& s, double lo, double hi) {
  std::size_t size = 0;
  const std::vector<double> power = powerSpectrum(s, size);
  double total = 0.0, band = 0.0;
  for (std::size_t k = 1; k < power.size(); ++k) {
    const double f = k * kRate / static_cast<double>(size);
    total += power[k];
    if (f >= lo && f < hi) band += power[k];
  }
  return total > 0.0 ? band / total : 0.0;
}

// The last sample leads into the first no more steeply than 99 % of the steps inside.
void expectSeamless(const Samples& s) {
  std::vector<double> steps;
  for (std::size_t i = 1; i < s.size(); ++i) steps.push_back(std::fabs(s[i] - s[i - 1]));
  std::sort(steps.begin(), steps.end());
  EXPECT_LE(std::fabs(s.front() - s.back()), steps[steps.size() * 99 / 100]);
  // No gap of silence at the start, and the last half second runs at about the level of the
  // first: no fade at the end, no swell at the start.
  EXPECT_GT(rmsDb(s, 0, static_cast<std::size_t>(0.01 * kRate)), -45.0) << "silent start";
  const std::size_t edge = static_cast<std::size_t>(0.5 * kRate);
  EXPECT_NEAR(rmsDb(s, 0, edge), rmsDb(s, s.size() - edge, s.size()), 8.0);
}

TEST(SoundLevels, EffectsOfPlayStandWithinSixDecibelsOfEachOther) {
  std::map<std::string, double> levels;
  for (const char* name : {"claps.wav", "shutdown.wav", "gunshot.wav", "click.wav",
                           "transfer_data.wav", "sorry.wav", "cry.wav", "footstep.wav",
                           "pistolshot.wav", "siren.wav"}) {
    const Samples s = readWav(name);
    ASSERT_FALSE(s.empty()) << name;
    levels[name] = rmsDb(s, 0, s.size());
  }
  const auto [quietest, loudest] = std::minmax_element(
      levels.begin(), levels.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
  EXPECT_LE(loudest->second - quietest->second, 6.0)
      << quietest->first << " " << quietest->second << " dB, " << loudest->first << " "
      << loudest->second << " dB";
}

TEST(SoundLevels, ShotsCrackAndFootstepsReachASmallSpeaker) {
  for (const char* shot : {"gunshot.wav", "pistolshot.wav"}) {
    const Samples s = readWav(shot);
    EXPECT_GT(bandShare(s, 1500.0, 6000.0), 0.3) << shot;
    EXPECT_LT(bandShare(s, 0.0, 150.0), 0.3) << shot;
  }
  EXPECT_GT(bandShare(readWav("footstep.wav"), 300.0, 22050.0), 0.6);
}

TEST(SoundLevels, TheSirenWailsAndLoopsWithoutASeam) {
  const Samples s = readWav("siren.wav");
  ASSERT_GT(s.size(), static_cast<std::size_t>(2.0 * kRate));
  EXPECT_GT(bandShare(s, 400.0, 4000.0), 0.7);
  expectSeamless(s);
}

class MusicLoops : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    initSound();
  }
  void SetUp() override {
    if (!soundAvailable()) GTEST_SKIP() << "SDL's dummy audio driver is not available";
  }
  // The left channel of a stream as the mixer decodes it.
  static Samples decodeLeft(const char* name) {
    Samples out;
    Mix_Chunk* chunk = Mix_LoadWAV((kAudioDir + name).c_str());
    if (chunk == nullptr) return out;
    const auto* pcm = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    for (std::size_t i = 0; i < chunk->alen / 4; ++i) out.push_back(pcm[2 * i] / 32768.0);
    Mix_FreeChunk(chunk);
    return out;
  }
};

TEST_F(MusicLoops, BothLastAMinuteAndJoinTheirStartAndTheGameMusicIsBright) {
  for (const char* name : {"menue.mp3", "game1.mp3"}) {
    SCOPED_TRACE(name);
    const Samples s = decodeLeft(name);
    ASSERT_FALSE(s.empty());
    EXPECT_GE(s.size() / kRate, 60.0);
    expectSeamless(s);
  }
  EXPECT_GT(bandShare(decodeLeft("game1.mp3"), 1500.0, 22050.0), 0.08);
}

}  // namespace
