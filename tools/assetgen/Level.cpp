// data/models/level.txt: the museum building. One object per material: floors, wall faces with
// their doorways and windows, ceilings, doorway and window reveals, the entrance door, the
// drop and exit markings, the signs over the doorways and the ceiling lamps.
//
// Every face winds counter-clockwise as seen from the room it belongs to and its vertices
// carry that room-facing normal; no vertex is shared between faces of different directions.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "AssetGen.h"
#include "MuseumLayout.h"
#include "NightLight.h"
#include "TextModelWriter.h"

using namespace museum;

namespace assetgen {
namespace {

constexpr double kWallTile = 20.0;      // wall texture repeat along a wall
constexpr double kWallHeight = ceilingY - floorY;
// The lights are lit per vertex: the floor grid is fine enough that the pool under a lamp
// shows round (its brightness halves about 28 units out); the dark ceiling needs less, its
// glow round a lamp being faint. Neither is in the collision list (see World.h). Finer
// grids cost frame time out of proportion under a software renderer.
constexpr double kFloorCell = 18.0;
constexpr double kCeilingCell = 40.0;
constexpr double kWallPiece = 50.0;     // longest wall quad, for the lighting along a wall
constexpr double kTrimWidth = 1.2;      // doorway architrave
constexpr double kTrimProud = 0.1;      // how far trim and signs stand off the wall
constexpr double kMullion = 0.3;        // half width of a window bar

enum Material {
  kMatHallFloor,
  kMatRoomFloor,
  kMatZones,
  kMatHallWall,
  kMatRoom3Wall,
  kMatRoom2Wall,
  kMatRoom4Wall,
  kMatCeiling,
  kMatDoorFrame,
  kMatDoor,
  kMatWindow,
  kMatSigns,
  kMatExitSign,
  kMatLamp,
  kMatHallOuterWall,
  kMatRoom2OuterWall,
  kMatRoom4OuterWall,
  kMaterialCount
};

// A plane face of the building: constant z (faces along z) or constant x; s runs along it.
struct Plane {
  bool constZ;
  double c;
  Vec3 normal;

  Vec3 at(double s, double y) const { return constZ ? Vec3{s, y, c} : Vec3{c, y, s}; }
  // Unit vector to the viewer's right when looking at the face from its front.
  Vec3 right() const { return cross(Vec3{0.0, 1.0, 0.0}, normal); }
  Plane offset(double d) const { return Plane{constZ, c + (constZ ? normal.z : normal.x) * d, normal}; }
};

struct Hole {
  double s0, s1, y0, y1;
};

struct WallRun {
  Plane plane;
  double s0, s1;
  int material;
  std::vector<Hole> holes;
};

class LevelBuilder {
 public:
  LevelBuilder() {
    using night::nightMaterial;
    // Dark at night: the building shows mostly where the lamps reach. Walls take less of the
    // lamps than floors (they face them squarely, with no falloff); their textures darken
    // towards the ceiling and carry the wall-washers' pools. The markings, the doorway signs
    // and the exit sign glow by themselves so that they stay easy to find.
    model_.materials = {
        nightMaterial("hall_floor", 0.06f, 2.2f, tex::kHallFloor),
        nightMaterial("room_floor", 0.06f, 2.3f, tex::kRoomFloor),
        nightMaterial("zones", 0.15f, 2.6f, tex::kZones, 0.42f),
        nightMaterial("hall_wall", 0.08f, 1.5f, tex::kHallWall),
        nightMaterial("room3_wall", 0.1f, 1.7f, tex::kRoom3Wall),
        nightMaterial("room2_wall", 0.1f, 1.7f, tex::kRoom2Wall),
        nightMaterial("room4_wall", 0.08f, 1.5f, tex::kRoom4Wall),
        nightMaterial("ceiling", 0.05f, 1.4f, tex::kCeiling),
        nightMaterial("door_frame", 0.12f, 2.0f, tex::kDoorFrame),
        nightMaterial("entrance", 0.12f, 2.0f, tex::kEntranceDoor),
        nightMaterial("windows", 0.12f, 1.6f, tex::kWindowFrame),
        nightMaterial("signs", 0.15f, 1.5f, tex::kSigns, 0.55f),
        nightMaterial("exit_sign", 0.1f, 0.5f, tex::kSigns, 1.0f),
        nightMaterial("lamps", 0.1f, 0.5f, tex::kLamp, 1.0f),
        // The outer walls face into the building, so every one of the five lamps shines on
        // them square (nothing casts a shadow): they take a third of an inner wall's share.
        nightMaterial("hall_outer", 0.08f, 0.55f, tex::kHallWall),
        nightMaterial("room2_outer", 0.1f, 0.65f, tex::kRoom2Wall),
        nightMaterial("room4_outer", 0.08f, 0.55f, tex::kRoom4Wall),
    };
    for (int i = 0; i < kMaterialCount; ++i) model_.addPart(model_.materials[i].name, i);
  }

