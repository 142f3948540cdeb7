// WAV and MP3 encoding of the generated sounds.
#include "AudioFiles.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tools/support/LittleEndian.h"

namespace assetgen {

namespace {

std::int16_t toPcm(float v) {
  return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

std::string encodeWav(const synth::Signal& mono, int sampleRate) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(mono.size() * 2);
  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  le::put32(out, 36 + dataBytes);
  out += "WAVE";
  out += "fmt ";
  le::put32(out, 16);
  le::put16(out, 1);  // PCM
  le::put16(out, 1);  // mono
  le::put32(out, static_cast<std::uint32_t>(sampleRate));
  le::put32(out, static_cast<std::uint32_t>(sampleRate) * 2);
  le::put16(out, 2);
  le::put16(out, 16);
  out += "data";
  le::put32(out, dataBytes);
  for (const float v : mono) le::put16(out, static_cast<std::uint16_t>(toPcm(v)));
  return out;
}

std::string encodeMp3(const synth::Signal& left, const synth::Signal& right, int kbps) {
  lame_global_flags* lame = lame_init();
  if (!lame) {
    std::fprintf(stderr, "assetgen: cannot start the MP3 encoder\n");
    return std::string();
  }
  lame_set_in_samplerate(lame, synth::kSampleRate);
  lame_set_out_samplerate(lame, synth::kSampleRate);
  lame_set_num_channels(lame, 2);
  lame_set_mode(lame, JOINT_STEREO);
  lame_set_brate(lame, kbps);
  lame_set_quality(lame, 5);
  lame_set_bWriteVbrTag(lame, 1);
  lame_set_write_id3tag_automatic(lame, 0);
  if (lame_init_params(lame) < 0) {
    std::fprintf(stderr, "assetgen: the MP3 encoder refused its settings\n");
    lame_close(lame);
    return std::string();
  }
  const std::size_t frames = std::min(left.size(), right.size());
  std::vector<short> pcm(frames * 2);
  for (std::size_t i = 0; i < frames; ++i) {
    pcm[2 * i] = toPcm(left[i]);
    pcm[2 * i + 1] = toPcm(right[i]);
  }
  std::vector<unsigned char> buffer(frames * 5 / 4 + 7200 * 2);
  std::string out;
  const int chunk = 1152 * 32;
  for (std::size_t at = 0; at < frames; at += chunk) {
    const int count = static_cast<int>(std::min<std::size_t>(chunk, frames - at));
    const int written = lame_encode_buffer_interleaved(lame, pcm.data() + 2 * at, count,
                                                       buffer.data(),
                                                       static_cast<int>(buffer.size()));
    if (written < 0) {
      std::fprintf(stderr, "assetgen: MP3 encoding failed (%d)\n", written);
      lame_close(lame);
      return std::string();
    }
    out.append(reinterpret_cast<const char*>(buffer.data()), static_cast<std::size_t>(written));
  }
  const int flushed = lame_encode_flush(lame, buffer.data(), static_cast<int>(buffer.size()));
  if (flushed > 0) out.append(reinterpret_cast<const char*>(buffer.data()), static_cast<std::size_t>(flushed));
  // The encoder left room for the Info frame at the start; fill it in now that the stream's
  // length is known.
  const std::size_t tagBytes = lame_get_lametag_frame(lame, buffer.data(), buffer.size());
  if (tagBytes > 0 && tagBytes <= out.size()) {
    out.replace(0, tagBytes, reinterpret_cast<const char*>(buffer.data()), tagBytes);
  }
  lame_close(lame);
  return out;
}

}  // namespace assetgen
