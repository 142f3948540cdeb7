// The sound effects: each built from noise bursts, swept tones or a voiced source, shaped by
// envelopes and filters, then set to its level.
#include "SoundEffects.h"

#include <algorithm>
#include <cmath>

namespace assetgen::effects {

using namespace synth;

namespace {

double timeOf(std::size_t i) { return static_cast<double>(i) / kSampleRate; }

// Every effect of play stands at the same loudness (RMS over its whole length), so a shot is
// as loud as a click or a transfer; the limiter keeps the sharpest peaks under the ceiling.
constexpr double kEffectRmsDb = -16.0;
constexpr double kEffectCeilingDb = -1.0;

void setEffectLevel(Signal& s) { setLoudness(s, kEffectRmsDb, kEffectCeilingDb); }

// Adds a room to a dry signal: wet share mix, room size (comb feedback) and damping.
void addRoom(Signal& s, double mix, double roomSize, double damping) {
  const Signal wet = reverbMono(s, roomSize, damping);
  for (std::size_t i = 0; i < s.size(); ++i) s[i] += static_cast<float>(mix) * wet[i];
}

// The common core of both shots: a crack of band-limited noise (the part a small speaker
// plays: most of it between 1.5 and 6 kHz), a body of filtered noise and a short falling thump.
struct ShotShape {
  double crackTau, crackFrequency, crackGain;
  double bodyTau, bodyCutoff;
  double thumpTau, thumpLow, thumpHigh;
  double tailTau, tailCutoff, tailGain;
};

Signal shot(const ShotShape& shape, double seconds, std::uint64_t seed) {
  Noise noise(seed);
  Biquad crack = Biquad::bandPass(shape.crackFrequency, 0.8);
  Biquad crackEdge = Biquad::highPass(1400.0, 0.7);
  Biquad body = Biquad::lowPass(shape.bodyCutoff, 0.7);
  Biquad tail = Biquad::lowPass(shape.tailCutoff, 0.6);
  // Below 150 Hz the body and the tail only boom; the thump alone gives the weight.
  Biquad bodyFloor = Biquad::highPass(150.0, 0.7);
  Biquad tailFloor = Biquad::highPass(150.0, 0.7);
  Signal s(static_cast<std::size_t>(samples(seconds)));
  double phase = 0.0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const float n = noise.next();
    const double attack = std::min(1.0, t / 0.0005);
    const double f = shape.thumpLow + shape.thumpHigh * decay(t, shape.thumpTau * 0.5);
    phase += 2.0 * kPi * f / kSampleRate;
    const double v = shape.crackGain * crackEdge.run(crack.run(n)) * decay(t, shape.crackTau) +
                     0.5 * bodyFloor.run(body.run(n)) * decay(t, shape.bodyTau) +
                     0.2 * std::sin(phase) * decay(t, shape.thumpTau) +
                     shape.tailGain * tailFloor.run(tail.run(n)) * decay(t, shape.tailTau);
    s[i] = static_cast<float>(attack * v);
  }
  return s;
}

// Magnitude of a formant envelope at frequency f: resonances of the given centres, bandwidths
// and strengths.
double formantGain(double f, const double* centres, const double* widths, const double* gains) {
  double g = 0.0;
  for (int i = 0; i < 4; ++i) {
    const double x = (f - centres[i]) / (widths[i] * 0.5);
    g += gains[i] / std::sqrt(1.0 + x * x);
  }
  return g;
}

}  // namespace

Signal claps() {
  Noise noise(0xC1A9);
  Biquad band = Biquad::bandPass(1150.0, 0.9);
  Biquad low = Biquad::highPass(300.0, 0.7);
  const double bursts[] = {0.0, 0.009, 0.019, 0.031};
  const double strengths[] = {0.6, 0.75, 0.9, 1.0};
  Signal s(static_cast<std::size_t>(samples(0.32)));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    double envelope = 0.45 * decay(t - 0.031, 0.055);
    for (int b = 0; b < 4; ++b) envelope += strengths[b] * decay(t - bursts[b], 0.0035);
    s[i] = low.run(band.run(static_cast<float>(noise.next() * envelope)));
  }
  addRoom(s, 0.15, 0.5, 0.4);
  fadeEdges(s, 0.0, 0.02);
  setEffectLevel(s);
  return s;
}

