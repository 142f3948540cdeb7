// The museum's plan agrees with itself: every doorway has a room-change strip on either side,
// each leading into the room beyond, and every such strip lies in a doorway.
#include <gtest/gtest.h>

#include "geometry/MuseumPlan.h"

namespace {

using museum::Axis;
using museum::Doorway;
using museum::RoomStrip;

// The strip spans the doorway's opening and its switch line lies in the doorway's wall.
bool stripInDoorway(const RoomStrip& strip, const Doorway& d) {
  return (strip.spanAxis == Axis::X) == d.wallAlongX && strip.spanLow == d.from &&
         strip.spanHigh == d.to && strip.switchLimit >= d.lo && strip.switchLimit <= d.hi;
}

TEST(MuseumPlan, EveryDoorwayHasAStripIntoTheRoomBeyondOnEitherSide) {
  for (const Doorway& d : museum::doorways) {
    SCOPED_TRACE(testing::Message() << "doorway " << d.from << ".." << d.to << " in wall " << d.lo);
    for (const auto& [from, to] : {std::pair{d.roomA, d.roomB}, std::pair{d.roomB, d.roomA}}) {
      const museum::RoomStrips& strips = museum::roomStrips[from];
      int found = 0;
      for (int i = 0; i < strips.count; ++i) {
        const RoomStrip& strip = strips.strips[i];
        if (!stripInDoorway(strip, d)) continue;
        ++found;
        EXPECT_EQ(strip.newRoom, to + 1) << "from room " << from + 1;
      }
      EXPECT_EQ(found, 1) << "from room " << from + 1;
    }
  }
  // And no strip that changes the room lies anywhere else.
  for (const museum::RoomStrips& strips : museum::roomStrips) {
    for (int i = 0; i < strips.count; ++i) {
      const RoomStrip& strip = strips.strips[i];
      if (strip.switchSide == museum::Bound::Never) continue;
      bool inDoorway = false;
      for (const Doorway& d : museum::doorways) inDoorway |= stripInDoorway(strip, d);
      EXPECT_TRUE(inDoorway) << strip.spanLow << ".." << strip.spanHigh;
    }
  }
}

}  // namespace
