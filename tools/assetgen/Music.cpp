// The music loops: a handful of synthesised instruments, a score for each loop, and a mixer that
// wraps every note and the room's tail around the loop's end.
#include "Music.h"

#include <algorithm>
#include <cmath>

namespace assetgen::music {

using namespace synth;

namespace {

// ---- mixing --------------------------------------------------------------------------------

class LoopMixer {
 public:
  explicit LoopMixer(double seconds)
      : length_(samples(seconds)),
        dryLeft_(length_, 0.0f), dryRight_(length_, 0.0f),
        sendLeft_(length_, 0.0f), sendRight_(length_, 0.0f) {}

  // pan from -1 (left) to 1 (right); send is the share that also goes to the room.
  void add(const Signal& note, double startSeconds, double gain, double pan, double send) {
    const double angle = (pan + 1.0) * kPi / 4.0;
    const long start = samples(startSeconds);
    const float left = static_cast<float>(gain * std::cos(angle));
    const float right = static_cast<float>(gain * std::sin(angle));
    mixInto(dryLeft_, note, start, left, true);
    mixInto(dryRight_, note, start, right, true);
    mixInto(sendLeft_, note, start, left * static_cast<float>(send), true);
    mixInto(sendRight_, note, start, right * static_cast<float>(send), true);
  }

  StereoLoop finish(double roomSize, double damping, double wetGain) {
    StereoLoop out;
    reverbStereo(sendLeft_, sendRight_, out.left, out.right, roomSize, damping, true);
    for (std::size_t i = 0; i < out.left.size(); ++i) {
      out.left[i] = dryLeft_[i] + static_cast<float>(wetGain) * out.left[i];
      out.right[i] = dryRight_[i] + static_cast<float>(wetGain) * out.right[i];
    }
    // Leaves headroom for the MP3 encoder's overshoot.
    normaliseStereo(out.left, out.right, -1.5);
    return out;
  }

 private:
  std::size_t length_;
  Signal dryLeft_, dryRight_, sendLeft_, sendRight_;
};

// ---- instruments ---------------------------------------------------------------------------

double timeOf(std::size_t i) { return static_cast<double>(i) / kSampleRate; }

// Attack, then held at full level for the note's length, then a release; the signal is as long
// as note plus release.
double gate(double t, double attack, double length, double release) {
  if (t < attack) return t / attack;
  if (t < length) return 1.0;
  return std::max(0.0, 1.0 - (t - length) / release);
}

// Three detuned saws through a two-pole low-pass that opens as the note swells.
Signal pad(int note, double length) {
  static const WaveTable saw = WaveTable::saw(24, 1.4);
  const double f = noteFrequency(note);
  const double release = 1.6;
  Signal s(static_cast<std::size_t>(samples(length + release)));
  Smoother a, b;
  double p0 = 0.0, p1 = 0.33, p2 = 0.67;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    p0 += f / kSampleRate;
    p1 += f * 1.004 / kSampleRate;
    p2 += f * 0.996 / kSampleRate;
    const double raw = (saw.at(p0) + saw.at(p1) + saw.at(p2)) / 3.0;
    const double envelope = gate(t, 1.2, length, release);
    const double cutoff = 500.0 + 900.0 * envelope;
    s[i] = static_cast<float>(envelope * b.run(a.run(static_cast<float>(raw), cutoff), cutoff));
  }
  return s;
}

Signal softBass(int note, double length) {
  const double f = noteFrequency(note);
  const double release = 0.5;
  Signal s(static_cast<std::size_t>(samples(length + release)));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double w = 2.0 * kPi * f * t;
    const double envelope = gate(t, 0.03, length, release) * (0.7 + 0.3 * decay(t, 1.0));
    s[i] = static_cast<float>(envelope * (std::sin(w) + 0.3 * std::sin(2.0 * w) + 0.1 * std::sin(3.0 * w)));
  }
  return s;
}

// Frequency-modulated electric piano: a bright strike mellowing into a sine.
Signal electricPiano(int note, double length) {
  const double f = noteFrequency(note);
  const double release = 0.8;
  Signal s(static_cast<std::size_t>(samples(length + release)));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double w = 2.0 * kPi * f * t;
    const double index = 0.25 + 1.8 * decay(t, 0.35);
    const double tine = 0.12 * std::sin(7.0 * w) * decay(t, 0.08);
    const double envelope = std::min(1.0, t / 0.004) * decay(t, 1.4) * gate(t, 1e-4, length, release);
    s[i] = static_cast<float>(envelope * (std::sin(w + index * std::sin(w)) + tine));
  }
  return s;
}