  TextModel& model() { return model_; }
  MeshPart& part(int material) { return model_.parts[material]; }

  // A rectangle on a plane, s0..s1 by y0..y1, mapped with the wall texture.
  void wallRect(int material, const Plane& p, double s0, double s1, double y0, double y1) {
    const Vec3 right = p.right();
    auto uv = [&](Vec3 v) { return Uv{dot(v, right) / kWallTile, (v.y - floorY) / kWallHeight}; };
    const std::array<Vec3, 4> c = {p.at(s0, y0), p.at(s1, y0), p.at(s1, y1), p.at(s0, y1)};
    part(material).addQuad(c, {uv(c[0]), uv(c[1]), uv(c[2]), uv(c[3])}, p.normal);
  }

  // Full-height pieces from s0 to s1, none longer than kWallPiece.
  void wallSpan(int material, const Plane& p, double s0, double s1, double y0, double y1) {
    if (s1 - s0 <= 1e-9 || y1 - y0 <= 1e-9) return;
    const int pieces = std::max(1, static_cast<int>(std::ceil((s1 - s0) / kWallPiece - 1e-9)));
    for (int i = 0; i < pieces; ++i) {
      wallRect(material, p, s0 + (s1 - s0) * i / pieces, s0 + (s1 - s0) * (i + 1) / pieces, y0, y1);
    }
  }

  void wall(const WallRun& run) {
    std::vector<Hole> holes = run.holes;
    std::sort(holes.begin(), holes.end(), [](const Hole& a, const Hole& b) { return a.s0 < b.s0; });
    double cursor = run.s0;
    for (const Hole& h : holes) {
      wallSpan(run.material, run.plane, cursor, h.s0, floorY, ceilingY);
      wallSpan(run.material, run.plane, h.s0, h.s1, floorY, h.y0);
      wallSpan(run.material, run.plane, h.s0, h.s1, h.y1, ceilingY);
      cursor = h.s1;
    }
    wallSpan(run.material, run.plane, cursor, run.s1, floorY, ceilingY);
  }

  // A horizontal grid over the cut positions xs by zs at height y, seen from above (up) or
  // below, its corners shared between neighbouring cells: the lighting is worked out once per
  // grid point, not four times. Cells whose centre lies in hole are left out.
  void flatGrid(int material, const std::vector<double>& xs, const std::vector<double>& zs,
                double y, bool up, double tile, const Area* hole) {
    MeshPart& out = part(material);
    const Vec3 normal{0.0, up ? 1.0 : -1.0, 0.0};
    const int base = static_cast<int>(out.vertices.size());
    const int columns = static_cast<int>(xs.size());
    for (const double z : zs) {
      for (const double x : xs) {
        out.vertices.push_back({Vec3{x, y, z}, Uv{x / tile, -z / tile}, normal});
      }
    }
    for (std::size_t j = 0; j + 1 < zs.size(); ++j) {
      for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        if (hole && hole->contains(0.5 * (xs[i] + xs[i + 1]), 0.5 * (zs[j] + zs[j + 1]))) continue;
        const int a = base + static_cast<int>(j) * columns + static_cast<int>(i);
        const int b = a + 1, c = a + columns + 1, d = a + columns;
        // From above, x to the right and z towards the viewer: a, d, c, b runs anticlockwise.
        if (up) {
          out.triangles.push_back({a, d, c});
          out.triangles.push_back({a, c, b});
        } else {
          out.triangles.push_back({a, b, c});
          out.triangles.push_back({a, c, d});
        }
      }
    }
  }

