// Encoders for the generated sounds: 16-bit PCM WAV files for the effects and MP3 streams
// (through LAME) for the music.
#pragma once

#include <string>

#include "Synth.h"

namespace assetgen {

// A mono 16-bit PCM WAV file of the signal at the given rate; samples beyond [-1, 1] are clamped.
std::string encodeWav(const synth::Signal& mono, int sampleRate);

// A stereo MP3 stream (44100 Hz, constant bit rate) led by an Info frame that records the
// encoder's delay and padding, so that decoders which honour it play the loop without a gap.
// Returns an empty string and prints the reason on failure.
std::string encodeMp3(const synth::Signal& left, const synth::Signal& right, int kbps);

}  // namespace assetgen
