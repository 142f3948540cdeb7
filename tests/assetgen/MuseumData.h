// What the museum tests share: the generated models read from data/ with the game's own
// parser, the rooms and patrols the level must leave free, and the game's collision asked
// whether a sphere touches the level.
#pragma once

#include "geometry/MuseumPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "assets/MeshModel.h"
#include "geometry/Camera.h"

namespace museumtest {

const std::string kDataDir = VAULTRUN_SOURCE_DIR "/data/";

struct P {
  double x = 0, y = 0, z = 0;
};
inline P operator+(P a, P b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline P operator-(P a, P b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline P operator*(P a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double dot(P a, P b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline P cross(P a, P b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double len(P a) { return std::sqrt(dot(a, a)); }
inline P toP(const Vector3& v) { return {v.x, v.y, v.z}; }

struct Tri {
  P a, b, c;
  P fileNormal;  // the normal the file gives its first corner (level only)
};

inline std::string readText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Parses data/<relative> with the game's parser; a failure is reported and gives null.
inline std::unique_ptr<MeshModel> parseModel(const std::string& relative, bool readNormals) {
  std::string error;
  auto model = parseMeshModel(readText(kDataDir + relative), readNormals, error);
  EXPECT_TRUE(model) << relative << ": " << error;
  return model;
}

inline std::vector<Tri> triangles(const MeshModel& m) {
  std::vector<Tri> out;
  for (const MeshObject& o : m.objects) {
    for (std::size_t f = 0; f < o.faceVertices.size(); ++f) {
      const auto& v = o.faceVertices[f];
      out.push_back({toP(o.vertices[v[0]]), toP(o.vertices[v[1]]), toP(o.vertices[v[2]]),
                     toP(o.vertexNormals[v[0]])});
    }
  }
  return out;
}

// The level's triangles, parsed once.
inline const std::vector<Tri>& levelTris() {
  static const std::vector<Tri> tris = [] {
    auto m = parseModel("models/level.txt", true);
    return m ? triangles(*m) : std::vector<Tri>{};
  }();
  return tris;
}

// Whether the game's own collision moves a sphere of this radius at p off the level: it
// touches a face there. (A gap narrower than about the radius goes unnoticed, as the player
// could not pass through it.)
inline bool sphereTouchesLevel(P p, double radius) {
  static const std::vector<Vector3> list = [] {
    std::vector<Vector3> corners;
    for (const Tri& t : levelTris()) {
      for (const P& c : {t.a, t.b, t.c}) corners.emplace_back(c.x, c.y, c.z);
    }
    return corners;
  }();
  const Vector3 at(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
  Camera sphere(at.x, at.y, at.z, at.x + 1.0f, at.y, at.z, 0.0f, 1.0f, 0.0f);
  sphere.radius = static_cast<float>(radius);
  sphere.collideWithTriangles(list.data(), static_cast<std::int32_t>(list.size()));
  return !(sphere.position == at);
}

// ---- The museum's floor, from its plan ----

// On a room's floor, edges included, kept margin away from them.
inline bool insideMuseum(double x, double z, double margin = 0) {
  for (const museum::FloorArea& floor : museum::floorAreas) {
    const museum::Area& a = floor.area;
    if (x >= a.x0 + margin && x <= a.x1 - margin && z >= a.z0 + margin && z <= a.z1 - margin) {
      return true;
    }
  }
  return false;
}

}  // namespace museumtest
