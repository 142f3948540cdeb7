// Writes key-frame models in the MD2 format (version 8): header, one skin name, texture
// coordinates, triangles, quantised frames and a plain list of GL commands.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace assetgen {

struct Md2Point {
  double x, y, z;  // game axes: x and z on the floor, y up
};

struct Md2Triangle {
  std::array<int, 3> vertex;    // indices into every frame's points
  std::array<int, 3> texCoord;  // indices into Md2Content::texCoords
};

struct Md2KeyFrame {
  std::string name;              // at most 15 characters, e.g. "walk01"
  std::vector<Md2Point> points;  // one per vertex, same count in every frame
};

struct Md2Content {
  int skinWidth = 256;
  int skinHeight = 256;
  std::string skinName;                         // at most 63 characters
  std::vector<std::array<int, 2>> texCoords;    // s, t in skin pixels, t from the top row
  std::vector<Md2Triangle> triangles;           // counter-clockwise seen from outside
  std::vector<Md2KeyFrame> frames;
};

// The largest frame the game's loader takes: 40 bytes of scale, translate and name plus four
// bytes per vertex.
constexpr int kMd2MaxFrameBytes = 8320;

// The file's bytes. Each frame's points are stored in the file's z-up axes (file x = game x,
// file y = -game z, file z = game y), quantised to a byte per axis over the frame's own
// bounding box. The triangles are stored clockwise seen from outside, the order the game's
// draw shows (it culls front faces, counter-clockwise being front). Returns an empty string
// and prints the reason when the content does not fit the format.
std::string encodeMd2(const Md2Content& content);

}  // namespace assetgen
