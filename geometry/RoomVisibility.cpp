// Rooms seen through doorways: the eye's rooms fill the window; a doorway whose opening shows
// inside a visible room's rectangle makes the room beyond visible in the overlap, and so on
// through the next doorways until no rectangle grows.
#include "geometry/RoomVisibility.h"

#include <algorithm>
#include <cmath>

namespace {

// An eye this near a room's floor area counts as standing in it: in a doorway (the walls are 2
// thick) the eye stands in both rooms, and the near plane (1 unit) never cuts a doorway it
// does not stand in.
constexpr float eyeMargin = 2.5f;
// Pixels added around every projected opening, for the rasteriser's rounding at its edges.
constexpr float pixelSlack = 2.0f;
// Beyond the near plane w is at least the near distance; a projection that gives less is
// taken to cover the whole window.
constexpr float nearestW = 1e-3f;

ScreenRect wholeWindow(int width, int height) {
  return ScreenRect{0.0f, 0.0f, static_cast<float>(width), static_cast<float>(height)};
}

ScreenRect unite(const ScreenRect& a, const ScreenRect& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return ScreenRect{std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1),
                    std::max(a.y1, b.y1)};
}

ScreenRect intersect(const ScreenRect& a, const ScreenRect& b) {
  const ScreenRect r{std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1),
                     std::min(a.y1, b.y1)};
  return r.empty() ? ScreenRect{} : r;
}

bool sameRect(const ScreenRect& a, const ScreenRect& b) {
  return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1;
}

struct ClipPoint {
  float x, y, z, w;
  float nearSide() const { return z + w; }  // >= 0 on the drawn side of the near plane
};

ClipPoint toClip(const float m[16], float x, float y, float z) {
  return ClipPoint{m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                   m[2] * x + m[6] * y + m[10] * z + m[14], m[3] * x + m[7] * y + m[11] * z + m[15]};
}

// The window rectangle holding the part of box that lies beyond the near plane (nothing nearer
// is drawn), with the slack, clipped to the window; empty when all of it is nearer. The part
// beyond the plane is the hull of the corners there and of the points where the box's edges
// cross it.
ScreenRect projectBox(const float m[16], const museum::Box& box, int width, int height) {
  ClipPoint corners[8];
  for (int c = 0; c < 8; ++c) {
    corners[c] = toClip(m, (c & 1) ? box.x1 : box.x0, (c & 2) ? box.y1 : box.y0,
                        (c & 4) ? box.z1 : box.z0);
  }
  ClipPoint kept[8 + 12];
  int count = 0;
  for (int c = 0; c < 8; ++c) {
    if (corners[c].nearSide() >= 0.0f) kept[count++] = corners[c];
    for (int axis = 1; axis < 8; axis <<= 1) {
      if (c & axis) continue;
      const ClipPoint& a = corners[c];
      const ClipPoint& b = corners[c | axis];
      if ((a.nearSide() >= 0.0f) == (b.nearSide() >= 0.0f)) continue;
      const float t = a.nearSide() / (a.nearSide() - b.nearSide());
      kept[count++] = ClipPoint{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y),
                                a.z + t * (b.z - a.z), a.w + t * (b.w - a.w)};
    }
  }
  const ScreenRect window = wholeWindow(width, height);
  if (count == 0) return ScreenRect{};
  ScreenRect r{INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (int i = 0; i < count; ++i) {
    if (!(kept[i].w > nearestW)) return window;
    const float sx = (kept[i].x / kept[i].w * 0.5f + 0.5f) * static_cast<float>(width);
    const float sy = (kept[i].y / kept[i].w * 0.5f + 0.5f) * static_cast<float>(height);
    r = ScreenRect{std::min(r.x0, sx), std::min(r.y0, sy), std::max(r.x1, sx), std::max(r.y1, sy)};
  }
  r = ScreenRect{r.x0 - pixelSlack, r.y0 - pixelSlack, r.x1 + pixelSlack, r.y1 + pixelSlack};
  return intersect(r, window);
}

museum::RoomMask bitOf(int room) {
  return static_cast<museum::RoomMask>(1u << room);
}

// Carries visibility from room `from` through a doorway (seen at `opening`) into room `to`;
// true when to's rectangle grew.
bool seeThrough(RoomView& view, const ScreenRect& opening, int from, int to) {
  if (!view.showsRooms(bitOf(from))) return false;
  const ScreenRect through = intersect(opening, view.roomRects[from]);
  if (through.empty()) return false;
  const bool known = view.showsRooms(bitOf(to));
  const ScreenRect grown = known ? unite(view.roomRects[to], through) : through;
  if (known && sameRect(grown, view.roomRects[to])) return false;
  view.roomRects[to] = grown;
  view.visibleRooms |= bitOf(to);
  return true;
}

}  // namespace

ScreenRect RoomView::rectOf(museum::RoomMask rooms) const {
  ScreenRect r;
  for (int room = 0; room < museum::roomCount; ++room) {
    if (rooms & visibleRooms & bitOf(room)) r = unite(r, roomRects[room]);
  }
  return r;
}

bool RoomView::mayShowBox(const museum::Box& box, museum::RoomMask rooms) const {
  if (!showsRooms(rooms)) return false;
  if (!projects) return true;
  return !intersect(projectBox(clip, box, width, height), rectOf(rooms)).empty();
}

RoomView wholeViewOf(int width, int height) {
  RoomView view;
  view.eyeRooms = museum::allRooms;
  view.visibleRooms = museum::allRooms;
  for (ScreenRect& r : view.roomRects) r = wholeWindow(width, height);
  view.skyRect = wholeWindow(width, height);
  return view;
}

RoomView findVisibleRooms(const float clip[16], const Vector3& eye, int width, int height) {
  RoomView view;
  view.eyeRooms = museum::roomsAround(eye.x, eye.z, eyeMargin);
  if (view.eyeRooms == 0) return wholeViewOf(width, height);
  std::copy(clip, clip + 16, view.clip);
  view.width = width;
  view.height = height;
  view.projects = true;
  view.visibleRooms = view.eyeRooms;
  for (int room = 0; room < museum::roomCount; ++room) {
    if (view.eyeRooms & bitOf(room)) view.roomRects[room] = wholeWindow(width, height);
  }

  ScreenRect openings[museum::doorwayCount];
  for (int d = 0; d < museum::doorwayCount; ++d) {
    openings[d] = projectBox(clip, museum::doorways[d].opening, width, height);
  }
  // Every pass through the doorways either grows a rectangle or ends the search; with four
  // rooms a few passes settle it.
  for (int pass = 0; pass < 16; ++pass) {
    bool grew = false;
    for (int d = 0; d < museum::doorwayCount; ++d) {
      const museum::Doorway& doorway = museum::doorways[d];
      grew |= seeThrough(view, openings[d], doorway.roomA, doorway.roomB);
      grew |= seeThrough(view, openings[d], doorway.roomB, doorway.roomA);
    }
    if (!grew) break;
  }

  for (int w = 0; w < museum::windowCount; ++w) {
    const museum::Window& window = museum::windows[w];
    if (!view.showsRooms(bitOf(window.room))) continue;
    const ScreenRect opening = projectBox(clip, window.opening, width, height);
    view.skyRect = unite(view.skyRect, intersect(opening, view.roomRects[window.room]));
  }
  return view;
}
