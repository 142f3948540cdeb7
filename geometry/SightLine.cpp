// The sight line test: the parts of a line inside the rooms and doorways, and whether they join
// up from one end to the other.
#include "geometry/SightLine.h"

#include <cmath>

#include "geometry/MuseumPlan.h"

namespace museum {

namespace {

// The open floor: every room's floor area and every doorway's opening through its wall.
constexpr int openAreaCount = 5 + doorwayCount;
static_assert(sizeof floorAreas / sizeof floorAreas[0] == 5, "one area per floor rectangle");

constexpr Area openingOf(const Doorway& d) {
  return d.wallAlongX ? Area{d.from, d.lo, d.to, d.hi} : Area{d.lo, d.from, d.hi, d.to};
}

constexpr Area openAreas[openAreaCount] = {
    floorAreas[0].area, floorAreas[1].area, floorAreas[2].area, floorAreas[3].area,
    floorAreas[4].area, openingOf(doorways[0]), openingOf(doorways[1]), openingOf(doorways[2]),
    openingOf(doorways[3]), openingOf(doorways[4]), openingOf(doorways[5]), openingOf(doorways[6])};

// Two parts of the line closer than this (in level units) count as joined: rounding, not a
// wall, which is 2 thick.
constexpr double joinSlack = 1e-4;

struct Span {
  double t0, t1;  // along the line, 0 at a and 1 at b
};

bool holds(const Area& area, double x, double z) {
  return x >= area.x0 && x <= area.x1 && z >= area.z0 && z <= area.z1;
}

// The part of the line a + t (d) for t in 0..1 inside the closed rectangle, by clipping it
// against the rectangle's four sides in turn; false when none of it is.
bool clip(const Area& area, double ax, double az, double dx, double dz, Span& span) {
  const double p[4] = {-dx, dx, -dz, dz};
  const double q[4] = {ax - area.x0, area.x1 - ax, az - area.z0, area.z1 - az};
  double t0 = 0.0, t1 = 1.0;
  for (int side = 0; side < 4; ++side) {
    if (p[side] == 0.0) {
      if (q[side] < 0.0) return false;  // parallel to this side, and outside it
      continue;
    }
    const double t = q[side] / p[side];
    if (p[side] < 0.0) {
      if (t > t0) t0 = t;
    } else if (t < t1) {
      t1 = t;
    }
  }
  if (t0 > t1) return false;
  span = Span{t0, t1};
  return true;
}

}  // namespace

bool sightLineClear(float ax, float az, float bx, float bz) {
  const double x0 = ax, z0 = az, dx = static_cast<double>(bx) - x0, dz = static_cast<double>(bz) - z0;
  // Step 1: both ends in one rectangle. Each is convex, so the whole line is in it: the usual
  // case of a guard and the player in the same room.
  for (const Area& area : openAreas) {
    if (holds(area, x0, z0) && holds(area, bx, bz)) return true;
  }
  // Step 2: the parts of the line inside each rectangle, in order along the line.
  Span spans[openAreaCount];
  int count = 0;
  for (const Area& area : openAreas) {
    Span span;
    if (!clip(area, x0, z0, dx, dz, span)) continue;
    int at = count++;
    for (; at > 0 && spans[at - 1].t0 > span.t0; --at) spans[at] = spans[at - 1];
    spans[at] = span;
  }
  // Step 3: they must join up from a to b, with no gap where a wall stands.
  const double length = std::sqrt(dx * dx + dz * dz);
  const double slack = length > 0.0 ? joinSlack / length : 0.0;
  double reached = 0.0;
  for (int i = 0; i < count; ++i) {
    if (spans[i].t0 > reached + slack) return false;
    if (spans[i].t1 > reached) reached = spans[i].t1;
  }
  return count > 0 && reached >= 1.0 - slack;
}

}  // namespace museum
