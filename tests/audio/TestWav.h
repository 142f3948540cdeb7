// Tiny WAV files for the sound tests: 16-bit mono PCM of a quiet tone.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/support/LittleEndian.h"

namespace soundtest {

// Writes seconds of a 440 Hz tone at a low level; returns false when the file cannot be made.
inline bool writeWav(const std::string& path, double seconds, std::uint32_t rate = 22050) {
  const std::uint32_t samples = static_cast<std::uint32_t>(seconds * rate);
  std::vector<unsigned char> out;
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  le::put32(out, 36 + 2 * samples);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  le::put32(out, 16);
  le::put16(out, 1);  // PCM
  le::put16(out, 1);  // mono
  le::put32(out, rate);
  le::put32(out, rate * 2);
  le::put16(out, 2);
  le::put16(out, 16);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  le::put32(out, 2 * samples);
  for (std::uint32_t i = 0; i < samples; ++i) {
    const double level = 200.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / rate);
    le::put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(level)));
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace soundtest