Signal shutdown() {
  const WaveTable saw = WaveTable::saw(18, 1.3);
  Smoother tone;
  const double length = 1.8;
  Signal s(static_cast<std::size_t>(samples(length)));
  double phase = 0.0, detuned = 0.0, sub = 0.0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double f = 700.0 * std::pow(2.0, -t * 2.3) * (1.0 + 0.01 * std::sin(2.0 * kPi * 5.0 * t));
    phase += f / kSampleRate;
    detuned += f * 1.006 / kSampleRate;
    sub += 0.5 * f / kSampleRate;
    const double raw = 0.5 * saw.at(phase) + 0.5 * saw.at(detuned) + 0.6 * std::sin(2.0 * kPi * sub);
    const double cutoff = 200.0 + 4000.0 * std::pow(2.0, -t * 2.0);
    const double envelope = std::min(1.0, t / 0.015) * std::pow(1.0 - t / length, 1.2);
    s[i] = static_cast<float>(envelope * tone.run(static_cast<float>(raw), cutoff));
  }
  setEffectLevel(s);
  return s;
}

Signal gunshot() {
  Signal s = shot({0.018, 3200.0, 3.0, 0.04, 3000.0, 0.045, 70.0, 150.0, 0.2, 1200.0, 0.2}, 0.6,
                  0x6075);
  addRoom(s, 0.2, 0.6, 0.3);
  fadeEdges(s, 0.0, 0.05);
  setEffectLevel(s);
  return s;
}

Signal pistolShot() {
  const Signal dry =
      shot({0.022, 2400.0, 3.0, 0.07, 1800.0, 0.07, 60.0, 110.0, 0.3, 900.0, 0.25}, 1.1, 0x9157);
  Signal s = dry;
  // The corridor answers: duller copies of the shot from the far walls.
  const double delays[] = {0.11, 0.23, 0.37};
  const float gains[] = {0.45f, 0.25f, 0.12f};
  for (int e = 0; e < 3; ++e) {
    Biquad dull = Biquad::lowPass(3500.0 - 700.0 * e, 0.7);
    Signal echo(dry.size());
    for (std::size_t i = 0; i < dry.size(); ++i) echo[i] = dull.run(dry[i]);
    echo.resize(dry.size() - static_cast<std::size_t>(samples(delays[e])));
    mixInto(s, echo, samples(delays[e]), gains[e]);
  }
  addRoom(s, 0.35, 0.84, 0.45);
  fadeEdges(s, 0.0, 0.15);
  setEffectLevel(s);
  return s;
}

Signal click() {
  Noise noise(0xC11C);
  Biquad hiss = Biquad::bandPass(5000.0, 1.0);
  Signal s(static_cast<std::size_t>(samples(0.09)));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double t2 = t - 0.028;
    double v = std::sin(2.0 * kPi * 2600.0 * t) * decay(t, 0.004) +
               hiss.run(noise.next()) * decay(t, 0.002) +
               0.3 * std::sin(2.0 * kPi * 900.0 * t) * decay(t, 0.012);
    if (t2 >= 0.0) v += 0.7 * std::sin(2.0 * kPi * 3900.0 * t2) * decay(t2, 0.003);
    s[i] = static_cast<float>(v);
  }
  fadeEdges(s, 0.0, 0.005);
  setEffectLevel(s);
  return s;
}