// A music-box bell: inharmonic partials dying at different rates.
Signal bell(int note) {
  const double f = noteFrequency(note);
  Signal s(static_cast<std::size_t>(samples(2.5)));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double w = 2.0 * kPi * f * t;
    const double v = std::sin(w) * decay(t, 0.9) + 0.4 * std::sin(2.76 * w) * decay(t, 0.35) +
                     0.2 * std::sin(5.4 * w) * decay(t, 0.15);
    s[i] = static_cast<float>(std::min(1.0, t / 0.002) * v);
  }
  return s;
}

Signal plucked(int note, double length, Noise& noise) {
  Signal s = pluck(noteFrequency(note), length + 0.06, 0.996, noise);
  Biquad tone = Biquad::lowPass(2400.0, 0.7);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    s[i] = tone.run(s[i]) * static_cast<float>(gate(t, 0.002, length, 0.06));
  }
  return s;
}

// A struck bar: frequency modulation at four times the pitch, dying quickly.
Signal marimba(int note) {
  const double f = noteFrequency(note);
  Signal s(static_cast<std::size_t>(samples(0.8)));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double w = 2.0 * kPi * f * t;
    const double index = 1.2 * decay(t, 0.03);
    s[i] = static_cast<float>(std::min(1.0, t / 0.001) * decay(t, 0.22) *
                              std::sin(w + index * std::sin(4.0 * w)));
  }
  return s;
}

// Bowed strings: four detuned saws, slow swell, a slight tremolo.
Signal strings(int note, double length) {
  static const WaveTable saw = WaveTable::saw(30, 1.2);
  const double f = noteFrequency(note);
  const double release = 1.5;
  Biquad tone = Biquad::lowPass(4000.0, 0.6);
  Signal s(static_cast<std::size_t>(samples(length + release)));
  double p[4] = {0.0, 0.25, 0.5, 0.75};
  const double detune[4] = {0.995, 0.998, 1.002, 1.005};
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    double raw = 0.0;
    for (int v = 0; v < 4; ++v) {
      p[v] += f * detune[v] / kSampleRate;
      raw += saw.at(p[v]) * 0.25;
    }
    const double envelope = gate(t, 1.5, length, release) * (1.0 + 0.08 * std::sin(2.0 * kPi * 5.0 * t));
    s[i] = tone.run(static_cast<float>(envelope * raw));
  }
  return s;
}

Signal hat(Noise& noise, double tau) {
  Biquad high = Biquad::highPass(7000.0, 0.7);
  Signal s(static_cast<std::size_t>(samples(tau * 6.0)));
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = high.run(noise.next()) * static_cast<float>(decay(timeOf(i), tau));
  return s;
}

// A grain of shaken seeds: noise around 6 kHz with a soft attack.
Signal shaker(Noise& noise) {
  Biquad band = Biquad::bandPass(6000.0, 1.2);
  Signal s(static_cast<std::size_t>(samples(0.06)));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    s[i] = band.run(noise.next()) * static_cast<float>(std::min(1.0, t / 0.006) * decay(t, 0.015));
  }
  return s;
}

Signal kick() {
  Signal s(static_cast<std::size_t>(samples(0.4)));
  double phase = 0.0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    phase += 2.0 * kPi * (45.0 + 75.0 * decay(t, 0.03)) / kSampleRate;
    s[i] = static_cast<float>(std::min(1.0, t / 0.002) * decay(t, 0.12) * std::sin(phase));
  }
  return s;
}

Signal rim(Noise& noise) {
  Biquad band = Biquad::bandPass(2000.0, 2.0);
  Signal s(static_cast<std::size_t>(samples(0.12)));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    s[i] = static_cast<float>((band.run(noise.next()) * 1.5 + 0.5 * std::sin(2.0 * kPi * 1700.0 * t)) *
                              decay(t, 0.018));
  }
  return s;
}

// Three quick chirps of a cricket.
Signal cricket() {
  Signal s(static_cast<std::size_t>(samples(0.12)));
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double inPulse = std::fmod(t, 0.04);
    const double envelope = inPulse < 0.018 ? std::sin(kPi * inPulse / 0.018) : 0.0;
    s[i] = static_cast<float>(envelope * std::sin(2.0 * kPi * 4700.0 * t));
  }
  return s;
}