  // A reveal face across a wall's thickness: in the plane s = s (facing +s or -s), from the
  // wall face at c0 to c1, y0..y1, mapped with the frame texture running along y.
  void jamb(int material, bool constZ, double s, double facing, double c0, double c1, double y0,
            double y1) {
    auto at = [&](double c, double y) { return constZ ? Vec3{s, y, c} : Vec3{c, y, s}; };
    const Vec3 normal = constZ ? Vec3{facing, 0.0, 0.0} : Vec3{0.0, 0.0, facing};
    const std::array<Vec3, 4> c = {at(c0, y0), at(c1, y0), at(c1, y1), at(c0, y1)};
    const double depth = std::fabs(c1 - c0);
    auto uv = [&](const Vec3& v) {
      const double across = (constZ ? v.z : v.x) - std::min(c0, c1);
      return Uv{across / std::max(depth, 1e-9), (v.y - y0) / 4.0};
    };
    part(material).addQuad(c, {uv(c[0]), uv(c[1]), uv(c[2]), uv(c[3])}, normal);
  }

  // A horizontal reveal (sill, head or threshold) over s0..s1 and the wall's thickness.
  void reveal(int material, bool constZ, double s0, double s1, double c0, double c1, double y,
              bool up) {
    auto at = [&](double s, double c) { return constZ ? Vec3{s, y, c} : Vec3{c, y, s}; };
    const std::array<Vec3, 4> c = {at(s0, c0), at(s1, c0), at(s1, c1), at(s0, c1)};
    const double depth = std::fabs(c1 - c0);
    auto uv = [&](const Vec3& v) {
      const double along = constZ ? v.x : v.z;
      const double across = (constZ ? v.z : v.x) - std::min(c0, c1);
      return Uv{across / std::max(depth, 1e-9), (along - s0) / 4.0};
    };
    part(material).addQuad(c, {uv(c[0]), uv(c[1]), uv(c[2]), uv(c[3])},
                           Vec3{0.0, up ? 1.0 : -1.0, 0.0});
  }

  // A stone sill across a doorway, a hair above the floor and reaching a little into the
  // rooms on both sides: it covers the seam between their floors, which therefore need no
  // vertices at the doorway's edges.
  void threshold(bool constZ, double s0, double s1, double c0, double c1) {
    const double overlap = 0.5;
    const double y = floorY + 0.02;
    reveal(kMatDoorFrame, constZ, s0, s1, std::min(c0, c1) - overlap, std::max(c0, c1) + overlap,
           y, true);
  }

  // A rectangle with explicit texture coordinates: u0..u1 from the viewer's left to right,
  // v0 at the bottom, v1 at the top.
  void picture(int material, const Plane& p, double s0, double s1, double y0, double y1,
               double u0, double u1, double v0, double v1) {
    // Along s the viewer's right is +s when right() points along +s.
    const Vec3 r = p.right();
    const bool sRight = (p.constZ ? r.x : r.z) > 0.0;
    const double uAtS0 = sRight ? u0 : u1;
    const double uAtS1 = sRight ? u1 : u0;
    const std::array<Vec3, 4> c = {p.at(s0, y0), p.at(s1, y0), p.at(s1, y1), p.at(s0, y1)};
    part(material).addQuad(c, {Uv{uAtS0, v0}, Uv{uAtS1, v0}, Uv{uAtS1, v1}, Uv{uAtS0, v1}},
                           p.normal);
  }

  // A strip of architrave: the moulding's profile runs across the strip (u), the grain
  // along it (v).
  void trimRect(const Plane& p, double s0, double s1, double y0, double y1, bool vertical) {
    const Plane front = p.offset(kTrimProud);
    const std::array<Vec3, 4> c = {front.at(s0, y0), front.at(s1, y0), front.at(s1, y1),
                                   front.at(s0, y1)};
    std::array<Uv, 4> uv;
    if (vertical) {
      uv = {Uv{0.0, y0 / 4.0}, Uv{1.0, y0 / 4.0}, Uv{1.0, y1 / 4.0}, Uv{0.0, y1 / 4.0}};
    } else {
      uv = {Uv{0.0, s0 / 4.0}, Uv{0.0, s1 / 4.0}, Uv{1.0, s1 / 4.0}, Uv{1.0, s0 / 4.0}};
    }
    part(kMatDoorFrame).addQuad(c, uv, front.normal);
  }

