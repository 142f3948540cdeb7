// Tiny WAV files for the sound tests: 16-bit mono PCM of a quiet tone.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace soundtest {

inline void put(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
  for (int b = 0; b < bytes; ++b) out.push_back(static_cast<unsigned char>(value >> (8 * b)));
}

// Writes seconds of a 440 Hz tone at a low level; returns false when the file cannot be made.
inline bool writeWav(const std::string& path, double seconds, std::uint32_t rate = 22050) {
  const std::uint32_t samples = static_cast<std::uint32_t>(seconds * rate);
  std::vector<unsigned char> out;
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  put(out, 36 + 2 * samples, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put(out, 16, 4);
  put(out, 1, 2);  // PCM
  put(out, 1, 2);  // mono
  put(out, rate, 4);
  put(out, rate * 2, 4);
  put(out, 2, 2);
  put(out, 16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  put(out, 2 * samples, 4);
  for (std::uint32_t i = 0; i < samples; ++i) {
    const double level = 200.0 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / rate);
    put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(level)), 2);
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace soundtest
