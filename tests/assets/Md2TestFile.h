// Small MD2 files built byte by byte for the loader and animation tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

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
    std::vector<unsigned char> out(68, 0);
    const std::int32_t frameSize = 40 + 4 * numVertices + framePadding;
    const std::int32_t offsetSkins = 68;
    const std::int32_t offsetTexCoords = offsetSkins + 64 * numSkins;
    const std::int32_t offsetTriangles =
        offsetTexCoords + static_cast<std::int32_t>(texCoords.size()) * 2;
    const std::int32_t offsetFrames =
        offsetTriangles + static_cast<std::int32_t>(triangles.size()) * 2;
    const std::int32_t offsetEnd =
        offsetFrames + static_cast<std::int32_t>(frames.size()) * frameSize;
    const std::int32_t header[17] = {
        0x32504449, version, skinWidth, skinHeight, frameSize, numSkins, numVertices,
        static_cast<std::int32_t>(texCoords.size() / 2),
        static_cast<std::int32_t>(triangles.size() / 6), 0,
        static_cast<std::int32_t>(frames.size()), offsetSkins, offsetTexCoords,
        offsetTriangles, offsetFrames, offsetEnd, offsetEnd};
    for (int i = 0; i < 17; ++i) {
      put32(out, 4 * static_cast<std::size_t>(i), header[i]);
    }
    for (int s = 0; s < numSkins; ++s) {
      const std::string skin = "skin" + std::to_string(s) + ".pcx";
      std::vector<unsigned char> name(64, 0);
      std::memcpy(name.data(), skin.data(), skin.size());
      out.insert(out.end(), name.begin(), name.end());
    }
    for (std::int16_t v : texCoords) append16(out, v);
    for (std::int16_t v : triangles) append16(out, v);
    for (const FrameData& frame : frames) {
      for (float s : frame.scale) appendFloat(out, s);
      for (float t : frame.translate) appendFloat(out, t);
      std::vector<unsigned char> name(16, 0);
      std::memcpy(name.data(), frame.name.data(), frame.name.size() < 16 ? frame.name.size() : 16);
      out.insert(out.end(), name.begin(), name.end());
      for (std::size_t v = 0; v + 2 < frame.xyz.size(); v += 3) {
        out.push_back(frame.xyz[v]);
        out.push_back(frame.xyz[v + 1]);
        out.push_back(frame.xyz[v + 2]);
        out.push_back(0);  // normal index
      }
      out.insert(out.end(), static_cast<std::size_t>(framePadding), 0xAB);
    }
    return out;
  }

  static void put32(std::vector<unsigned char>& out, std::size_t at, std::int32_t value) {
    std::uint32_t u;
    std::memcpy(&u, &value, 4);
    for (int b = 0; b < 4; ++b) out[at + static_cast<std::size_t>(b)] = (u >> (8 * b)) & 0xFF;
  }
  static void append16(std::vector<unsigned char>& out, std::int16_t value) {
    const auto u = static_cast<std::uint16_t>(value);
    out.push_back(u & 0xFF);
    out.push_back(u >> 8);
  }
  static void appendFloat(std::vector<unsigned char>& out, float value) {
    std::int32_t bits;
    std::memcpy(&bits, &value, 4);
    out.resize(out.size() + 4);
    put32(out, out.size() - 4, bits);
  }
};

inline void setField(std::vector<unsigned char>& bytes, HeaderField field, std::int32_t value) {
  Md2File::put32(bytes, 4 * static_cast<std::size_t>(field), value);
}

}  // namespace md2test
