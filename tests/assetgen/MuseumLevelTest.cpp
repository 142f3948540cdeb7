// The generated level (data/models/level.txt, made by the build before the tests run) against
// the museum's fixed coordinates: faces look into open space, the player's sphere cannot
// leave, the doorways are open exactly at the room tracking's strips, and the guards walk only
// through doorways.
#include <gtest/gtest.h>

#include <algorithm>

#include "geometry/MuseumPlan.h"
#include "tests/assetgen/MuseumData.h"

namespace {

using namespace museumtest;

// Solid inner wall blocks (x0, z0, x1, z1); the plan's doorways go through them.
const double kInnerWalls[4][4] = {{52, 50, 54, 485}, {52, 50, 500, 52}, {280, 52, 282, 273},
                                  {54, 273, 500, 275}};

bool inDoorway(P p) {
  for (const museum::Doorway& d : museum::doorways) {
    const museum::Box& o = d.opening;
    if (p.x > o.x0 && p.x < o.x1 && p.z > o.z0 - 0.01 && p.z < o.z1 + 0.01 && p.y < 8.0) return true;
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

// A sphere of the player's radius a unit inside any outer wall, at every height it covers
// (round y = 1), or a unit above the floor or below the ceiling, is pushed back.
TEST(MuseumLevel, KeepsThePlayersSphereInsideWithFloorAndCeilingEverywhere) {
  for (double s = 0.5; s < 500; s += 1.0) {
    for (double y : {-1.2, 1.0, 3.2}) {
      for (const P inside : {P{s, y, 1}, P{s, y, 484}, P{1, y, s}, P{499, y, s}}) {
        if (inside.z > 485 || solid(inside)) continue;  // where an inner wall meets the outer one
        if (!sphereTouchesLevel(inside, 2.2)) {
          ADD_FAILURE() << "an opening at " << inside.x << " " << y << " " << inside.z;
          return;
        }
      }
    }
  }
  for (double x = 3; x < 500; x += 8) {
    for (double z = 3; z < 485; z += 8) {
      if (!insideMuseum(x, z, 2.5)) continue;
      EXPECT_TRUE(sphereTouchesLevel({x, -5, z}, 2.2)) << "no floor at " << x << " " << z;
      EXPECT_TRUE(sphereTouchesLevel({x, 13, z}, 2.2)) << "no ceiling at " << x << " " << z;
    }
  }
}

// Open through the wall and three units either side, from the floor to the top of the
// player's sphere; closed just beside the strip, where the wall collision runs.
TEST(MuseumLevel, DoorwaysAreOpenExactlyAtTheRoomTrackingsStrips) {
  for (const museum::Doorway& d : museum::doorways) {
    const bool alongX = d.wallAlongX;
    SCOPED_TRACE(std::to_string(d.from) + " " + std::to_string(d.lo));
    const double from = d.from, to = d.to;
    const double wall = (d.lo + d.hi) / 2;
    const auto at = [alongX](double along, double y, double across) {
      return alongX ? P{along, y, across} : P{across, y, along};
    };
    for (double along = from + 2.3; along <= to - 2.3; along += 1.0) {
      for (double across = wall - 3; across <= wall + 3; across += 1.0) {
        EXPECT_FALSE(sphereTouchesLevel(at(along, -3.7, across), 2.2) ||
                     sphereTouchesLevel(at(along, 1.0, across), 2.2))
            << "blocked at " << along << " " << across;
      }
    }
    EXPECT_TRUE(sphereTouchesLevel(at(from - 1.5, 1.0, wall), 2.2)) << "no wall before it";
    EXPECT_TRUE(sphereTouchesLevel(at(to + 1.5, 1.0, wall), 2.2)) << "no wall after it";
  }
}

// The guard's body, two units round its path, from just above the floor up to 2.
TEST(MuseumLevel, GuardsWalkTheirPatrolsOnlyThroughDoorways) {
  for (const Vector3* path : {museum::guard1Path, museum::guard2Path}) {
    for (int i = 0; i < 4; ++i) {
      const Vector3& a = path[i];
      const Vector3& b = path[(i + 1) % 4];
      for (double t = 0; t <= 1.0; t += 0.005) {
        const P p{a.x + (b.x - a.x) * t, 0.0, a.z + (b.z - a.z) * t};
        EXPECT_FALSE(sphereTouchesLevel(p + P{0, -3.9, 0}, 2.0) || sphereTouchesLevel(p, 2.0))
            << "leg from " << a.x << " " << a.z << " blocked at " << p.x << " " << p.z;
      }
    }
  }
}

}  // namespace
