// How the generated sounds sound, measured on data/audio: the effects of play stand within
// 6 dB of each other, the shots crack, the footsteps reach a small speaker, the siren and the
// music loops (as the mixer decodes them) keep their level across the loop, the game music
// is bright.
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
using Samples = std::vector<double>;

// The samples of the "data" chunk of a 16-bit mono PCM file.
Samples readWav(const std::string& name) {
  std::ifstream in(kAudioDir + name, std::ios::binary);
  const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::size_t at = b.find("data");
  Samples out;
  for (std::size_t i = at + 8; at != std::string::npos && i + 1 < b.size(); i += 2) {
    std::int16_t v = 0;
    std::memcpy(&v, b.data() + i, 2);
    out.push_back(v / 32768.0);
  }
  return out;
}

double rmsDb(const Samples& s, std::size_t from, std::size_t to) {
  double sum = 1e-20;
  for (std::size_t i = from; i < to; ++i) sum += s[i] * s[i];
  return 10.0 * std::log10(sum / static_cast<double>(to - from));
}

// The share of the energy that passes a one-pole high-pass at lo and then a one-pole low-pass
// at hi: a rough band (6 dB an octave beyond its edges), enough to tell a crack from a thump.
double bandShare(const Samples& s, double lo, double hi) {
  const double a = 1.0 - std::exp(-2.0 * M_PI * lo / 44100.0);
  const double b = 1.0 - std::exp(-2.0 * M_PI * hi / 44100.0);
  double low = 0.0, band = 0.0, all = 1e-20, passed = 0.0;
  for (const double x : s) {
    low += a * (x - low);
    band += b * ((x - low) - band);
    all += x * x;
    passed += band * band;
  }
  return passed / all;
}

// No silence at the start, and the last half second about as loud as the first (the
// existing seam test checks the samples at the join).
void expectLevelJoins(const Samples& s) {
  EXPECT_GT(rmsDb(s, 0, 441), -45.0) << "silent start";
  EXPECT_NEAR(rmsDb(s, 0, 22050), rmsDb(s, s.size() - 22050, s.size()), 8.0);
}

TEST(SoundLevels, EffectsStandTogetherShotsCrackStepsReachASmallSpeakerTheSirenLoops) {
  double quietest = 0.0, loudest = -200.0;
  for (const char* name : {"claps.wav", "shutdown.wav", "gunshot.wav", "click.wav",
                           "transfer_data.wav", "sorry.wav", "cry.wav", "footstep.wav",
                           "pistolshot.wav", "siren.wav"}) {
    const Samples s = readWav(name);
    ASSERT_GT(s.size(), 1000u) << name;
    quietest = std::min(quietest, rmsDb(s, 0, s.size()));
    loudest = std::max(loudest, rmsDb(s, 0, s.size()));
  }
  EXPECT_LE(loudest - quietest, 6.0);
  for (const char* shot : {"gunshot.wav", "pistolshot.wav"}) {
    EXPECT_GT(bandShare(readWav(shot), 1500.0, 6000.0), 0.2) << shot;
  }
  EXPECT_GT(bandShare(readWav("footstep.wav"), 300.0, 22050.0), 0.5);
  const Samples siren = readWav("siren.wav");
  expectLevelJoins(siren);
  double steepest = 0.0;  // the join is no steeper than the wail's own steepest step
  for (std::size_t i = 1; i < siren.size(); ++i) {
    steepest = std::max(steepest, std::fabs(siren[i] - siren[i - 1]));
  }
  EXPECT_LE(std::fabs(siren.front() - siren.back()), steepest) << "the siren clicks at its loop";
}

TEST(SoundLevels, MusicLoopsJoinTheirStartAndTheGameMusicIsBright) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  initSound();
  if (!soundAvailable()) GTEST_SKIP() << "SDL's dummy audio driver is not available";
  for (const char* name : {"menue.mp3", "game1.mp3"}) {
    Mix_Chunk* chunk = Mix_LoadWAV((kAudioDir + name).c_str());
    ASSERT_NE(nullptr, chunk) << name;
    Samples left;  // the mixer's stereo 16-bit frames, left channel
    const auto* pcm = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    for (std::size_t i = 0; i < chunk->alen / 4; ++i) left.push_back(pcm[2 * i] / 32768.0);
    Mix_FreeChunk(chunk);
    SCOPED_TRACE(name);
    expectLevelJoins(left);
    if (std::string(name) == "game1.mp3") {
      EXPECT_GT(bandShare(left, 1500.0, 22050.0), 0.09);
    }
  }
}

}  // namespace