// Night air: low-passed noise whose colour drifts slowly, in whole cycles of the loop. Its
// first half second is blended with what follows its end, so the loop's seam cannot be heard.
Signal wind(double seconds, Noise& noise) {
  const std::size_t length = static_cast<std::size_t>(samples(seconds));
  const std::size_t blend = static_cast<std::size_t>(samples(0.5));
  Signal s(length + blend);
  Smoother a, b;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double u = timeOf(i) / seconds;
    const double cutoff = 300.0 + 250.0 * std::sin(2.0 * kPi * u) + 120.0 * std::sin(6.0 * kPi * u);
    const double level = 0.6 + 0.4 * std::sin(4.0 * kPi * u + 1.0);
    s[i] = static_cast<float>(level * b.run(a.run(noise.next(), cutoff), cutoff));
  }
  for (std::size_t i = 0; i < blend; ++i) {
    const float w = static_cast<float>(i) / static_cast<float>(blend);
    s[i] = s[i] * w + s[length + i] * (1.0f - w);
  }
  s.resize(length);
  return s;
}

// ---- scores --------------------------------------------------------------------------------

struct Note {
  double beat, beats;
  int pitch;
};

}  // namespace

StereoLoop menuTheme() {
  const double beat = 1.0;  // 60 beats a minute, 16 bars of four: the progression twice
  const double bars = 16;
  LoopMixer mix(bars * 4 * beat);
  Noise noise(0x4E16);

  struct Chord {
    double bar, bars;
    int bass;
    std::vector<int> tones;
  };
  const Chord chords[] = {
      {0, 1, 45, {57, 60, 64, 67, 71}},   // A minor 9
      {1, 1, 41, {53, 57, 60, 64}},       // F major 7
      {2, 1, 48, {55, 59, 60, 64}},       // C major 7
      {3, 1, 43, {55, 59, 62, 64}},       // G 6
      {4, 1, 45, {57, 60, 64, 67, 71}},   // A minor 9
      {5, 1, 41, {53, 57, 60, 64}},       // F major 7
      {6, 1, 38, {53, 57, 60, 64}},       // D minor 9
      {7, 0.5, 40, {52, 57, 59, 62}},     // E suspended
      {7.5, 0.5, 40, {52, 56, 59, 62}},   // E 7, leading home to A minor
  };
  for (int pass = 0; pass < 2; ++pass) {
    for (const Chord& c : chords) {
      const double start = (c.bar + 8 * pass) * 4 * beat;
      const double length = c.bars * 4 * beat;
      int voice = 0;
      for (const int tone : c.tones) {
        mix.add(pad(tone, length), start, 0.11, -0.5 + 0.25 * voice++, 0.6);
      }
      mix.add(softBass(c.bass, length - 0.2), start, 0.24, 0.0, 0.1);
    }
  }

  const Note melody[] = {
      {0, 2, 76}, {2, 1, 74}, {3, 1, 72},    {4, 3, 69}, {7, 1, 67},
      {8, 1, 64}, {9, 1, 67}, {10, 2, 71},   {12, 2, 69}, {14, 1, 67}, {15, 1, 62},
      {16, 1, 76}, {17, 1, 79}, {18, 1, 76}, {19, 1, 74}, {20, 2, 72}, {22, 2, 69},
      {24, 1, 65}, {25, 1, 69}, {26, 1, 72}, {27, 1, 76}, {28, 2, 74}, {30, 1, 71},
      {31, 1, 68},
  };
  // The second time round the melody sinks an octave and the bells answer it.
  for (int pass = 0; pass < 2; ++pass) {
    for (const Note& n : melody) {
      const double humanise = noise.uniform(0.0, 0.012);
      mix.add(electricPiano(n.pitch - 12 * pass, n.beats * beat * 0.9),
              (n.beat + 32 * pass) * beat + 0.02 + humanise, 0.42 * noise.uniform(0.85, 1.0),
              0.15 - 0.3 * pass, 0.5);
    }
  }
  const Note bells[] = {{6.5, 0, 88},  {13.5, 0, 83}, {15.5, 0, 81}, {22.5, 0, 84},
                        {28.5, 0, 83}, {30.5, 0, 80}, {34.5, 0, 84}, {38.5, 0, 88},
                        {42.5, 0, 86}, {46.5, 0, 83}, {50.5, 0, 84}, {54.5, 0, 88},
                        {58.5, 0, 86}, {62.5, 0, 80}};
  for (const Note& n : bells) mix.add(bell(n.pitch), n.beat * beat, 0.1, 0.6, 0.8);

  mix.add(wind(bars * 4 * beat, noise), 0.0, 0.3, -0.2, 0.2);
  const double chirps[] = {1.3, 11.1, 20.7, 26.2, 37.9, 44.6, 52.3, 59.8};
  for (const double at : chirps) mix.add(cricket(), at * beat, 0.02, 0.8, 0.5);
  return mix.finish(0.86, 0.4, 0.45);
}

