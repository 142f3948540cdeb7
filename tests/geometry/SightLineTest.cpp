// The sight line test on the museum's plan: lines across a room, through one doorway or two,
// past the hall's inner corner, beside a doorway and from inside a wall; and against the
// generated level itself, where at the eyes' height a line between two places in the rooms
// passes a wall exactly when it meets one of the level's triangles.
#include <gtest/gtest.h>

#include <random>

#include "geometry/SightLine.h"
#include "tests/assetgen/MuseumData.h"

namespace {

using museumtest::P;

TEST(SightLine, SeesAcrossRoomsAndThroughDoorwaysButNeverThroughAWall) {
  struct Case {
    float ax, az, bx, bz;
    bool clear;
    const char* what;
  };
  const Case cases[] = {
      {60, 60, 270, 260, true, "room 3 from corner to corner"},
      {166, 25, 166, 200, true, "from the hall into room 3 through the doorway at x 152..181"},
      {166, 25, 166, 400, true, "on through the next doorway into room 4"},
      {140, 25, 140, 200, false, "beside that doorway, through the wall z 50..52"},
      {152, 25, 152, 200, true, "along the doorway's edge"},
      {151.9f, 25, 151.9f, 200, false, "a tenth outside it"},
      {40, 25, 26, 300, true, "round the hall's L inside the left corridor"},
      {100, 25, 26, 100, false, "across the L's inner corner"},
      {26, 163, 200, 163, true, "from the left corridor into room 3 through the doorway at z 150..176"},
      {200, 163, 400, 163, true, "from room 3 into room 2 through the doorway at z 152..175"},
      {200, 240, 400, 240, false, "from room 3 into room 2 beside it"},
      {53, 100, 60, 100, false, "from inside the wall x 52..54"},
      {60, 100, 60, 100, true, "a point in a room"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(museum::sightLineClear(c.ax, c.az, c.bx, c.bz), c.clear) << c.what;
    EXPECT_EQ(museum::sightLineClear(c.bx, c.bz, c.ax, c.az), c.clear) << c.what << ", backwards";
  }
}

// Does the segment a-b meet the triangle (Moeller and Trumbore)?
bool meets(const P& a, const P& b, const museumtest::Tri& t) {
  const P d = b - a, e1 = t.b - t.a, e2 = t.c - t.a;
  const P p = museumtest::cross(d, e2);
  const double det = museumtest::dot(e1, p);
  if (std::fabs(det) < 1e-12) return false;
  const P s = a - t.a;
  const double u = museumtest::dot(s, p) / det;
  if (u < 0.0 || u > 1.0) return false;
  const P q = museumtest::cross(s, e1);
  const double v = museumtest::dot(d, q) / det;
  if (v < 0.0 || u + v > 1.0) return false;
  const double along = museumtest::dot(e2, q) / det;
  return along >= 0.0 && along <= 1.0;
}

// The segment's closest approach to the point, on the floor.
double floorDistance(const P& a, const P& b, double x, double z) {
  const double dx = b.x - a.x, dz = b.z - a.z, lengthSquared = dx * dx + dz * dz;
  double t = lengthSquared > 0.0 ? ((x - a.x) * dx + (z - a.z) * dz) / lengthSquared : 0.0;
  t = std::min(1.0, std::max(0.0, t));
  return std::hypot(a.x + t * dx - x, a.z + t * dz - z);
}

// The doorways' trims stand a tenth proud of the wall beside each opening: a line that brushes
// an opening's edge may touch one. Those lines are left out.
bool brushesADoorwayEdge(const P& a, const P& b) {
  for (const museum::Doorway& d : museum::doorways) {
    for (double along : {d.from, d.to}) {
      for (double across : {d.lo, d.hi}) {
        const double x = d.wallAlongX ? along : across, z = d.wallAlongX ? across : along;
        if (floorDistance(a, b, x, z) < 1.5) return true;
      }
    }
  }
  return false;
}

TEST(SightLine, AgreesWithTheLevelsWallsAtTheEyesHeight) {
  constexpr double eyeY = 1.0;
  std::vector<museumtest::Tri> atEye;
  for (const museumtest::Tri& t : museumtest::levelTris()) {
    if (std::min({t.a.y, t.b.y, t.c.y}) <= eyeY && std::max({t.a.y, t.b.y, t.c.y}) >= eyeY) {
      atEye.push_back(t);
    }
  }
  ASSERT_GT(atEye.size(), 100u);
  // Places in the rooms, 3 units from their walls (the player's sphere keeps 2.2 away).
  std::mt19937 random(28);
  const auto place = [&random]() {
    const museum::Area& area = museum::floorAreas[random() % 5].area;
    std::uniform_real_distribution<double> x(area.x0 + 3.0, area.x1 - 3.0), z(area.z0 + 3.0, area.z1 - 3.0);
    return P{x(random), eyeY, z(random)};
  };
  int clear = 0, blocked = 0;
  for (int i = 0; i < 3000; ++i) {
    const P a = place(), b = place();
    if (brushesADoorwayEdge(a, b)) continue;
    bool wall = false;
    for (const museumtest::Tri& t : atEye) {
      if ((wall = meets(a, b, t))) break;
    }
    const bool seen = museum::sightLineClear(static_cast<float>(a.x), static_cast<float>(a.z),
                                             static_cast<float>(b.x), static_cast<float>(b.z));
    EXPECT_EQ(seen, !wall) << "(" << a.x << ", " << a.z << ") to (" << b.x << ", " << b.z << ")";
    ++(seen ? clear : blocked);
  }
  // Both answers come up often enough for the agreement to mean something.
  EXPECT_GT(clear, 300);
  EXPECT_GT(blocked, 300);
}

}  // namespace
