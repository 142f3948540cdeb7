// The game's sounds: ten effects as 16-bit mono WAV samples and the two music loops as MP3
// streams, all synthesised here.
#include <cstdio>
#include <functional>

#include "AssetFiles.h"
#include "AssetGen.h"
#include "AudioFiles.h"
#include "Music.h"
#include "SoundEffects.h"

bool writeAudioAssets(const std::string& dataDir) {
  using namespace assetgen;
  const std::string dir = dataDir + "/audio/";
  const std::pair<const char*, std::function<synth::Signal()>> effects[] = {
      {"claps.wav", effects::claps},
      {"shutdown.wav", effects::shutdown},
      {"gunshot.wav", effects::gunshot},
      {"click.wav", effects::click},
      {"transfer_data.wav", effects::transferData},
      {"sorry.wav", effects::sorry},
      {"cry.wav", effects::cry},
      {"footstep.wav", effects::footstep},
      {"pistolshot.wav", effects::pistolShot},
      {"siren.wav", effects::siren},
  };
  for (const auto& effect : effects) {
    if (!writeFileAtomically(dir + effect.first, encodeWav(effect.second(), synth::kSampleRate))) {
      return false;
    }
  }
  const std::pair<const char*, std::function<music::StereoLoop()>> loops[] = {
      {"menue.mp3", music::menuTheme},
      {"game1.mp3", music::sneakingLoop},
  };
  for (const auto& loop : loops) {
    const music::StereoLoop signal = loop.second();
    const std::string bytes = encodeMp3(signal.left, signal.right, 160);
    if (bytes.empty() || !writeFileAtomically(dir + loop.first, bytes)) {
      std::fprintf(stderr, "assetgen: cannot write %s%s\n", dir.c_str(), loop.first);
      return false;
    }
  }
  return true;
}
