// data/models/pictures/pic1.txt .. pic24.txt and picn1.txt .. picn12.txt: every picture in
// level coordinates on its wall, a canvas (object 0, whose first four vertices are its
// corners, so the game finds its centre from them) and a moulded frame (object 1).
#include <array>
#include <cstdio>
#include <string>

#include "AssetGen.h"
#include "MuseumLayout.h"
#include "NightLight.h"
#include "Paintings.h"
#include "TextModelWriter.h"

namespace assetgen {
namespace {

constexpr double kHangY = 3.0;         // centre height of every canvas (the eye is at 1)
constexpr double kCanvasScale = 1.25;  // catalogue sizes to level units
constexpr double kCanvasOut = 0.3;     // canvas in front of the wall face
constexpr double kFrameBack = 0.02;    // the frame's back, just off the wall

// Where picture i hangs: on the wall face through c with the given normal (into the room),
// centred at s along it.
struct Hanging {
  bool constZ;
  double c;
  Vec3 normal;
  double s;
};

constexpr Vec3 kPlusX{1, 0, 0}, kMinusX{-1, 0, 0}, kPlusZ{0, 0, 1}, kMinusZ{0, 0, -1};

// In file order: room 3 (pic1..12), room 2 (pic13..24), room 4 (picn1..12); going round each
// room, clear of doorways, switches, swords and furniture.
const Hanging kHangings[museum::kPaintingCount] = {
    {true, 52.0, kPlusZ, 80.0},     {true, 52.0, kPlusZ, 122.0},    {true, 52.0, kPlusZ, 212.0},
    {true, 52.0, kPlusZ, 252.0},    {false, 280.0, kMinusX, 100.0}, {false, 280.0, kMinusX, 225.0},
    {true, 273.0, kMinusZ, 252.0},  {true, 273.0, kMinusZ, 212.0},  {true, 273.0, kMinusZ, 122.0},
    {true, 273.0, kMinusZ, 80.0},   {false, 54.0, kPlusX, 225.0},   {false, 54.0, kPlusX, 95.0},

    {true, 52.0, kPlusZ, 305.0},    {true, 52.0, kPlusZ, 332.0},    {true, 52.0, kPlusZ, 359.0},
    {true, 52.0, kPlusZ, 437.0},    {true, 52.0, kPlusZ, 472.0},    {true, 273.0, kMinusZ, 472.0},
    {true, 273.0, kMinusZ, 437.0},  {true, 273.0, kMinusZ, 359.0},  {true, 273.0, kMinusZ, 332.0},
    {true, 273.0, kMinusZ, 305.0},  {false, 282.0, kPlusX, 225.0},  {false, 282.0, kPlusX, 95.0},

    {true, 275.0, kPlusZ, 103.0},   {true, 275.0, kPlusZ, 228.0},   {true, 275.0, kPlusZ, 305.0},
    {true, 275.0, kPlusZ, 455.0},   {true, 485.0, kMinusZ, 445.0},  {true, 485.0, kMinusZ, 330.0},
    {true, 485.0, kMinusZ, 270.0},  {true, 485.0, kMinusZ, 215.0},  {true, 485.0, kMinusZ, 125.0},
    {true, 485.0, kMinusZ, 90.0},   {false, 54.0, kPlusX, 440.0},   {false, 54.0, kPlusX, 320.0},
};

struct FrameShape {
  const char* texture;
  double width;  // from the canvas edge to the outer edge
  double depth;  // front of the frame from the wall
};

FrameShape frameShape(FrameStyle style) {
  switch (style) {
    case FrameStyle::kGold: return {museum::tex::kGoldFrame, 1.0, 0.6};
    case FrameStyle::kWalnut: return {museum::tex::kWalnutFrame, 0.8, 0.5};
    case FrameStyle::kEbony: return {museum::tex::kEbonyFrame, 0.35, 0.45};
    case FrameStyle::kSilver: return {museum::tex::kSilverFrame, 0.3, 0.45};
  }
  return {museum::tex::kGoldFrame, 1.0, 0.6};
}

// Local picture coordinates: x to the viewer's right, y up, d out of the wall.
class PictureSpace {
 public:
  PictureSpace(const Hanging& h, double y)
      : origin_(h.constZ ? Vec3{h.s, y, h.c} : Vec3{h.c, y, h.s}),
        right_(cross(Vec3{0, 1, 0}, h.normal)),
        out_(h.normal) {}
  Vec3 at(double x, double y, double d) const {
    return origin_ + right_ * x + Vec3{0, y, 0} + out_ * d;
  }
  Vec3 out() const { return out_; }
  Vec3 direction(double x, double y) const { return right_ * x + Vec3{0, y, 0}; }

