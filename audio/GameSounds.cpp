// The twelve sound globals and their files.
#include "audio/GameSounds.h"

#include "game/Cues.h"

Sound* menuMusic = nullptr;
Sound* gameMusic = nullptr;
Sound* clapsSound = nullptr;
Sound* shutdownSound = nullptr;
Sound* gunshotSound = nullptr;
Sound* clickSound = nullptr;
Sound* transferSound = nullptr;
Sound* sorrySound = nullptr;
Sound* crySound = nullptr;
Sound* footstepSound = nullptr;
Sound* pistolShotSound = nullptr;
Sound* sirenSound = nullptr;

namespace {

struct SoundEntry {
  Sound** global;
  const char* fileName;
  std::int32_t channel;
  bool isStream;
  bool loop;
};

// In creation order.
const SoundEntry soundTable[] = {
    {&menuMusic, "data/audio/menue.mp3", 3, true, true},
    {&gameMusic, "data/audio/game1.mp3", 3, true, true},
    {&clapsSound, "data/audio/claps.wav", 0, false, false},
    {&shutdownSound, "data/audio/shutdown.wav", 1, false, false},
    {&gunshotSound, "data/audio/gunshot.wav", 0, false, false},
    {&clickSound, "data/audio/click.wav", 1, false, false},
    {&transferSound, "data/audio/transfer_data.wav", 1, false, false},
    {&sorrySound, "data/audio/sorry.wav", 2, false, false},
    {&crySound, "data/audio/cry.wav", 2, false, false},
    {&footstepSound, "data/audio/footstep.wav", 4, false, false},
    {&pistolShotSound, "data/audio/pistolshot.wav", 5, false, false},
    {&sirenSound, "data/audio/siren.wav", 6, false, true},
};

// The game's cues, each the sound of its name.
Sound* soundOf(Cue cue) {
  switch (cue) {
    case Cue::MenuMusic: return menuMusic;
    case Cue::GameMusic: return gameMusic;
    case Cue::MenuMoved: return clapsSound;
    case Cue::Gunshot: return gunshotSound;
    case Cue::Taken: return clickSound;
    case Cue::BagEmptied: return transferSound;
    case Cue::BagFull: return sorrySound;
    case Cue::GuardHit: return crySound;
    case Cue::Footsteps: return footstepSound;
    case Cue::GuardFires: return pistolShotSound;
  }
  return nullptr;
}

class SoundCues : public CuePlayer {
 public:
  void play(Cue cue) override {
    if (Sound* sound = soundOf(cue)) sound->play();
  }
  void stop(Cue cue) override {
    if (Sound* sound = soundOf(cue)) sound->stop();
  }
  bool playing(Cue cue) const override {
    const Sound* sound = soundOf(cue);
    return sound != nullptr && sound->isPlaying();
  }
  void dimMusic(bool dimmed) override { ::dimMusic(dimmed); }
};

SoundCues soundCues;

}  // namespace

void createSounds() {
  for (const SoundEntry& entry : soundTable) {
    releaseSound(*entry.global);
    *entry.global = new Sound(entry.fileName, entry.channel, entry.isStream, entry.loop);
  }
  playCuesWithGameSounds();
}

void playCuesWithGameSounds() {
  setCuePlayer(&soundCues);
}

void releaseSound(Sound*& sound) {
  delete sound;
  sound = nullptr;
}
