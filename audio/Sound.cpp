// Sound over SDL2_mixer: samples are chunks on fixed channels, streams are the mixer's one
// music, which counts as playing on the channel of the stream that started it.
#include "audio/Sound.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <unistd.h>

#include <cstdio>

#include "platform/RegularFile.h"

namespace {

constexpr int mixRate = 44100;
constexpr int mixChannels = 64;
constexpr int outputChannels = 2;
constexpr int chunkBytes = 2048;

// Set by initSound(), for the whole run.
bool mixerOpen = false;
bool silenceAnnounced = false;

// The music the mixer plays now and the channel of the Sound that started it; changed by
// every stream's play, stop and destructor, and by a sample played on that channel.
Mix_Music* musicPlaying = nullptr;
std::int32_t musicChannel = -1;

// Set while the game is paused: the music goes on at half its volume.
bool musicDimmed = false;

// The player's volumes in percent, set once at start-up from the settings file's options.
int musicPercent = 100;
int effectsPercent = 100;

bool recording = false;
std::vector<SoundRecord> soundLog;

void announceSilence(const char* why) {
  if (silenceAnnounced) {
    return;
  }
  silenceAnnounced = true;
  std::fprintf(stderr, "Warning: no audio device (%s); the game runs without sound.\n", why);
  std::fflush(stderr);
}

void record(SoundAction action, const Sound& sound) {
  if (recording) {
    soundLog.push_back(SoundRecord{action, &sound, sound.fileName, sound.channel});
  }
}

// 0..255 to the mixer's 0..MIX_MAX_VOLUME.
int mixerVolume(std::int32_t volume) {
  const std::int32_t v = volume < 0 ? 0 : (volume > 255 ? 255 : volume);
  return v * MIX_MAX_VOLUME / 255;
}

// A sound's 0..255 volume on the mixer's scale, the player's volume applied: effects for
// samples, music (halved while paused) for streams.
int effectVolume(std::int32_t volume) {
  return mixerVolume(volume) * effectsPercent / 100;
}
int musicMixerVolume(std::int32_t volume) {
  return mixerVolume(volume) * musicPercent / 100 / (musicDimmed ? 2 : 1);
}

// Only the mixer's own channels: -1 would mean "any" or "all" to it, and others lie outside.
bool mixerChannel(std::int32_t channel) {
  return channel >= 0 && channel < mixChannels;
}

void haltMusic() {
  Mix_HaltMusic();
  musicPlaying = nullptr;
  musicChannel = -1;
}

}  // namespace

void initSound() {
  if (mixerOpen) {
    return;
  }
  // SDL would otherwise take SIGINT and SIGTERM for a quit event that the game never reads,
  // and Ctrl+C or kill would no longer stop it.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The sound server's mixer lists the game's stream under its own name, not "SDL Application".
  SDL_SetHint(SDL_HINT_APP_NAME, "Vaultrun");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Vaultrun");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    announceSilence(SDL_GetError());
    return;
  }
  if (Mix_OpenAudio(mixRate, MIX_DEFAULT_FORMAT, outputChannels, chunkBytes) != 0) {
    announceSilence(Mix_GetError());
    return;
  }
  // The music is MP3; without the decoder the streams stay silent like missing files.
  Mix_Init(MIX_INIT_MP3);
  Mix_AllocateChannels(mixChannels);
  mixerOpen = true;
}

bool soundAvailable() {
  return mixerOpen;
}

Sound::Sound(const std::string& fileName_, std::int32_t channel_, bool isStream_, bool loop_)
    : channel(channel_),
      volume(255),
      stream(nullptr),
      sample(nullptr),
      isStream(isStream_),
      loop(loop_),
      fileName(fileName_) {
  if (!mixerOpen) {
    return;
  }
  // Opened here without blocking, so that a FIFO in a sound's place cannot stop the start-up;
  // the mixer then reads from the open file (and closes it with the sound).
  std::string problem;
  const int fd = platform::openRegularFile(fileName, problem);
  if (fd < 0) {
    if (problem != "does not exist") {
      std::fprintf(stderr, "Warning: %s %s; that sound stays silent.\n", fileName.c_str(),
                   problem.c_str());
    }
    return;
  }
  std::FILE* const file = fdopen(fd, "rb");
  SDL_RWops* const source = file != nullptr ? SDL_RWFromFP(file, SDL_TRUE) : nullptr;
  if (source == nullptr) {
    if (file != nullptr) std::fclose(file); else close(fd);
    return;
  }
  if (isStream) {
    stream = Mix_LoadMUS_RW(source, 1);
  } else {
    sample = Mix_LoadWAV_RW(source, 1);
  }
}

Sound::~Sound() {
  if (sample != nullptr) {
    Mix_FreeChunk(sample);  // halts every channel that still plays it
  }
  if (stream != nullptr) {
    if (musicPlaying == stream) {
      haltMusic();
    }
    Mix_FreeMusic(stream);
  }
}

void Sound::play() {
  record(SoundAction::play, *this);
  if (!mixerOpen || !mixerChannel(channel)) {
    return;
  }
  Mix_Volume(channel, effectVolume(volume));
  if (sample != nullptr) {
    if (channel == musicChannel) {
      haltMusic();
    }
    Mix_PlayChannel(channel, sample, loop ? -1 : 0);
  } else if (stream != nullptr) {
    Mix_HaltChannel(channel);
    Mix_VolumeMusic(musicMixerVolume(volume));
    if (Mix_PlayMusic(stream, loop ? -1 : 1) == 0) {
      musicPlaying = stream;
      musicChannel = channel;
    } else {
      musicPlaying = nullptr;
      musicChannel = -1;
    }
  }
}

void Sound::stop() {
  record(SoundAction::stop, *this);
  if (!mixerOpen || !mixerChannel(channel)) {
    return;
  }
  if (sample != nullptr) {
    Mix_HaltChannel(channel);
  } else if (stream != nullptr && musicPlaying == stream) {
    haltMusic();
  }
}

bool Sound::isPlaying() const {
  if (!mixerOpen || !mixerChannel(channel)) {
    return false;
  }
  if (Mix_Playing(channel) != 0) {
    return true;
  }
  return channel == musicChannel && Mix_PlayingMusic() != 0;
}

void dimMusic(bool dimmed) {
  musicDimmed = dimmed;
  if (mixerOpen) {
    Mix_VolumeMusic(musicMixerVolume(255));
  }
}

int musicVolume() {
  return mixerOpen ? Mix_VolumeMusic(-1) : -1;
}

void setPlayerVolumes(int musicPercentage, int effectsPercentage) {
  const auto clampPercent = [](int p) { return p < 0 ? 0 : (p > 100 ? 100 : p); };
  musicPercent = clampPercent(musicPercentage);
  effectsPercent = clampPercent(effectsPercentage);
  if (mixerOpen) {
    Mix_VolumeMusic(musicMixerVolume(255));
  }
}

int channelVolume(std::int32_t channel) {
  return mixerOpen && mixerChannel(channel) ? Mix_Volume(channel, -1) : -1;
}

void startSoundRecording() {
  soundLog.clear();
  recording = true;
}

void stopSoundRecording() {
  recording = false;
}

void clearRecordedSounds() {
  soundLog.clear();
}

const std::vector<SoundRecord>& recordedSounds() {
  return soundLog;
}

std::vector<const Sound*> playedSounds() {
  std::vector<const Sound*> played;
  for (const SoundRecord& r : soundLog) {
    if (r.action == SoundAction::play) {
      played.push_back(r.sound);
    }
  }
  return played;
}
