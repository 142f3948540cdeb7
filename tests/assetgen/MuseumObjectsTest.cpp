// The generated pictures hung where the world set-up hangs them: every picture faces into its
// room, and somewhere within reach in front of it the player's sphere fits between the walls.
#include <gtest/gtest.h>

#include "tests/assetgen/MuseumData.h"

namespace {

using namespace museumtest;

struct Picture {
  std::unique_ptr<MeshModel> model;
  P centre;
  P facing;  // the canvas's normal, into the room
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
      out.push_back(std::move(p));
    }
    return out;
  }();
  return all;
}

TEST(MuseumPictures, EachCanBeReachedFromAPlaceInItsRoomWhereThePlayerFits) {
  const std::vector<Picture>& all = pictures();
  ASSERT_EQ(all.size(), 36u);
  for (int i = 0; i < 36; ++i) {
    const Picture& p = all[i];
    SCOPED_TRACE(pictureFile(i));
    const Area& room = roomArea(pictureRoom(i));
    const P side = cross({0, 1, 0}, p.facing);
    bool reachable = false;
    for (double d = 2.5; d <= 20.0 && !reachable; d += 0.5) {
      for (double w : {0.0, -3.0, 3.0, -6.0, 6.0}) {
        const P q = P{p.centre.x, 1.0, p.centre.z} + p.facing * d + side * w;
        if (len(q - p.centre) > 25.0 || !room.contains(q.x, q.z, 2.2)) continue;
        if (!sphereTouchesLevel(q, 2.2)) {
          reachable = true;
          break;
        }
      }
    }
    EXPECT_TRUE(reachable);
  }
}

}  // namespace
