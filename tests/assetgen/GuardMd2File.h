// A plain reader of the generated MD2 files for the guard tests: the raw header, skins,
// texture coordinates and triangles, and each frame decoded into the game's y-up axes.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace guardtest {

struct Point {
  double x, y, z;
};

struct Md2File {
  std::string bytes;
  std::int32_t header[17] = {};
  std::vector<std::string> skins;
  std::vector<std::array<int, 2>> texCoords;
  std::vector<std::array<int, 6>> triangles;  // three vertex, then three texture indices
  std::vector<std::string> frameNames;
  std::vector<std::vector<Point>> frames;

  std::int32_t version() const { return header[1]; }
  std::int32_t skinWidth() const { return header[2]; }
  std::int32_t skinHeight() const { return header[3]; }
  std::int32_t frameSize() const { return header[4]; }
  std::int32_t vertexCount() const { return header[6]; }
};

inline std::int32_t readInt(const std::string& b, std::size_t at) {
  std::int32_t v = 0;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

inline int readShort(const std::string& b, std::size_t at) {
  std::int16_t v = 0;
  std::memcpy(&v, b.data() + at, 2);
  return v;
}

inline float readFloat(const std::string& b, std::size_t at) {
  float v = 0;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

// Reads path; returns false (and leaves why) when the file is missing or its tables do not lie
// inside it.
inline bool readMd2(const std::string& path, Md2File& f, std::string& why) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    why = "cannot open " + path;
    return false;
  }
  f.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (f.bytes.size() < 68) {
    why = "shorter than a header";
    return false;
  }
  for (int i = 0; i < 17; ++i) f.header[i] = readInt(f.bytes, 4 * i);
  const auto& h = f.header;
  const long size = static_cast<long>(f.bytes.size());
  const auto inside = [&](long offset, long count, long each) {
    return offset >= 68 && count >= 0 && offset + count * each <= size;
  };
  if (!inside(h[11], h[5], 64) || !inside(h[12], h[7], 4) || !inside(h[13], h[8], 12) ||
      !inside(h[14], h[10], h[4]) || h[4] < 40 + 4 * h[6]) {
    why = "a table lies outside the file";
    return false;
  }
  for (int i = 0; i < h[5]; ++i) f.skins.push_back(f.bytes.substr(h[11] + 64 * i, 64).c_str());
  for (int i = 0; i < h[7]; ++i) {
    f.texCoords.push_back({readShort(f.bytes, h[12] + 4 * i), readShort(f.bytes, h[12] + 4 * i + 2)});
  }
  for (int i = 0; i < h[8]; ++i) {
    std::array<int, 6> t{};
    for (int k = 0; k < 6; ++k) t[k] = readShort(f.bytes, h[13] + 12 * i + 2 * k);
    f.triangles.push_back(t);
  }
  for (int i = 0; i < h[10]; ++i) {
    const std::size_t at = static_cast<std::size_t>(h[14]) + static_cast<std::size_t>(i) * h[4];
    float s[3], t[3];
    for (int a = 0; a < 3; ++a) {
      s[a] = readFloat(f.bytes, at + 4 * a);
      t[a] = readFloat(f.bytes, at + 12 + 4 * a);
    }
    f.frameNames.push_back(f.bytes.substr(at + 24, 16).c_str());
    std::vector<Point> points;
    for (int v = 0; v < h[6]; ++v) {
      const unsigned char* q = reinterpret_cast<const unsigned char*>(f.bytes.data() + at + 40 + 4 * v);
      // The game's axes: file z is up, file y points against the game's z.
      points.push_back({q[0] * s[0] + t[0], q[2] * s[2] + t[2], -(q[1] * s[1] + t[1])});
    }
    f.frames.push_back(points);
  }
  return true;
}

}  // namespace guardtest