  void architrave(const Plane& p, double s0, double s1, double top) {
    trimRect(p, s0 - kTrimWidth, s0, floorY, top, true);
    trimRect(p, s1, s1 + kTrimWidth, floorY, top, true);
    trimRect(p, s0 - kTrimWidth, s1 + kTrimWidth, top, top + kTrimWidth, false);
  }

  void sign(const Plane& p, double centre, int row) {
    const Plane front = p.offset(kTrimProud);
    const double halfWidth = 7.0;
    const double y0 = doorTopY + kTrimWidth + 0.4;
    const double y1 = y0 + 2.2;
    const double v1 = 1.0 - static_cast<double>(row) / kSignRows;
    const double v0 = 1.0 - static_cast<double>(row + 1) / kSignRows;
    picture(row == kSignExit ? kMatExitSign : kMatSigns, front, centre - halfWidth, centre + halfWidth, y0, y1, 0.0, 1.0, v0, v1);
  }

 private:
  TextModel model_;
};

// Cut positions from lo to hi: the given ones that lie inside, then every gap split evenly
// into cells no wider than cell.
std::vector<double> cuts(double lo, double hi, double cell, std::vector<double> wanted,
                         const std::vector<double>& optional) {
  std::vector<double> fixed = {lo, hi};
  for (double w : wanted) {
    if (w > lo && w < hi) fixed.push_back(w);
  }
  // Light positions are wanted only where they are not crowding a fixed cut.
  for (double o : optional) {
    if (o <= lo || o >= hi) continue;
    bool crowded = false;
    for (double f : fixed) crowded = crowded || std::fabs(f - o) < 8.0;
    if (!crowded) fixed.push_back(o);
  }
  std::sort(fixed.begin(), fixed.end());
  fixed.erase(std::unique(fixed.begin(), fixed.end()), fixed.end());
  std::vector<double> out;
  for (std::size_t i = 0; i + 1 < fixed.size(); ++i) {
    const double gap = fixed[i + 1] - fixed[i];
    const int n = std::max(1, static_cast<int>(std::ceil(gap / cell - 1e-9)));
    for (int k = 0; k < n; ++k) out.push_back(fixed[i] + gap * k / n);
  }
  out.push_back(hi);
  return out;
}

void gridArea(LevelBuilder& b, int material, const Area& a, double y, bool up, double cell,
              double tile, const std::vector<double>& extraX, const std::vector<double>& extraZ,
              const Area* hole) {
  std::vector<double> wantX = extraX;
  std::vector<double> wantZ = extraZ;
  std::vector<double> lightX, lightZ;
  for (const auto& l : roomLights) {  // x, y, z
    if (a.contains(l[0], l[2])) {
      lightX.push_back(l[0]);
      lightZ.push_back(l[2]);
    }
  }
  const std::vector<double> xs = cuts(a.x0, a.x1, cell, wantX, lightX);
  const std::vector<double> zs = cuts(a.z0, a.z1, cell, wantZ, lightZ);
  b.flatGrid(material, xs, zs, y, up, tile, hole);
}

void addFloorsAndCeilings(LevelBuilder& b) {
  // The hall's two corridors meet along z = 50 for x 0..52 with the same cuts there.
  const std::vector<double> hallX = {25.0, 52.0, exitZone.x0, exitZone.x1};
  const std::vector<double> hallZ = {exitZone.z1};
  struct Region {
    Area area;
    int floorMaterial;
  };
  const Region regions[] = {{hallFront, kMatHallFloor}, {hallLeft, kMatHallFloor},
                            {room3Area, kMatRoomFloor},     {room2Area, kMatRoomFloor},
                            {room4Area, kMatRoomFloor}};
  for (const Region& r : regions) {
    const bool front = r.area.z0 == hallFront.z0 && r.area.x1 == hallFront.x1;
    const bool hall = r.floorMaterial == kMatHallFloor;
    gridArea(b, r.floorMaterial, r.area, floorY, true, kFloorCell, hall ? 10.0 : 12.0,
             hall ? hallX : std::vector<double>{}, hall ? hallZ : std::vector<double>{},
             front ? &exitZone : nullptr);
    gridArea(b, kMatCeiling, r.area, ceilingY, false, kCeilingCell, 40.0,
             hall ? std::vector<double>{25.0, 52.0} : std::vector<double>{}, {}, nullptr);
  }
  // The exit zone, with the drop zone at its left end, in one picture: its top edge lies along
  // the front wall so that it reads from inside the hall.
  const std::array<Vec3, 4> zone = {Vec3{exitZone.x0, floorY, exitZone.z0},
                                    Vec3{exitZone.x1, floorY, exitZone.z0},
                                    Vec3{exitZone.x1, floorY, exitZone.z1},
                                    Vec3{exitZone.x0, floorY, exitZone.z1}};
  b.part(kMatZones).addQuad(zone, {Uv{0.0, 1.0}, Uv{1.0, 1.0}, Uv{1.0, 0.0}, Uv{0.0, 0.0}},
                            Vec3{0.0, 1.0, 0.0});
  // Ceiling lamps over the five lights.
  for (const auto& l : roomLights) {
    const double r = 3.5;
    const std::array<Vec3, 4> c = {Vec3{l[0] - r, ceilingY - 0.05, l[2] - r},
                                   Vec3{l[0] + r, ceilingY - 0.05, l[2] - r},
                                   Vec3{l[0] + r, ceilingY - 0.05, l[2] + r},
                                   Vec3{l[0] - r, ceilingY - 0.05, l[2] + r}};
    b.part(kMatLamp).addQuad(c, {Uv{0.0, 0.0}, Uv{1.0, 0.0}, Uv{1.0, 1.0}, Uv{0.0, 1.0}},
                             Vec3{0.0, -1.0, 0.0});
  }
}

std::vector<Hole> windowHoles(const double* centres, std::size_t count, double from, double to) {
  std::vector<Hole> holes;
  for (std::size_t i = 0; i < count; ++i) {
    if (centres[i] > from && centres[i] < to) {
      holes.push_back(Hole{centres[i] - windowWidth / 2, centres[i] + windowWidth / 2,
                           windowSillY, windowTopY});
    }
  }
  return holes;
}

// The doorway openings of walls of the given kind and thickness start as holes.
std::vector<Hole> doorHoles(bool wallAlongX, double lo, double from, double to) {
  std::vector<Hole> holes;
  for (const Doorway& d : doorways) {
    if (d.wallAlongX == wallAlongX && d.lo == lo && d.from >= from && d.to <= to) {
      holes.push_back(Hole{d.from, d.to, floorY, doorTopY});
    }
  }
  return holes;
}

template <std::size_t N>
std::vector<Hole> windows(const double (&centres)[N], double from, double to) {
  return windowHoles(centres, N, from, to);
}

void addWalls(LevelBuilder& b) {
  const Plane frontOuter{true, 0.0, {0, 0, 1}};
  const Plane leftOuter{false, 0.0, {1, 0, 0}};
  const Plane rightOuter{false, 500.0, {-1, 0, 0}};
  const Plane backOuter{true, 485.0, {0, 0, -1}};

  std::vector<Hole> front = windows(frontWindows, 0.0, 500.0);
  front.push_back(Hole{entranceFrom, entranceTo, floorY, doorTopY});

  const std::vector<WallRun> runs = {
      // The hall.
      {frontOuter, 0.0, 500.0, kMatHallOuterWall, front},
      {leftOuter, 0.0, 485.0, kMatHallOuterWall, windows(leftWindows, 0.0, 485.0)},
      {rightOuter, 0.0, 50.0, kMatHallOuterWall, windows(rightWindows, 0.0, 50.0)},
      {backOuter, 0.0, 52.0, kMatHallOuterWall, {}},
      {Plane{true, 50.0, {0, 0, -1}}, 52.0, 500.0, kMatHallWall, doorHoles(true, 50.0, 52.0, 500.0)},
      {Plane{false, 52.0, {-1, 0, 0}}, 50.0, 485.0, kMatHallWall, doorHoles(false, 52.0, 50.0, 485.0)},
      // Room 3.
      {Plane{false, 54.0, {1, 0, 0}}, 52.0, 273.0, kMatRoom3Wall, doorHoles(false, 52.0, 52.0, 273.0)},
      {Plane{true, 52.0, {0, 0, 1}}, 54.0, 280.0, kMatRoom3Wall, doorHoles(true, 50.0, 54.0, 280.0)},
      {Plane{false, 280.0, {-1, 0, 0}}, 52.0, 273.0, kMatRoom3Wall, doorHoles(false, 280.0, 52.0, 273.0)},
      {Plane{true, 273.0, {0, 0, -1}}, 54.0, 280.0, kMatRoom3Wall, doorHoles(true, 273.0, 54.0, 280.0)},
      // Room 2.
      {Plane{false, 282.0, {1, 0, 0}}, 52.0, 273.0, kMatRoom2Wall, doorHoles(false, 280.0, 52.0, 273.0)},
      {Plane{true, 52.0, {0, 0, 1}}, 282.0, 500.0, kMatRoom2Wall, doorHoles(true, 50.0, 282.0, 500.0)},
      {Plane{true, 273.0, {0, 0, -1}}, 282.0, 500.0, kMatRoom2Wall, doorHoles(true, 273.0, 282.0, 500.0)},
      {rightOuter, 52.0, 273.0, kMatRoom2OuterWall, windows(rightWindows, 52.0, 273.0)},
      // Room 4.
      {Plane{false, 54.0, {1, 0, 0}}, 275.0, 485.0, kMatRoom4Wall, doorHoles(false, 52.0, 275.0, 485.0)},
      {Plane{true, 275.0, {0, 0, 1}}, 54.0, 500.0, kMatRoom4Wall, doorHoles(true, 273.0, 54.0, 500.0)},
      {rightOuter, 275.0, 485.0, kMatRoom4OuterWall, windows(rightWindows, 275.0, 485.0)},
      {backOuter, 54.0, 500.0, kMatRoom4OuterWall, {}},
  };
  for (const WallRun& run : runs) b.wall(run);
}

// Reveals, threshold, architraves and signs of the doorways.
void addDoorways(LevelBuilder& b) {
  // What each side of each doorway shows above it: the room that lies beyond.
  const int signs[][2] = {{kSignRoom3, kSignHall}, {kSignRoom2, kSignHall}, {kSignRoom3, kSignHall},
                          {kSignRoom4, kSignHall}, {kSignRoom2, kSignRoom3}, {kSignRoom4, kSignRoom3},
                          {kSignRoom4, kSignRoom2}};
  int index = 0;
  for (const Doorway& d : doorways) {
    const bool constZ = d.wallAlongX;  // the jambs lie in planes of constant s
    b.jamb(kMatDoorFrame, constZ, d.from, 1.0, d.lo, d.hi, floorY, doorTopY);
    b.jamb(kMatDoorFrame, constZ, d.to, -1.0, d.lo, d.hi, floorY, doorTopY);
    b.reveal(kMatDoorFrame, constZ, d.from, d.to, d.lo, d.hi, doorTopY, false);
    b.threshold(constZ, d.from, d.to, d.lo, d.hi);
    const Plane loFace{constZ, d.lo, constZ ? Vec3{0, 0, -1} : Vec3{-1, 0, 0}};
    const Plane hiFace{constZ, d.hi, constZ ? Vec3{0, 0, 1} : Vec3{1, 0, 0}};
    for (const Plane& face : {loFace, hiFace}) b.architrave(face, d.from, d.to, doorTopY);
    const double centre = 0.5 * (d.from + d.to);
    b.sign(loFace, centre, signs[index][0]);
    b.sign(hiFace, centre, signs[index][1]);
    ++index;
  }
}

// The closed entrance door, set 1 unit into the front wall, with its frame and exit sign.
void addEntrance(LevelBuilder& b) {
  const double recess = -1.0;
  const Plane door{true, recess, {0, 0, 1}};
  b.picture(kMatDoor, door, entranceFrom, entranceTo, floorY, doorTopY, 0.0, 1.0, 0.0, 1.0);
  b.jamb(kMatDoorFrame, true, entranceFrom, 1.0, recess, 0.0, floorY, doorTopY);
  b.jamb(kMatDoorFrame, true, entranceTo, -1.0, recess, 0.0, floorY, doorTopY);
  b.reveal(kMatDoorFrame, true, entranceFrom, entranceTo, recess, 0.0, doorTopY, false);
  b.threshold(true, entranceFrom, entranceTo, recess, 0.0);
  const Plane wall{true, 0.0, {0, 0, 1}};
  b.architrave(wall, entranceFrom, entranceTo, doorTopY);
  b.sign(wall, 0.5 * (entranceFrom + entranceTo), kSignExit);
}

// Reveals and mullion of the windows of one outer wall; the wall runs from its inner face
// outwards by outerWallThickness.
void addWindows(LevelBuilder& b, const Plane& inner, const double* centres, std::size_t count) {
  const double outward = -outerWallThickness;  // along the normal, which points inwards
  const double c0 = inner.c;
  const double c1 = inner.offset(outward).c;
  const double middle = 0.5 * (c0 + c1);
  const Plane bars{inner.constZ, middle, inner.normal};
  for (std::size_t i = 0; i < count; ++i) {
    const double s0 = centres[i] - windowWidth / 2;
    const double s1 = centres[i] + windowWidth / 2;
    const double sc = centres[i];
    b.jamb(kMatWindow, inner.constZ, s0, 1.0, c0, c1, windowSillY, windowTopY);
    b.jamb(kMatWindow, inner.constZ, s1, -1.0, c0, c1, windowSillY, windowTopY);
    b.reveal(kMatWindow, inner.constZ, s0, s1, c0, c1, windowTopY, false);
    b.reveal(kMatWindow, inner.constZ, s0, s1, c0, c1, windowSillY, true);
    b.picture(kMatWindow, bars, sc - kMullion, sc + kMullion, windowSillY, windowTopY, 0.0, 0.1,
              0.0, 1.0);
  }
}

// Dark wooden boards behind the swords of room 4: two on the back wall, two on the wall to
// rooms 3 and 2, where the swords hang a unit off the wall.
void addSwordBoards(LevelBuilder& b) {
  for (double x : kSwordBoards) {
    const Vec3 lo{x - kSwordBoardHalfWidth, -4.5, room4Area.z1 - kSwordBoardDepth};
    const Vec3 hi{x + kSwordBoardHalfWidth, 6.5, room4Area.z1};
    addBox(b.part(kMatDoorFrame), lo, hi, kAllFaces & ~kFaceMaxZ, 4.0);
  }
  for (double x : kFrontSwordBoards) {
    const Vec3 lo{x - kSwordBoardHalfWidth, -4.5, room4Area.z0};
    const Vec3 hi{x + kSwordBoardHalfWidth, 6.5, room4Area.z0 + kFrontSwordBoardDepth};
    addBox(b.part(kMatDoorFrame), lo, hi, kAllFaces & ~kFaceMinZ, 4.0);
  }
}

template <std::size_t N>
void addWindows(LevelBuilder& b, const Plane& inner, const double (&centres)[N]) {
  addWindows(b, inner, centres, N);
}

}  // namespace

TextModel buildLevelModel() {
  LevelBuilder b;
  addFloorsAndCeilings(b);
  addWalls(b);
  addDoorways(b);
  addEntrance(b);
  addSwordBoards(b);
  addWindows(b, Plane{true, 0.0, {0, 0, 1}}, frontWindows);
  addWindows(b, Plane{false, 0.0, {1, 0, 0}}, leftWindows);
  addWindows(b, Plane{false, 500.0, {-1, 0, 0}}, rightWindows);
  return b.model();
}

}  // namespace assetgen

bool writeLevelAssets(const std::string& dataDir) {
  return assetgen::writeTextModel(dataDir + "/models/level.txt", assetgen::buildLevelModel());
}
