// Synthesis building blocks: filters, wave tables, plucked strings, reverb and level helpers.
#include "Synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace assetgen::synth {

int samples(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

double noteFrequency(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

double dbToGain(double db) { return std::pow(10.0, db / 20.0); }

double decay(double t, double tau) { return t < 0.0 ? 0.0 : std::exp(-t / tau); }

double smoothStep(double u) {
  const double c = std::clamp(u, 0.0, 1.0);
  return c * c * (3.0 - 2.0 * c);
}

namespace {

struct Coefficients {
  double b0, b1, b2, a0, a1, a2;
};

Coefficients cookbook(double frequency, double q) {
  const double w0 = 2.0 * kPi * std::clamp(frequency, 10.0, kSampleRate * 0.49) / kSampleRate;
  const double alpha = std::sin(w0) / (2.0 * q);
  return {0, 0, 0, 1.0 + alpha, -2.0 * std::cos(w0), 1.0 - alpha};
}

}  // namespace

Biquad Biquad::lowPass(double cutoff, double q) {
  Coefficients c = cookbook(cutoff, q);
  const double cosw = -c.a1 / 2.0;
  Biquad f;
  f.b0_ = (1.0 - cosw) / 2.0 / c.a0;
  f.b1_ = (1.0 - cosw) / c.a0;
  f.b2_ = f.b0_;
  f.a1_ = c.a1 / c.a0;
  f.a2_ = c.a2 / c.a0;
  return f;
}

Biquad Biquad::highPass(double cutoff, double q) {
  Coefficients c = cookbook(cutoff, q);
  const double cosw = -c.a1 / 2.0;
  Biquad f;
  f.b0_ = (1.0 + cosw) / 2.0 / c.a0;
  f.b1_ = -(1.0 + cosw) / c.a0;
  f.b2_ = f.b0_;
  f.a1_ = c.a1 / c.a0;
  f.a2_ = c.a2 / c.a0;
  return f;
}

Biquad Biquad::bandPass(double centre, double q) {
  Coefficients c = cookbook(centre, q);
  const double alpha = (c.a0 - 1.0);
  Biquad f;
  f.b0_ = alpha / c.a0;
  f.b1_ = 0.0;
  f.b2_ = -alpha / c.a0;
  f.a1_ = c.a1 / c.a0;
  f.a2_ = c.a2 / c.a0;
  return f;
}

float Biquad::run(float x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return static_cast<float>(y);
}

float Smoother::run(float x, double cutoff) {
  const double a = 1.0 - std::exp(-2.0 * kPi * cutoff / kSampleRate);
  y_ += a * (x - y_);
  return static_cast<float>(y_);
}

WaveTable::WaveTable(const std::vector<double>& amplitudes) : table_(4097, 0.0f) {
  const int size = 4096;
  for (int i = 0; i < size; ++i) {
    double v = 0.0;
    for (std::size_t k = 0; k < amplitudes.size(); ++k) {
      v += amplitudes[k] * std::sin(2.0 * kPi * static_cast<double>(k + 1) * i / size);
    }
    table_[i] = static_cast<float>(v);
  }
  float peak = 0.0f;
  for (int i = 0; i < size; ++i) peak = std::max(peak, std::fabs(table_[i]));
  if (peak > 0.0f)
    for (float& v : table_) v /= peak;
  table_[size] = table_[0];
}

WaveTable WaveTable::saw(int harmonics, double rolloff) {
  std::vector<double> a;
  for (int k = 1; k <= harmonics; ++k) a.push_back(1.0 / std::pow(k, rolloff));
  return WaveTable(a);
}

WaveTable WaveTable::square(int harmonics) {
  std::vector<double> a;
  for (int k = 1; k <= harmonics; ++k) a.push_back(k % 2 == 1 ? 1.0 / k : 0.0);
  return WaveTable(a);
}

float WaveTable::at(double phase) const {
  const double p = (phase - std::floor(phase)) * 4096.0;
  const int i = std::min(static_cast<int>(p), 4095);
  const float f = static_cast<float>(p - i);
  return table_[i] + (table_[i + 1] - table_[i]) * f;
}

Signal pluck(double frequency, double seconds, double damping, Noise& noise) {
  const int period = std::max(2, static_cast<int>(std::lround(kSampleRate / frequency)));
  std::vector<float> ring(static_cast<std::size_t>(period));
  // A softened noise burst: a pluck with a finger rather than a pick.
  float previous = 0.0f;
  for (float& v : ring) {
    previous = 0.5f * previous + 0.5f * noise.next();
    v = previous;
  }
  Signal out(static_cast<std::size_t>(samples(seconds)));
  int index = 0;
  for (float& o : out) {
    const int next = (index + 1) % period;
    o = ring[index];
    ring[index] = static_cast<float>(damping * 0.5 * (ring[index] + ring[next]));
    index = next;
  }
  return out;
}

namespace {

class Comb {
 public:
  explicit Comb(int length) : buffer_(static_cast<std::size_t>(length), 0.0f) {}
  float run(float x, float feedback, float damping) {
    const float y = buffer_[index_];
    filtered_ = y * (1.0f - damping) + filtered_ * damping;
    buffer_[index_] = x + filtered_ * feedback;
    index_ = (index_ + 1) % buffer_.size();
    return y;
  }

 private:
  std::vector<float> buffer_;
  std::size_t index_ = 0;
  float filtered_ = 0.0f;
};

class AllPass {
 public:
  explicit AllPass(int length) : buffer_(static_cast<std::size_t>(length), 0.0f) {}
  float run(float x) {
    const float delayed = buffer_[index_];
    const float y = -x + delayed;
    buffer_[index_] = x + delayed * 0.5f;
    index_ = (index_ + 1) % buffer_.size();
    return y;
  }

 private:
  std::vector<float> buffer_;
  std::size_t index_ = 0;
};

class Room {
 public:
  explicit Room(int spread)
      : combs_{Comb(1433 + spread), Comb(1601 + spread), Comb(1867 + spread), Comb(2053 + spread)},
        allPasses_{AllPass(347 + spread), AllPass(113 + spread)} {}
  float run(float x, float feedback, float damping) {
    float sum = 0.0f;
    for (Comb& c : combs_) sum += c.run(x * 0.25f, feedback, damping);
    for (AllPass& a : allPasses_) sum = a.run(sum);
    return sum;
  }

 private:
  std::array<Comb, 4> combs_;
  std::array<AllPass, 2> allPasses_;
};

}  // namespace

void reverbStereo(const Signal& left, const Signal& right, Signal& outLeft, Signal& outRight,
                  double roomSize, double damping, bool wrap) {
  Room l(0), r(23);
  const float feedback = static_cast<float>(roomSize);
  const float damp = static_cast<float>(damping);
  outLeft.assign(left.size(), 0.0f);
  outRight.assign(right.size(), 0.0f);
  // A looping signal runs through twice; the second pass, fed by the first pass's tail, is kept.
  for (int pass = wrap ? 0 : 1; pass < 2; ++pass) {
    for (std::size_t i = 0; i < left.size(); ++i) {
      const float a = l.run(left[i], feedback, damp);
      const float b = r.run(right[i], feedback, damp);
      if (pass == 1) {
        outLeft[i] = a;
        outRight[i] = b;
      }
    }
  }
}

Signal reverbMono(const Signal& in, double roomSize, double damping) {
  Room room(0);
  Signal out(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    out[i] = room.run(in[i], static_cast<float>(roomSize), static_cast<float>(damping));
  }
  return out;
}

void mixInto(Signal& target, const Signal& source, long offset, float gain, bool wrap) {
  if (!wrap && offset + static_cast<long>(source.size()) > static_cast<long>(target.size())) {
    target.resize(static_cast<std::size_t>(offset) + source.size(), 0.0f);
  }
  const long n = static_cast<long>(target.size());
  for (std::size_t i = 0; i < source.size(); ++i) {
    long at = offset + static_cast<long>(i);
    if (wrap) at = ((at % n) + n) % n;
    if (at < 0) continue;
    target[static_cast<std::size_t>(at)] += source[i] * gain;
  }
}

float peakOf(const Signal& s) {
  float peak = 0.0f;
  for (const float v : s) peak = std::max(peak, std::fabs(v));
  return peak;
}

double rmsOf(const Signal& s) {
  double sum = 0.0;
  for (const float v : s) sum += static_cast<double>(v) * v;
  return s.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(s.size()));
}

void normalise(Signal& s, double peakDb) {
  const float peak = peakOf(s);
  if (peak <= 0.0f) return;
  const float gain = static_cast<float>(dbToGain(peakDb) / peak);
  for (float& v : s) v *= gain;
}

void setLoudness(Signal& s, double rmsDb, double ceilingDb) {
  const double ceiling = dbToGain(ceilingDb);
  const double knee = 0.5 * ceiling;
  // Limiting lowers the RMS a little, so scale and limit again until it settles.
  for (int pass = 0; pass < 6; ++pass) {
    const double rms = rmsOf(s);
    if (rms <= 0.0) return;
    const double gain = dbToGain(rmsDb) / rms;
    for (float& v : s) {
      const double a = std::fabs(v * gain);
      const double limited =
          a <= knee ? a : knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee));
      v = static_cast<float>(std::copysign(limited, static_cast<double>(v)));
    }
  }
}

void normaliseStereo(Signal& left, Signal& right, double peakDb) {
  const float peak = std::max(peakOf(left), peakOf(right));
  if (peak <= 0.0f) return;
  const float gain = static_cast<float>(dbToGain(peakDb) / peak);
  for (float& v : left) v *= gain;
  for (float& v : right) v *= gain;
}

void fadeEdges(Signal& s, double inSeconds, double outSeconds) {
  const std::size_t in = std::min(s.size(), static_cast<std::size_t>(samples(inSeconds)));
  const std::size_t out = std::min(s.size(), static_cast<std::size_t>(samples(outSeconds)));
  for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / in;
  for (std::size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / out;
}

}  // namespace assetgen::synth
