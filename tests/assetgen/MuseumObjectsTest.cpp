// The generated furniture and pictures placed as the world set-up places them: they stand on
// the floor inside their rooms without entering a wall or a patrol, and every picture hangs in
// its room where the player can come within reach of it.
#include <gtest/gtest.h>

#include "tests/assetgen/MuseumData.h"

namespace {

using namespace museumtest;

struct Box {
  P lo{1e9, 1e9, 1e9};
  P hi{-1e9, -1e9, -1e9};
  void add(P p) {
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
  }
  Box shrunk(double d) const { return {lo + P{d, d, d}, hi - P{d, d, d}}; }
};

std::vector<P> vertices(const MeshModel& m) {
  std::vector<P> out;
  for (const MeshObject& o : m.objects) {
    for (const Vector3& v : o.vertices) out.push_back(toP(v));
  }
  return out;
}

Box placed(const std::vector<P>& model, P at, double yaw) {
  Box b;
  for (const P& v : model) b.add(at + rotate(v, yaw, {0, 1, 0}));
  return b;
}

bool touchesLevel(const Box& b) {
  for (const Tri& t : levelTris()) {
    if (triangleTouchesBox(t, b.lo, b.hi)) return true;
  }
  return false;
}

bool insideRoomOf(const Box& b, int room) {
  auto within = [&](const Area& a) { return b.lo.x >= a.x0 && b.hi.x <= a.x1 && b.lo.z >= a.z0 && b.hi.z <= a.z1; };
  return room == 1 ? within(kHallFront) || within(kHallLeft) : within(roomArea(room));
}

int roomOfPedestal(int i) {
  const double x = kPedestals[i][0], z = kPedestals[i][1];
  return kRoom2.contains(x, z) ? 2 : kRoom3.contains(x, z) ? 3 : 4;
}

const std::vector<Box>& pedestalBoxes() {
  static const std::vector<Box> boxes = [] {
    std::vector<Box> out;
    auto model = parseModel("models/objects/sockel.txt", false);
    if (!model) return out;
    const std::vector<P> v = vertices(*model);
    for (int i = 0; i < 25; ++i) {
      out.push_back(placed(v, {kPedestals[i][0], 1, kPedestals[i][1]}, pedestalTurned(i) ? -90 : 0));
    }
    return out;
  }();
  return boxes;
}

// The furniture push-out boxes in x and z, and the pedestals' footprints: where the player
// cannot stand.
bool blockedForPlayer(double x, double z) {
  for (const Placement& f : kFurniture) {
    const PushBox b = pushBox(f);
    if (std::fabs(x - (f.x + b.ox)) < b.hx && std::fabs(z - (f.z + b.oz)) < b.hz) return true;
  }
  for (const Box& b : pedestalBoxes()) {
    if (x > b.lo.x && x < b.hi.x && z > b.lo.z && z < b.hi.z) return true;
  }
  return false;
}

bool crossesPatrol(const Box& b) {
  for (const auto* path : {kPatrol1, kPatrol2}) {
    for (int i = 0; i < 4; ++i) {
      const double* a = path[i];
      const double* c = path[(i + 1) % 4];
      const double x0 = std::min(a[0], c[0]) - 2, x1 = std::max(a[0], c[0]) + 2;
      const double z0 = std::min(a[1], c[1]) - 2, z1 = std::max(a[1], c[1]) + 2;
      if (b.lo.x < x1 && b.hi.x > x0 && b.lo.z < z1 && b.hi.z > z0) return true;
    }
  }
  return false;
}

TEST(MuseumFurniture, StandsOnTheFloorInsideItsRoomOutOfWallsAndPatrols) {
  for (int i = 0; i < 25; ++i) {
    ASSERT_EQ(pedestalBoxes().size(), 25u);
    const Box& b = pedestalBoxes()[i];
    SCOPED_TRACE("pedestal " + std::to_string(i));
    EXPECT_NEAR(b.lo.y, -6.0, 0.01);
    EXPECT_NEAR(b.hi.y, -3.7, 0.05);
    // The push-out box: x -2..24, z -5..9 (turned: x -8..6, z -2..24).
    const double x = kPedestals[i][0], z = kPedestals[i][1];
    const double ex0 = pedestalTurned(i) ? -8 : -2, ex1 = pedestalTurned(i) ? 6 : 24;
    const double ez0 = pedestalTurned(i) ? -2 : -5, ez1 = pedestalTurned(i) ? 24 : 9;
    EXPECT_NEAR(b.lo.x, x + ex0, 1.1);
    EXPECT_NEAR(b.hi.x, x + ex1, 1.1);
    EXPECT_NEAR(b.lo.z, z + ez0, 1.1);
    EXPECT_NEAR(b.hi.z, z + ez1, 1.1);
    EXPECT_TRUE(insideRoomOf(b, roomOfPedestal(i)));
    EXPECT_FALSE(touchesLevel(b.shrunk(0.05)));
    EXPECT_FALSE(crossesPatrol(b));
  }
  for (const Placement& f : kFurniture) {
    SCOPED_TRACE(std::string(f.file) + " at " + std::to_string(f.x) + " " + std::to_string(f.z));
    auto model = parseModel(std::string("models/objects/") + f.file, false);
    ASSERT_TRUE(model);
    const Box b = placed(vertices(*model), {f.x, f.y, f.z}, f.yaw);
    EXPECT_NEAR(b.lo.y, -6.0, 0.01);
    const PushBox push = pushBox(f);
    EXPECT_NEAR(b.lo.x, f.x + push.ox - push.hx, 1.1);
    EXPECT_NEAR(b.hi.x, f.x + push.ox + push.hx, 1.1);
    EXPECT_NEAR(b.lo.z, f.z + push.oz - push.hz, 1.1);
    EXPECT_NEAR(b.hi.z, f.z + push.oz + push.hz, 1.1);
    EXPECT_TRUE(insideRoomOf(b, f.room));
    EXPECT_FALSE(touchesLevel(b.shrunk(0.05)));
    EXPECT_FALSE(crossesPatrol(b));
  }
}

struct Picture {
  std::unique_ptr<MeshModel> model;
  P centre;
  P facing;  // the canvas's normal, into the room
  Box box;
};

const std::vector<Picture>& pictures() {
  static const std::vector<Picture> all = [] {
    std::vector<Picture> out;
    for (int i = 0; i < 36; ++i) {
      Picture p;
      p.model = parseModel(pictureFile(i), false);
      if (!p.model || p.model->objects.empty() || p.model->objects[0].vertices.size() < 4) return std::vector<Picture>{};
      p.centre = pictureCentre(*p.model);
      const auto& v = p.model->objects[0].vertices;
      const P n = cross(toP(v[1]) - toP(v[0]), toP(v[2]) - toP(v[0]));
      p.facing = n * (1.0 / len(n));
      for (const P& q : vertices(*p.model)) p.box.add(q);
      out.push_back(std::move(p));
    }
    return out;
  }();
  return all;
}

TEST(MuseumPictures, EachCanBeReachedFromAPlaceInItsRoomWhereThePlayerFits) {
  const std::vector<Picture>& all = pictures();
  ASSERT_EQ(all.size(), 36u);
  const P switches[] = {{54.8, -1, 146}, {282.8, -1, 146}, {54.8, -1, 371}};
  for (int i = 0; i < 36; ++i) {
    const Picture& p = all[i];
    SCOPED_TRACE(pictureFile(i));
    const Area& room = roomArea(pictureRoom(i));
    // Not behind a switch: the switches lie well away along the wall.
    for (const P& s : switches) {
      EXPECT_FALSE(s.x > p.box.lo.x - 3 && s.x < p.box.hi.x + 3 && s.z > p.box.lo.z - 3 && s.z < p.box.hi.z + 3);
    }
    // Standing room in front: the strip three units deep before the picture is free of
    // pedestals and furniture, and somewhere within 25 the player's sphere fits.
    const P side = cross({0, 1, 0}, p.facing);
    const double halfWidth = std::max(p.box.hi.x - p.box.lo.x, p.box.hi.z - p.box.lo.z) / 2;
    for (double d = 0.5; d <= 3.0; d += 0.5) {
      for (double w = -halfWidth; w <= halfWidth; w += 0.5) {
        const P q = p.centre + p.facing * d + side * w;
        EXPECT_FALSE(blockedForPlayer(q.x, q.z)) << "blocked at " << q.x << " " << q.z;
      }
    }
    bool reachable = false;
    for (double d = 2.5; d <= 20.0 && !reachable; d += 0.5) {
      for (double w : {0.0, -3.0, 3.0, -6.0, 6.0}) {
        const P q = P{p.centre.x, 1.0, p.centre.z} + p.facing * d + side * w;
        if (len(q - p.centre) > 25.0 || !room.contains(q.x, q.z, 2.2) || blockedForPlayer(q.x, q.z)) continue;
        bool fits = true;
        for (const Tri& t : levelTris()) fits = fits && distanceToTriangle(q, t) > 2.2;
        if (fits) {
          reachable = true;
          break;
        }
      }
    }
    EXPECT_TRUE(reachable);
  }
}

}  // namespace
