// What the museum tests share: the generated models read from data/ with the game's own
// parser, the rooms and patrols the level must leave free, and a little geometry (point-triangle distance, triangle-box
// overlap, segment-triangle crossing).
#pragma once

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

// ---- Geometry ----

inline P closestOnTriangle(P p, const Tri& t) {
  // By the Voronoi regions of the corners, then the edges, then the face.
  const P ab = t.b - t.a, ac = t.c - t.a, ap = p - t.a;
  const double d1 = dot(ab, ap), d2 = dot(ac, ap);
  if (d1 <= 0 && d2 <= 0) return t.a;
  const P bp = p - t.b;
  const double d3 = dot(ab, bp), d4 = dot(ac, bp);
  if (d3 >= 0 && d4 <= d3) return t.b;
  const double vc = d1 * d4 - d3 * d2;
  if (vc <= 0 && d1 >= 0 && d3 <= 0) return t.a + ab * (d1 / (d1 - d3));
  const P cp = p - t.c;
  const double d5 = dot(ab, cp), d6 = dot(ac, cp);
  if (d6 >= 0 && d5 <= d6) return t.c;
  const double vb = d5 * d2 - d1 * d6;
  if (vb <= 0 && d2 >= 0 && d6 <= 0) return t.a + ac * (d2 / (d2 - d6));
  const double va = d3 * d6 - d5 * d4;
  if (va <= 0 && (d4 - d3) >= 0 && (d5 - d6) >= 0) {
    return t.b + (t.c - t.b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
  }
  const double denom = 1.0 / (va + vb + vc);
  return t.a + ab * (vb * denom) + ac * (vc * denom);
}

inline double distanceToTriangle(P p, const Tri& t) {
  return len(p - closestOnTriangle(p, t));
}

// Separating-axis test of a triangle against the open box lo..hi.
inline bool triangleTouchesBox(const Tri& t, P lo, P hi) {
  const P c = (lo + hi) * 0.5;
  const P e = (hi - lo) * 0.5;
  const P v[3] = {t.a - c, t.b - c, t.c - c};
  auto overlaps = [&](P axis) {
    const double r = e.x * std::fabs(axis.x) + e.y * std::fabs(axis.y) + e.z * std::fabs(axis.z);
    double mn = 1e30, mx = -1e30;
    for (const P& q : v) {
      mn = std::min(mn, dot(q, axis));
      mx = std::max(mx, dot(q, axis));
    }
    return !(mn >= r || mx <= -r);
  };
  const P axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (const P& a : axes) {
    if (!overlaps(a)) return false;
  }
  const P edges[3] = {v[1] - v[0], v[2] - v[1], v[0] - v[2]};
  if (!overlaps(cross(edges[0], edges[1]))) return false;
  for (const P& a : axes) {
    for (const P& ed : edges) {
      const P axis = cross(a, ed);
      if (len(axis) > 1e-12 && !overlaps(axis)) return false;
    }
  }
  return true;
}

// Whether the segment from p to q passes through the triangle.
inline bool segmentCrossesTriangle(P p, P q, const Tri& t) {
  const P n = cross(t.b - t.a, t.c - t.a);
  const double dp = dot(p - t.a, n), dq = dot(q - t.a, n);
  if ((dp > 0) == (dq > 0) || dp == dq) return false;
  const P x = p + (q - p) * (dp / (dp - dq));
  const P c1 = cross(t.b - t.a, x - t.a), c2 = cross(t.c - t.b, x - t.b), c3 = cross(t.a - t.c, x - t.c);
  return dot(c1, n) >= 0 && dot(c2, n) >= 0 && dot(c3, n) >= 0;
}

// ---- The museum's fixed coordinates ----

struct Area {
  double x0, z0, x1, z1;
  bool contains(double x, double z, double margin = 0) const {
    return x >= x0 + margin && x <= x1 - margin && z >= z0 + margin && z <= z1 - margin;
  }
};

// Index 0 and 1: the hall's front and left corridors (room 1); then rooms 2, 3, 4.
const Area kHallFront{0, 0, 500, 50};
const Area kHallLeft{0, 50, 52, 485};
const Area kRoom2{282, 52, 500, 273};
const Area kRoom3{54, 52, 280, 273};
const Area kRoom4{54, 275, 500, 485};

inline const Area& roomArea(int room) {
  return room == 2 ? kRoom2 : room == 3 ? kRoom3 : kRoom4;
}

inline bool insideMuseum(double x, double z, double margin = 0) {
  for (const Area* a : {&kHallFront, &kHallLeft, &kRoom2, &kRoom3, &kRoom4}) {
    if (a->contains(x, z, margin)) return true;
  }
  return false;
}

const double kPatrol1[4][2] = {{26, 25}, {395, 25}, {395, 164}, {26, 164}};
const double kPatrol2[4][2] = {{162, 164}, {162, 386}, {395, 386}, {395, 164}};

// The picture files in the order of rooms 3, 2, 4 (pic1..24 and picn1..12) and their rooms.
inline std::string pictureFile(int i) {
  return i < 24 ? "models/pictures/pic" + std::to_string(i + 1) + ".txt"
                : "models/pictures/picn" + std::to_string(i - 23) + ".txt";
}
inline int pictureRoom(int i) { return i < 12 ? 3 : (i < 24 ? 2 : 4); }

// placeAtPictureCentre's rule on the first four vertices of the first object.
inline P pictureCentre(const MeshModel& m) {
  const auto& v = m.objects[0].vertices;
  auto mid = [](double a, double b) { return std::max(a, b) - std::fabs(a - b) / 2; };
  const bool sameX = v[0].x == v[1].x && v[0].x == v[2].x && v[0].x == v[3].x;
  if (sameX) return {v[0].x, mid(v[0].y, v[2].y), mid(v[0].z, v[2].z)};
  return {mid(v[0].x, v[2].x), mid(v[0].y, v[2].y), v[0].z};
}

}  // namespace museumtest
