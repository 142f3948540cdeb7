// The generated level (data/models/level.txt, made by the build before the tests run) against
// the museum's fixed coordinates: faces look into open space, the player's sphere cannot
// leave, the doorways are open exactly at the room tracking's strips, the guards walk only
// through doorways, and the wall switches sit on their walls.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/assetgen/MuseumData.h"

namespace {

using namespace museumtest;

// Solid inner wall blocks (x0, z0, x1, z1) and their doorway openings (the strips).
const double kInnerWalls[4][4] = {{52, 50, 54, 485}, {52, 50, 500, 52}, {280, 52, 282, 273},
                                  {54, 273, 500, 275}};
struct Strip {
  double x0, z0, x1, z1;  // the doorway's opening through its wall
};
const Strip kDoorways[] = {{152, 50, 181, 52},  {381, 50, 410, 52},  {52, 150, 54, 176},
                           {52, 375, 54, 398},  {280, 152, 282, 175}, {152, 273, 181, 275},
                           {381, 273, 410, 275}};
constexpr double kDoorTop = 3.2;  // every doorway is open at least up to the top of the sphere

bool inDoorway(P p) {
  for (const Strip& d : kDoorways) {
    if (p.x > d.x0 && p.x < d.x1 && p.z > d.z0 - 0.01 && p.z < d.z1 + 0.01 && p.y < 8.0) return true;
  }
  return false;
}

// Inside a wall, outside the building, or beyond floor and ceiling. The outer walls are 2 thick;
// below the window sills (3.5) they are solid except for the entrance door's recess.
bool solid(P p) {
  if (p.y < -6.0 || p.y > 14.0) return true;
  if (p.x < -2.5 || p.x > 502.5 || p.z < -2.5 || p.z > 487.5) return true;
  const bool inOuterWall = p.x < 0 || p.x > 500 || p.z < 0 || p.z > 485;
  if (inOuterWall) {
    const bool doorRecess = p.z < 0 && p.z > -1.01 && p.x > 440 && p.x < 480 && p.y < 8.0;
    return p.y < 3.5 && !doorRecess;
  }
  for (const auto& w : kInnerWalls) {
    if (p.x > w[0] && p.x < w[2] && p.z > w[1] && p.z < w[3]) return !inDoorway(p);
  }
  return false;
}

std::vector<Tri> near(const std::vector<Tri>& all, P lo, P hi) {
  std::vector<Tri> out;
  for (const Tri& t : all) {
    if (triangleTouchesBox(t, lo, hi)) out.push_back(t);
  }
  return out;
}

bool anyTouches(const std::vector<Tri>& tris, P lo, P hi) {
  for (const Tri& t : tris) {
    if (triangleTouchesBox(t, lo, hi)) return true;
  }
  return false;
}

bool anyCrosses(const std::vector<Tri>& tris, P a, P b) {
  for (const Tri& t : tris) {
    if (segmentCrossesTriangle(a, b, t)) return true;
  }
  return false;
}

TEST(MuseumLevel, StaysWithinItsTriangleBudgetAndEveryFaceLooksIntoOpenSpace) {
  const std::vector<Tri>& tris = levelTris();
  ASSERT_FALSE(tris.empty());
  // Every one is lit and drawn every frame; the camera's collision tests those that reach
  // into its sphere's heights (round y = 1, with slack) every frame.
  EXPECT_LT(tris.size(), 10000u);
  const auto reaches = [](const Tri& t) {
    return std::max({t.a.y, t.b.y, t.c.y}) >= -2.2 && std::min({t.a.y, t.b.y, t.c.y}) <= 4.2;
  };
  EXPECT_LT(std::count_if(tris.begin(), tris.end(), reaches), 1500);
  int wrongWinding = 0, intoSolid = 0;
  for (const Tri& t : tris) {
    const P n = cross(t.b - t.a, t.c - t.a);
    ASSERT_GT(len(n), 1e-9) << "degenerate triangle at " << t.a.x << " " << t.a.y << " " << t.a.z;
    // Counter-clockwise seen from the side the file's normal points to.
    if (dot(n * (1.0 / len(n)), t.fileNormal) < 0.999) ++wrongWinding;
    const P centroid = (t.a + t.b + t.c) * (1.0 / 3.0);
    const P ahead = centroid + t.fileNormal * 0.3;
    if (solid(ahead)) {
      ++intoSolid;
      ADD_FAILURE() << "face at " << centroid.x << " " << centroid.y << " " << centroid.z
                    << " looks into a wall";
      if (intoSolid > 5) break;
    }
  }
  EXPECT_EQ(wrongWinding, 0);
}

TEST(MuseumLevel, KeepsThePlayersSphereInsideWithFloorAndCeilingEverywhere) {
  const std::vector<Tri>& tris = levelTris();
  // Through every outer wall, at every height the sphere (radius 2.2 round y = 1) covers.
  struct Wall {
    bool alongX;
    double c, inward, from, to;
  };
  const Wall walls[] = {{true, 0, 1, 0, 500}, {true, 485, -1, 0, 500}, {false, 0, 1, 0, 485},
                        {false, 500, -1, 0, 485}};
  for (const Wall& w : walls) {
    const P lo = w.alongX ? P{-3, -7, w.c - 4} : P{w.c - 4, -7, -3};
    const P hi = w.alongX ? P{503, 15, w.c + 4} : P{w.c + 4, 15, 488};
    const std::vector<Tri> local = near(tris, lo, hi);
    for (double s = w.from + 0.25; s < w.to; s += 0.5) {
      for (double y : {-1.2, 0.0, 1.0, 2.0, 3.2}) {
        const P inside = w.alongX ? P{s, y, w.c + w.inward} : P{w.c + w.inward, y, s};
        const P outside = w.alongX ? P{s, y, w.c - 4 * w.inward} : P{w.c - 4 * w.inward, y, s};
        if (solid(inside)) continue;  // where an inner wall meets the outer one
        if (!anyCrosses(local, inside, outside)) {
          ADD_FAILURE() << "an opening at " << inside.x << " " << y << " " << inside.z;
          return;
        }
      }
    }
  }
  std::vector<Tri> floors, ceilings;
  for (const Tri& t : tris) {
    if (t.fileNormal.y > 0.99 && t.a.y < -5.9) floors.push_back(t);
    if (t.fileNormal.y < -0.99 && t.a.y > 13.5) ceilings.push_back(t);
  }
  for (double x = 1.5; x < 500; x += 5) {
    for (double z = 1.5; z < 485; z += 5) {
      if (!insideMuseum(x, z, 0.5)) continue;
      EXPECT_TRUE(anyCrosses(floors, {x, 1, z}, {x, -7, z})) << "no floor at " << x << " " << z;
      EXPECT_TRUE(anyCrosses(ceilings, {x, 1, z}, {x, 15, z})) << "no ceiling at " << x << " " << z;
    }
  }
}

TEST(MuseumLevel, DoorwaysAreOpenExactlyAtTheRoomTrackingsStrips) {
  const std::vector<Tri>& tris = levelTris();
  for (const Strip& d : kDoorways) {
    const bool alongX = d.z1 - d.z0 < d.x1 - d.x0;  // a wall that runs along x
    SCOPED_TRACE(std::to_string(d.x0) + " " + std::to_string(d.z0));
    // Open through the wall and three units either side, from the floor to above the sphere.
    const P lo = alongX ? P{d.x0 + 0.05, -5.9, d.z0 - 3} : P{d.x0 - 3, -5.9, d.z0 + 0.05};
    const P hi = alongX ? P{d.x1 - 0.05, kDoorTop, d.z1 + 3} : P{d.x1 + 3, kDoorTop, d.z1 - 0.05};
    EXPECT_FALSE(anyTouches(tris, lo, hi));
    // And closed just beside the strip, where the wall collision runs.
    for (double beside : {-1.5, 1.5}) {
      const double s = beside < 0 ? (alongX ? d.x0 : d.z0) + beside : (alongX ? d.x1 : d.z1) + beside;
      const P a = alongX ? P{s, 1, d.z0 - 1} : P{d.x0 - 1, 1, s};
      const P b = alongX ? P{s, 1, d.z1 + 1} : P{d.x1 + 1, 1, s};
      EXPECT_TRUE(anyCrosses(tris, a, b)) << "no wall beside the doorway at " << s;
    }
  }
}

TEST(MuseumLevel, GuardsWalkTheirPatrolsOnlyThroughDoorways) {
  const std::vector<Tri>& tris = levelTris();
  for (const auto* path : {kPatrol1, kPatrol2}) {
    for (int i = 0; i < 4; ++i) {
      const double* a = path[i];
      const double* b = path[(i + 1) % 4];
      // The guard's body, two units either side of its path, from just above the floor.
      const P lo{std::min(a[0], b[0]) - 2, -5.9, std::min(a[1], b[1]) - 2};
      const P hi{std::max(a[0], b[0]) + 2, 2.0, std::max(a[1], b[1]) + 2};
      EXPECT_FALSE(anyTouches(tris, lo, hi))
          << "leg from " << a[0] << " " << a[1] << " to " << b[0] << " " << b[1];
    }
  }
}

TEST(MuseumLevel, WallSwitchesAndAlarmLampsSitOnTheRoomSideFacesOfTheirWalls) {
  const std::vector<Tri>& tris = levelTris();
  // Switch boxes span x - 1..x, y - 2..y + 2, z - 1..z + 1 and lie against a face at x - 0.8.
  const P switches[] = {{54.8, -1, 146}, {282.8, -1, 146}, {54.8, -1, 371}};
  for (const P& s : switches) {
    for (double dy : {-2.0, 2.0}) {
      for (double dz : {-1.0, 1.0}) {
        const P corner{s.x, s.y + dy * 0.95, s.z + dz * 0.95};
        bool onFace = false;
        for (const Tri& t : tris) {
          onFace = onFace || (t.fileNormal.x > 0.99 && segmentCrossesTriangle(corner + P{-0.5, 0, 0}, corner + P{-1.2, 0, 0}, t));
        }
        EXPECT_TRUE(onFace) << "switch at " << s.x << " " << s.z;
      }
    }
    EXPECT_FALSE(anyTouches(tris, {s.x - 0.7, s.y - 2, s.z - 1}, {s.x + 3, s.y + 2, s.z + 1}));
  }
  const P lamps[] = {{54, 0, 144}, {54, -2, 144}, {282, 0, 144}, {282, -2, 144}, {54, 0, 369}, {54, -2, 369}};
  for (const P& l : lamps) {
    double nearest = 1e9;
    for (const Tri& t : tris) nearest = std::min(nearest, distanceToTriangle(l, t));
    EXPECT_LT(nearest, 0.01) << "lamp at " << l.x << " " << l.y << " " << l.z;
  }
}

}  // namespace
