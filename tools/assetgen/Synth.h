// Sound synthesis building blocks for the generated effects and music: filters, noise, simple
// oscillators, a plucked string, a room reverb and level helpers. Signals are float samples in
// [-1, 1] at kSampleRate.
#pragma once

#include <cstdint>
#include <vector>

#include "AssetFiles.h"

namespace assetgen::synth {

constexpr int kSampleRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Signal = std::vector<float>;

int samples(double seconds);
double noteFrequency(int midiNote);  // 69 is A 440 Hz
double dbToGain(double db);

// Second-order filter (the usual audio cookbook forms), direct form I.
class Biquad {
 public:
  static Biquad lowPass(double cutoff, double q);
  static Biquad highPass(double cutoff, double q);
  static Biquad bandPass(double centre, double q);  // 0 dB at the centre
  float run(float x);

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One-pole low-pass, cheap enough to retune every sample.
class Smoother {
 public:
  float run(float x, double cutoff);

 private:
  double y_ = 0;
};

// White noise from the deterministic generator.
class Noise {
 public:
  explicit Noise(std::uint64_t seed) : random_(seed) {}
  float next() { return static_cast<float>(random_.range(-1.0, 1.0)); }
  double uniform(double lo, double hi) { return random_.range(lo, hi); }

 private:
  Random random_;
};

// A single-cycle wave of summed harmonics, read with linear interpolation. Keep the
// fundamental low enough that the top harmonic stays under half the sample rate.
class WaveTable {
 public:
  // amplitudes[k] is harmonic k + 1's; phases are sines.
  explicit WaveTable(const std::vector<double>& amplitudes);
  static WaveTable saw(int harmonics, double rolloff);  // 1 / k^rolloff
  static WaveTable square(int harmonics);               // odd harmonics, 1 / k
  float at(double phase) const;                         // phase in cycles, any value

 private:
  std::vector<float> table_;
};

// Karplus-Strong plucked string; damping in (0, 1], lower is duller.
Signal pluck(double frequency, double seconds, double damping, Noise& noise);

// Schroeder-style room: four combs into two all-passes per channel, run as a loop so that
// the tail of the end rings on into the start (pass wrap = true for looping music).
void reverbStereo(const Signal& left, const Signal& right, Signal& outLeft, Signal& outRight,
                  double roomSize, double damping, bool wrap);
Signal reverbMono(const Signal& in, double roomSize, double damping);

// Mixes source into target from offset on, scaled by gain; wraps around the target's end when
// wrap is set, otherwise grows the target.
void mixInto(Signal& target, const Signal& source, long offset, float gain, bool wrap = false);

float peakOf(const Signal& s);
double rmsOf(const Signal& s);
// Scales to the given peak in dB below full scale.
void normalise(Signal& s, double peakDb);
void normaliseStereo(Signal& left, Signal& right, double peakDb);
// Sets the signal's RMS over its whole length to rmsDb below full scale; peaks that this would
// push above ceilingDb are rounded off by a soft limiter, so short sharp sounds stand as loud
// as long even ones without clipping.
void setLoudness(Signal& s, double rmsDb, double ceilingDb);
// Short linear fades at both ends, so a sample starts and stops without a click.
void fadeEdges(Signal& s, double inSeconds, double outSeconds);

// Exponential decay envelope value after t seconds with time constant tau; 0 before t = 0.
double decay(double t, double tau);
// 0 to 1 with zero slope at both ends, for u in [0, 1].
double smoothStep(double u);

}  // namespace assetgen::synth
