// MD2 encoder: lays out header, skins, texture coordinates, triangles, frames and GL commands.
#include "Md2Writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "tools/support/LittleEndian.h"

namespace assetgen {

namespace {

constexpr int kHeaderBytes = 68;
constexpr int kSkinNameBytes = 64;
constexpr int kFrameNameBytes = 16;

void putInt(std::string& out, std::int32_t v) {
  le::put32(out, static_cast<std::uint32_t>(v));
}

// The low 16 bits: a short of the file, signed or not.
void putShort(std::string& out, int v) {
  le::put16(out, static_cast<std::uint32_t>(v));
}

void putFloat(std::string& out, float f) {
  std::uint32_t u = 0;
  std::memcpy(&u, &f, sizeof u);
  putInt(out, static_cast<std::int32_t>(u));
}

void putFixedText(std::string& out, const std::string& text, std::size_t bytes) {
  std::string field = text.substr(0, bytes - 1);
  field.resize(bytes, '\0');
  out += field;
}

// The file's z-up axes for a game point.
std::array<double, 3> fileAxes(const Md2Point& p) {
  return {p.x, -p.z, p.y};
}

bool checkContent(const Md2Content& content) {
  const std::size_t vertexCount = content.frames.empty() ? 0 : content.frames[0].points.size();
  if (content.frames.empty() || vertexCount == 0) {
    std::fprintf(stderr, "assetgen: MD2 without frames or vertices\n");
    return false;
  }
  if (40 + 4 * static_cast<long>(vertexCount) > kMd2MaxFrameBytes) {
    std::fprintf(stderr, "assetgen: MD2 frame of %zu vertices is too large\n", vertexCount);
    return false;
  }
  for (const Md2KeyFrame& frame : content.frames) {
    if (frame.points.size() != vertexCount || frame.name.size() >= kFrameNameBytes) {
      std::fprintf(stderr, "assetgen: MD2 frame %s has a bad name or vertex count\n",
                   frame.name.c_str());
      return false;
    }
  }
  for (const Md2Triangle& tri : content.triangles) {
    for (int i = 0; i < 3; ++i) {
      if (tri.vertex[i] < 0 || tri.vertex[i] >= static_cast<int>(vertexCount) ||
          tri.texCoord[i] < 0 || tri.texCoord[i] >= static_cast<int>(content.texCoords.size())) {
        std::fprintf(stderr, "assetgen: MD2 triangle index out of range\n");
        return false;
      }
    }
  }
  return true;
}

void putFrame(std::string& out, const Md2KeyFrame& frame) {
  std::array<double, 3> low{1e30, 1e30, 1e30};
  std::array<double, 3> high{-1e30, -1e30, -1e30};
  for (const Md2Point& p : frame.points) {
    const std::array<double, 3> f = fileAxes(p);
    for (int a = 0; a < 3; ++a) {
      low[a] = std::min(low[a], f[a]);
      high[a] = std::max(high[a], f[a]);
    }
  }
  std::array<float, 3> scale{};
  std::array<float, 3> translate{};
  for (int a = 0; a < 3; ++a) {
    const double span = high[a] - low[a];
    scale[a] = static_cast<float>(span > 0.0 ? span / 255.0 : 1.0);
    translate[a] = static_cast<float>(low[a]);
  }
  for (int a = 0; a < 3; ++a) putFloat(out, scale[a]);
  for (int a = 0; a < 3; ++a) putFloat(out, translate[a]);
  putFixedText(out, frame.name, kFrameNameBytes);
  for (const Md2Point& p : frame.points) {
    const std::array<double, 3> f = fileAxes(p);
    for (int a = 0; a < 3; ++a) {
      const double q = std::round((f[a] - translate[a]) / scale[a]);
      out.push_back(static_cast<char>(static_cast<std::uint8_t>(std::clamp(q, 0.0, 255.0))));
    }
    // The game sends no normals, so every vertex names normal 0.
    out.push_back('\0');
  }
}

// Stored triangle corners: clockwise seen from outside.
std::array<int, 3> storedOrder() {
  return {0, 2, 1};
}

// One three-vertex strip per triangle, then the closing 0.
std::string glCommands(const Md2Content& content) {
  std::string out;
  for (const Md2Triangle& tri : content.triangles) {
    putInt(out, 3);
    for (const int corner : storedOrder()) {
      const std::array<int, 2>& st = content.texCoords[tri.texCoord[corner]];
      putFloat(out, static_cast<float>(st[0]) / static_cast<float>(content.skinWidth));
      putFloat(out, static_cast<float>(st[1]) / static_cast<float>(content.skinHeight));
      putInt(out, tri.vertex[corner]);
    }
  }
  putInt(out, 0);
  return out;
}

}  // namespace

std::string encodeMd2(const Md2Content& content) {
  if (!checkContent(content)) return std::string();
  const int vertexCount = static_cast<int>(content.frames[0].points.size());
  const int frameBytes = 40 + 4 * vertexCount;
  const int texCoordCount = static_cast<int>(content.texCoords.size());
  const int triangleCount = static_cast<int>(content.triangles.size());
  const int frameCount = static_cast<int>(content.frames.size());
  const std::string commands = glCommands(content);

  const int skinsOffset = kHeaderBytes;
  const int texCoordsOffset = skinsOffset + kSkinNameBytes;
  const int trianglesOffset = texCoordsOffset + 4 * texCoordCount;
  const int framesOffset = trianglesOffset + 12 * triangleCount;
  const int commandsOffset = framesOffset + frameBytes * frameCount;
  const int endOffset = commandsOffset + static_cast<int>(commands.size());

  std::string out;
  out.reserve(static_cast<std::size_t>(endOffset));
  out += "IDP2";
  putInt(out, 8);
  putInt(out, content.skinWidth);
  putInt(out, content.skinHeight);
  putInt(out, frameBytes);
  putInt(out, 1);
  putInt(out, vertexCount);
  putInt(out, texCoordCount);
  putInt(out, triangleCount);
  putInt(out, static_cast<int>(commands.size() / 4));
  putInt(out, frameCount);
  putInt(out, skinsOffset);
  putInt(out, texCoordsOffset);
  putInt(out, trianglesOffset);
  putInt(out, framesOffset);
  putInt(out, commandsOffset);
  putInt(out, endOffset);

  putFixedText(out, content.skinName, kSkinNameBytes);
  for (const std::array<int, 2>& st : content.texCoords) {
    putShort(out, st[0]);
    putShort(out, st[1]);
  }
  for (const Md2Triangle& tri : content.triangles) {
    for (const int corner : storedOrder()) putShort(out, tri.vertex[corner]);
    for (const int corner : storedOrder()) putShort(out, tri.texCoord[corner]);
  }
  for (const Md2KeyFrame& frame : content.frames) putFrame(out, frame);
  out += commands;
  return out;
}

}  // namespace assetgen