Signal transferData() {
  Noise choice(0xDA7A);
  const double sweepEnd = 1.4;
  const double segment = 0.028;
  Signal s(static_cast<std::size_t>(samples(1.65)));
  double phase = 0.0, sweep = 0.0;
  double ratio = 1.0;
  long segmentIndex = -1;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    double v = 0.0;
    if (t < sweepEnd) {
      const double f = 320.0 * std::pow(2.0, t * 2.3 / sweepEnd);
      const long k = static_cast<long>(t / segment);
      if (k != segmentIndex) {  // a new data symbol: one of three tones over the sweep
        segmentIndex = k;
        const double pick = choice.uniform(0.0, 3.0);
        ratio = pick < 1.0 ? 1.0 : (pick < 2.0 ? 1.5 : 2.0);
      }
      const double inSegment = t - k * segment;
      const double gate = std::min({1.0, inSegment / 0.002, (segment - inSegment) / 0.002});
      phase += f * ratio / kSampleRate;
      sweep += 0.5 * f / kSampleRate;
      const double rise = 0.55 + 0.45 * t / sweepEnd;
      const double fades = std::min({1.0, t / 0.05, (sweepEnd - t) / 0.04});
      v = fades * rise *
          (gate * (std::sin(2.0 * kPi * phase) + 0.3 * std::sin(6.0 * kPi * phase)) * 0.7 +
           0.3 * std::sin(2.0 * kPi * sweep));
    }
    // Done: two short confirming beeps.
    const double beeps[][2] = {{1.42, 1318.5}, {1.50, 1760.0}};
    for (const auto& b : beeps) {
      const double tb = t - b[0];
      if (tb >= 0.0 && tb < 0.07) {
        const double gate = std::min({1.0, tb / 0.003, (0.07 - tb) / 0.01});
        v += 0.8 * gate * std::sin(2.0 * kPi * b[1] * tb);
      }
    }
    s[i] = static_cast<float>(v);
  }
  fadeEdges(s, 0.0, 0.01);
  setEffectLevel(s);
  return s;
}

Signal sorry() {
  const WaveTable buzz = WaveTable::saw(25, 1.0);
  Biquad tone = Biquad::lowPass(2200.0, 0.7);
  const double notes[][3] = {{0.0, 0.17, 233.08}, {0.22, 0.46, 174.61}};
  Signal s(static_cast<std::size_t>(samples(0.5)));
  double a = 0.0, b = 0.0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    double v = 0.0;
    for (const auto& n : notes) {
      if (t >= n[0] && t < n[1]) {
        const double gate = std::min({1.0, (t - n[0]) / 0.004, (n[1] - t) / 0.015});
        a += n[2] * 0.994 / kSampleRate;
        b += n[2] * 1.006 / kSampleRate;
        v = gate * 0.5 * (buzz.at(a) + buzz.at(b));
      }
    }
    s[i] = tone.run(static_cast<float>(v));
  }
  fadeEdges(s, 0.0, 0.01);
  setEffectLevel(s);
  return s;
}

Signal cry() {
  Noise noise(0xC4E1);
  Biquad breath = Biquad::bandPass(1300.0, 1.5);
  const double length = 0.75;
  // Vowel formants: an open "ah" closing towards "oh" as the cry dies.
  const double open[4] = {800.0, 1250.0, 2600.0, 3400.0};
  const double closed[4] = {450.0, 850.0, 2500.0, 3300.0};
  const double widths[4] = {90.0, 110.0, 160.0, 250.0};
  const double gains[4] = {1.0, 0.6, 0.25, 0.1};
  Signal s(static_cast<std::size_t>(samples(length)));
  double phase = 0.0;
  double jitter = 0.0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    // Pitch: a sharp rise, a short hold, then a long sinking fall.
    double f0;
    if (t < 0.1) {
      f0 = 250.0 + 180.0 * smoothStep(t / 0.1);
    } else if (t < 0.3) {
      f0 = 430.0 - 50.0 * (t - 0.1) / 0.2;
    } else {
      f0 = 380.0 * std::pow(180.0 / 380.0, (t - 0.3) / (length - 0.3));
    }
    jitter = 0.999 * jitter + 0.001 * noise.next();
    const double vibrato = (0.01 + 0.02 * t / length) * std::sin(2.0 * kPi * 5.5 * t);
    f0 *= 1.0 + vibrato + 2.0 * jitter;
    phase += 2.0 * kPi * f0 / kSampleRate;
    const double close = smoothStep(std::clamp((t - 0.3) / 0.4, 0.0, 1.0));
    double centres[4];
    for (int k = 0; k < 4; ++k) centres[k] = open[k] + (closed[k] - open[k]) * close;
    double voiced = 0.0;
    for (int k = 1; k * f0 < 5000.0; ++k) {
      voiced += formantGain(k * f0, centres, widths, gains) / std::pow(k, 0.9) * std::sin(k * phase);
    }
    const double envelope =
        std::min(1.0, t / 0.025) * (t < 0.45 ? 1.0 : 0.5 + 0.5 * std::cos(kPi * (t - 0.45) / (length - 0.45)));
    const double aspiration = breath.run(noise.next()) * (0.08 + 0.5 * decay(t, 0.015));
    s[i] = static_cast<float>(envelope * (voiced + aspiration));
  }
  fadeEdges(s, 0.0, 0.01);
  setEffectLevel(s);
  return s;
}