StereoLoop sneakingLoop() {
  const double beat = 0.6;  // 100 beats a minute, 28 bars of four
  const double eighth = beat / 2.0;
  const int bars = 28;
  LoopMixer mix(bars * 4 * beat);
  Noise noise(0x5EAC);

  // Plucked bass on D, creeping through E flat: eighth slots 0..7 of a bar, -1 for a rest.
  const int patterns[2][8] = {{38, -1, 38, -1, 41, 38, 39, -1}, {38, -1, 38, -1, 36, 38, 33, -1}};
  for (int bar = 0; bar < bars; ++bar) {
    const int* slots = patterns[bar % 2];
    for (int slot = 0; slot < 8; ++slot) {
      if (slots[slot] < 0) continue;
      const double at = (bar * 8 + slot) * eighth;
      const double accent = slot == 0 ? 1.0 : 0.8;
      mix.add(plucked(slots[slot], eighth * 0.7, noise), at, 0.55 * accent, -0.1, 0.15);
    }
    // Kick on one (and three after the opening), rim on four, hats on the off-beats.
    mix.add(kick(), bar * 4 * beat, 0.5, 0.0, 0.05);
    if (bar >= 2) mix.add(kick(), (bar * 4 + 2) * beat, 0.35, 0.0, 0.05);
    if (bar >= 2) mix.add(rim(noise), (bar * 4 + 3) * beat, 0.22, 0.3, 0.3);
    for (int slot = 1; slot < 8; slot += 2) {
      mix.add(hat(noise, 0.025), (bar * 8 + slot) * eighth, 0.12 * noise.uniform(0.7, 1.0), 0.4, 0.2);
    }
    if (bar >= 4) mix.add(hat(noise, 0.012), (bar * 8 + 7.5) * eighth, 0.06, 0.5, 0.2);
    // A shaker ticking sixteenths keeps the top of the mix alive.
    if (bar % 8 >= 2) {
      for (int sixteenth = 0; sixteenth < 16; ++sixteenth) {
        const double accent = sixteenth % 4 == 2 ? 1.0 : 0.55;
        mix.add(shaker(noise), (bar * 16 + sixteenth) * eighth / 2.0,
                0.07 * accent * noise.uniform(0.8, 1.0), -0.45, 0.25);
      }
    }
  }

  // A low drone, swelling every four bars.
  for (int section = 0; section < bars / 4; ++section) {
    const double at = section * 16 * beat;
    // Held to the next swell (and across the loop's end), so the drone never drops out.
    mix.add(strings(50, 16 * beat - 0.2), at, 0.10, -0.4, 0.6);
    mix.add(strings(57, 16 * beat - 0.2), at, 0.08, 0.4, 0.6);
  }
  // Two stretches add a high, rubbing second.
  for (const int bar : {8, 24}) {
    mix.add(strings(74, 16 * beat - 1.5), bar * 4 * beat, 0.035, -0.6, 0.8);
    mix.add(strings(75, 16 * beat - 1.5), bar * 4 * beat, 0.035, 0.6, 0.8);
  }

  // Creeping marimba from bar 5: eighth slot within two bars, pitch.
  const std::pair<int, int> creepA[] = {{0, 62}, {2, 65}, {3, 67}, {4, 68}, {6, 67},
                                        {8, 65}, {11, 62}, {14, 61}};
  const std::pair<int, int> creepB[] = {{0, 62}, {2, 65}, {3, 67}, {4, 69}, {5, 70},
                                        {6, 69}, {9, 67}, {10, 65}, {12, 64}, {14, 62}};
  // Twice: bars 4 to 11 and 16 to 23.
  for (int pair = 0; pair < 8; ++pair) {
    const int startBar = (pair < 4 ? 4 : 8) + pair * 2;
    const int octave = pair % 4 >= 2 ? 12 : 0;
    const double gain = pair % 4 >= 2 ? 0.16 : 0.22;
    const auto play = [&](const std::pair<int, int>* notes, int count) {
      for (int i = 0; i < count; ++i) {
        mix.add(marimba(notes[i].second + octave), (startBar * 8 + notes[i].first) * eighth,
                gain, 0.25, 0.45);
      }
    };
    if (pair % 2 == 0) {
      play(creepA, 8);
    } else {
      play(creepB, 10);
    }
  }
  return mix.finish(0.8, 0.35, 0.35);
}

}  // namespace assetgen::music
