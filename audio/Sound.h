// Sound: one sample or music stream bound to a fixed mixer channel, over SDL2_mixer.
// Also a log of what the game asked the sound layer to do, for tests and the replay driver.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// Opens the mixer at 44100 Hz with 64 channels. Call once before any Sound is made. Without an
// audio device the game runs silent: one warning line on standard error, every Sound silent.
void initSound();

// True once initSound() has opened the mixer.
bool soundAvailable();

class Sound {
 public:
  // Loads a sample (isStream false) or opens a music stream. A file that cannot be loaded,
  // or no audio device, leaves the sound silent without a message.
  Sound(const std::string& fileName, std::int32_t channel, bool isStream, bool loop);
  ~Sound();
  Sound(const Sound&) = delete;
  Sound& operator=(const Sound&) = delete;

  // Sets the channel's volume, then starts the sound on its channel (from its start),
  // replacing what played there. A stream also replaces any other music.
  void play();
  // A sample stops its channel; a stream stops only if it is the music playing.
  void stop();
  // True while something plays on this sound's channel, music included.
  bool isPlaying() const;

  std::int32_t channel;
  std::int32_t volume;      // 0..255, always 255
  Mix_Music* stream;        // set for a loaded stream
  Mix_Chunk* sample;        // set for a loaded sample
  bool isStream;
  bool loop;                // loops until stopped
  std::string fileName;
};

// Halves the music's volume (true) or gives it back (false), for what plays now and what
// starts later.
void dimMusic(bool dimmed);
// The mixer's music volume, 0..128 (-1 without an audio device).
int musicVolume();
// The player's music and effects volumes in percent (0..100, default 100): every sample plays
// at its volume times the effects' share, the music at its volume times the music's share.
void setPlayerVolumes(int musicPercent, int effectsPercent);
// The mixer's volume of a channel, 0..128 (-1 without an audio device or for no channel).
int channelVolume(std::int32_t channel);

// The sound log: while recording, every play() and stop() call is appended, audible or not.
enum class SoundAction { play, stop };

struct SoundRecord {
  SoundAction action;
  const Sound* sound;    // may be dangling once the sound is deleted: compare, never follow
  std::string fileName;
  std::int32_t channel;
};

// Starts recording with an empty log.
void startSoundRecording();
// Stops recording; the log stays readable until the next start or clear.
void stopSoundRecording();
void clearRecordedSounds();
const std::vector<SoundRecord>& recordedSounds();
// The sounds played since recording started, in order (stops left out).
std::vector<const Sound*> playedSounds();