Signal footstep() {
  Signal s(static_cast<std::size_t>(samples(0.5)));
  const double steps[] = {0.0, 0.25};
  const float strengths[] = {1.0f, 0.85f};
  for (int k = 0; k < 2; ++k) {
    Noise noise(0xF007 + k);
    Biquad heel = Biquad::bandPass(650.0, 1.1);
    Biquad heelLow = Biquad::highPass(180.0, 0.7);
    Biquad scuff = Biquad::bandPass(2000.0, 1.2);
    Biquad grit = Biquad::highPass(3500.0, 0.7);
    Signal step(static_cast<std::size_t>(samples(0.25)));
    for (std::size_t i = 0; i < step.size(); ++i) {
      const double t = timeOf(i);
      const float n = noise.next();
      const double toe = t - 0.045;
      // A hard heel on stone: its knock sits in the mids, with only a little low weight, so
      // that a laptop's speaker plays it.
      double v = 2.5 * heelLow.run(heel.run(n)) * decay(t, 0.025) +
                 0.25 * std::sin(2.0 * kPi * (140.0 + 8.0 * k) * t) * decay(t, 0.02) +
                 0.25 * grit.run(n) * decay(t, 0.015);
      const float scuffed = scuff.run(n);
      if (toe >= 0.0) v += 0.6 * scuffed * decay(toe, 0.012) * std::min(1.0, toe / 0.002);
      step[i] = static_cast<float>(v * std::min(1.0, t / 0.0015));
    }
    mixInto(s, step, samples(steps[k]), strengths[k]);
  }
  addRoom(s, 0.1, 0.5, 0.4);
  fadeEdges(s, 0.0, 0.01);
  setEffectLevel(s);
  return s;
}

// A wail rising and falling twice over the loop, from a reedy square-ish tone. Its mean pitch
// times the wail's period is a whole number of cycles, so the tone's phase at the end joins
// its start and the loop repeats without a click.
Signal siren() {
  const double period = 2.4;   // seconds a rise and fall
  const double centre = 725.0; // Hz; 725 * 2.4 = 1740 whole cycles a period
  const double swing = 325.0;
  const int periods = 2;
  const WaveTable reed = WaveTable::square(15);
  Signal s(static_cast<std::size_t>(samples(period * periods)));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    // The pitch swing, integrated exactly: starts at the lowest pitch and comes back to it.
    const double u = 2.0 * kPi * t / period;
    const double phase = centre * t - swing * period / (2.0 * kPi) * std::sin(u);
    const double tone = 0.6 * reed.at(phase) + 0.4 * std::sin(2.0 * kPi * phase);
    s[i] = static_cast<float>(tone * (0.9 + 0.1 * std::sin(2.0 * kPi * 5.0 * t)));
  }
  setEffectLevel(s);
  return s;
}

}  // namespace assetgen::effects
