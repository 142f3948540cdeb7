// Small MD2 files built byte by byte for the loader and animation tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tools/support/LittleEndian.h"

namespace md2test {

// The header's 32-bit fields, by their place in the file.
enum HeaderField {
  fieldIdent, fieldVersion, fieldSkinWidth, fieldSkinHeight, fieldFrameSize,
  fieldNumSkins, fieldNumVertices, fieldNumTexCoords, fieldNumTriangles, fieldNumGlCommands,
  fieldNumFrames, fieldOffsetSkins, fieldOffsetTexCoords, fieldOffsetTriangles,
  fieldOffsetFrames, fieldOffsetGlCommands, fieldOffsetEnd
};

struct FrameData {
  float scale[3] = {1.0f, 1.0f, 1.0f};
  float translate[3] = {0.0f, 0.0f, 0.0f};
  std::string name;
  std::vector<std::uint8_t> xyz;  // three bytes per vertex
};

// A well-formed file: header, skins, texture coordinates, triangles, frames, end.
struct Md2File {
  std::int32_t version = 8;
  std::int32_t skinWidth = 256;
  std::int32_t skinHeight = 128;
  std::int32_t numVertices = 3;
  std::int32_t numSkins = 1;
  std::int32_t framePadding = 0;  // bytes after each frame's vertices
  std::vector<std::int16_t> texCoords = {64, 32, 0, 0, 256, 128};  // s, t pairs
  std::vector<std::int16_t> triangles = {0, 1, 2, 0, 1, 2};        // six per triangle
  std::vector<FrameData> frames;

  // Frames named after names, each with vertices (i, 2i, 3i) + frame number.
  static Md2File withFrames(const std::vector<std::string>& names) {
    Md2File f;
    for (std::size_t i = 0; i < names.size(); ++i) {
      FrameData frame;
      frame.name = names[i];
      for (int v = 0; v < f.numVertices; ++v) {
        const auto n = static_cast<std::uint8_t>(i);
        frame.xyz.push_back(static_cast<std::uint8_t>(v + n));
        frame.xyz.push_back(static_cast<std::uint8_t>(2 * v + n));
        frame.xyz.push_back(static_cast<std::uint8_t>(3 * v + n));
      }
      f.frames.push_back(frame);
    }
    return f;
  }

  static std::vector<std::string> numberedNames(const std::string& base, int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) {
      names.push_back(base + (i < 10 ? "0" : "") + std::to_string(i));
    }
    return names;
  }

  std::vector<unsigned char> bytes() const {
    const std::int32_t frameSize = 40 + 4 * numVertices + framePadding;
    const std::int32_t offsetTexCoords = 68 + 64 * numSkins;
    const auto offsetTriangles = offsetTexCoords + static_cast<std::int32_t>(texCoords.size()) * 2;
    const auto offsetFrames = offsetTriangles + static_cast<std::int32_t>(triangles.size()) * 2;
    const auto offsetEnd = offsetFrames + static_cast<std::int32_t>(frames.size()) * frameSize;
    std::vector<unsigned char> out;
    for (const std::int32_t v :
         {0x32504449, version, skinWidth, skinHeight, frameSize, numSkins, numVertices,
          static_cast<std::int32_t>(texCoords.size() / 2),
          static_cast<std::int32_t>(triangles.size() / 6), 0,
          static_cast<std::int32_t>(frames.size()), 68, offsetTexCoords, offsetTriangles,
          offsetFrames, offsetEnd, offsetEnd}) {
      le::put32(out, static_cast<std::uint32_t>(v));
    }
    for (int s = 0; s < numSkins; ++s) appendName(out, "skin" + std::to_string(s) + ".pcx", 64);
    for (std::int16_t v : texCoords) le::put16(out, static_cast<std::uint16_t>(v));
    for (std::int16_t v : triangles) le::put16(out, static_cast<std::uint16_t>(v));
    for (const FrameData& frame : frames) {
      for (float f : {frame.scale[0], frame.scale[1], frame.scale[2], frame.translate[0],
                      frame.translate[1], frame.translate[2]}) {
        std::uint32_t bits;
        std::memcpy(&bits, &f, 4);
        le::put32(out, bits);
      }
      appendName(out, frame.name, 16);
      for (std::size_t v = 0; v + 2 < frame.xyz.size(); v += 3) {
        out.insert(out.end(), {frame.xyz[v], frame.xyz[v + 1], frame.xyz[v + 2], 0});  // no normal
      }
      out.insert(out.end(), static_cast<std::size_t>(framePadding), 0xAB);
    }
    return out;
  }

  static void appendName(std::vector<unsigned char>& out, const std::string& name, std::size_t size) {
    const std::size_t at = out.size();
    out.resize(at + size, 0);
    std::memcpy(out.data() + at, name.data(), std::min(name.size(), size));
  }
};

inline void setField(std::vector<unsigned char>& bytes, HeaderField field, std::int32_t value) {
  for (int b = 0; b < 4; ++b) {
    bytes[4 * static_cast<std::size_t>(field) + b] = static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * b));
  }
}

}  // namespace md2test