 private:
  Vec3 origin_;
  Vec3 right_;
  Vec3 out_;
};

// A planar quad whose normal is worked out from its corners and turned towards the room.
void addSloped(MeshPart& part, const std::array<Vec3, 4>& c, const std::array<Uv, 4>& uv, Vec3 towards) {
  Vec3 n = unit(cross(c[1] - c[0], c[2] - c[0]));
  if (dot(n, towards) < 0.0) n = n * -1.0;
  part.addQuad(c, uv, n);
}

TextModel buildPicture(int index) {
  const PaintingInfo& info = paintingInfo(index);
  const FrameShape shape = frameShape(info.frame);
  const PictureSpace p(kHangings[index], kHangY);
  TextModel model;
  // Each picture has a light of its own over it: a glow on top of the room's lamps, so
  // that the paintings read in the dark galleries.
  const MaterialSpec canvas =
      night::nightMaterial("canvas", 0.3f, 2.2f, paintingTextureName(index).c_str(), 0.3f);
  const MaterialSpec frame = night::nightMaterial("frame", 0.25f, 2.2f, shape.texture, 0.18f);
  model.addMaterial(canvas);
  model.addMaterial(frame);

  const double hw = info.width * kCanvasScale / 2;
  const double hh = info.height * kCanvasScale / 2;
  MeshPart& front = model.addPart("canvas", 0);
  front.addQuad({p.at(-hw, -hh, kCanvasOut), p.at(hw, -hh, kCanvasOut), p.at(hw, hh, kCanvasOut),
                 p.at(-hw, hh, kCanvasOut)},
                {Uv{0, 0}, Uv{1, 0}, Uv{1, 1}, Uv{0, 1}}, p.out());

  // The frame, side by side: bottom, right, top, left. Each side is a flat front strip, a
  // bevel down to the canvas and an outer edge, mitred at the corners.
  MeshPart& rim = model.addPart("frame", 1);
  const double fw = shape.width;
  const double inner = fw * 0.45;   // where the flat front turns into the bevel
  const double df = shape.depth;
  struct Side {
    double ox, oy;    // outwards
    double tx, ty;    // along, so that (t, o) keeps the mitres in order
    double distance;  // from the centre to the canvas edge
    double half;      // half the canvas edge's length
  };
  const Side sides[4] = {{0, -1, 1, 0, hh, hw}, {1, 0, 0, 1, hw, hh}, {0, 1, -1, 0, hh, hw},
                         {-1, 0, 0, -1, hw, hh}};
  for (const Side& s : sides) {
    auto point = [&](double along, double offset, double d) {
      const double dist = s.distance + offset;
      return p.at(s.tx * along + s.ox * dist, s.ty * along + s.oy * dist, d);
    };
    // Along-coordinates of a side's ends at a given offset from the canvas edge.
    const double l0 = -(s.half + fw), r0 = s.half + fw;
    const double l1 = -(s.half + inner), r1 = s.half + inner;
    const double l2 = -s.half, r2 = s.half;
    const double v0 = l0 / 3.0, v1 = r0 / 3.0;
    rim.addQuad({point(l0, fw, df), point(r0, fw, df), point(r1, inner, df), point(l1, inner, df)},
                {Uv{0.0, v0}, Uv{0.0, v1}, Uv{0.55, r1 / 3.0}, Uv{0.55, l1 / 3.0}}, p.out());
    addSloped(rim, {point(l1, inner, df), point(r1, inner, df), point(r2, 0.0, kCanvasOut),
                    point(l2, 0.0, kCanvasOut)},
              {Uv{0.55, l1 / 3.0}, Uv{0.55, r1 / 3.0}, Uv{1.0, r2 / 3.0}, Uv{1.0, l2 / 3.0}}, p.out());
    const Vec3 outwards = p.direction(s.ox, s.oy);
    rim.addQuad({point(l0, fw, kFrameBack), point(r0, fw, kFrameBack), point(r0, fw, df),
                 point(l0, fw, df)},
                {Uv{0.0, v0}, Uv{0.0, v1}, Uv{0.08, v1}, Uv{0.08, v0}}, outwards);
  }
  return model;
}

std::string pictureFile(int index) {
  char name[32];
  if (index < 24) {
    std::snprintf(name, sizeof name, "pic%d.txt", index + 1);
  } else {
    std::snprintf(name, sizeof name, "picn%d.txt", index - 23);
  }
  return name;
}

}  // namespace
}  // namespace assetgen

bool writePictureAssets(const std::string& dataDir) {
  using namespace assetgen;
  for (int i = 0; i < museum::kPaintingCount; ++i) {
    if (!writeTextModel(dataDir + "/models/pictures/" + pictureFile(i), buildPicture(i))) return false;
  }
  return true;
}
