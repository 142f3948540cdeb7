// data/models/objects/: the pedestal (sockel.txt), the armchair (centerchair.txt), the sofa
// (centersofa.txt), the table (table.txt) and the sword (sword.txt), in model units.
//
// Placement (the world set-up's): the pedestal stands at y = 1, so its foot is at model
// y = -7 and its top at -4.7 (world -6 and -3.7); chair, sofa and table stand at y = 0 with
// their feet at -6. Footprints follow the push-out boxes: pedestal x -2..24, z -5..9; chair
// x -1..9, z -0.4..9 with its back along z = -0.4 (it faces +z); sofa x -2..22, z -1..8.9 with
// its back along z = 8.9 (it faces -z); table x -11..9, z -4..4. The backs stop a tenth short
// of the footprints so that, placed against a wall, they never lie in the wall's plane.
// The sword lies along x (pommel at -4.4, tip at 4.5), flat in the xz plane, its guard and
// pommel reaching 0.7 below its middle: on a pedestal (y = -3) it rests on them, and hung on a
// wall (turned by the set-up) they touch the wall.
#include <string>

#include "AssetGen.h"
#include "MuseumLayout.h"
#include "NightLight.h"
#include "TextModelWriter.h"

namespace assetgen {
namespace {

// The furniture's day values (ambient and diffuse as a room in daylight would show them),
// turned into night materials: dark where no lamp reaches, warm in the pools.
MaterialSpec material(const char* name, float ambient, float diffuse, float specular,
                      const char* texture) {
  return night::nightMaterial(name, 0.2f * ambient, 1.8f * diffuse, texture, 0.0f, specular);
}

constexpr unsigned kNoBottom = kAllFaces & ~kFaceMinY;
constexpr unsigned kSides = kFaceMinX | kFaceMaxX | kFaceMinZ | kFaceMaxZ;

TextModel pedestal() {
  TextModel m;
  const int marble = m.addMaterial(material("marble", 0.55f, 0.85f, 0.0f, museum::tex::kMarble));
  const int stone = m.addMaterial(material("plinth", 0.5f, 0.8f, 0.0f, museum::tex::kPlinth));
  addBox(m.addPart("foot", stone), {-2.0, -7.0, -5.0}, {24.0, -6.6, 9.0}, kNoBottom, 4.0);
  addBox(m.addPart("body", marble), {-1.6, -6.6, -4.6}, {23.6, -5.0, 8.6}, kSides, 8.0);
  addBox(m.addPart("top", marble), {-2.0, -5.0, -5.0}, {24.0, -4.7, 9.0}, kNoBottom, 8.0);
  return m;
}

void legs(MeshPart& part, double x0, double x1, double z0, double z1, double top) {
  const double s = 0.8;
  for (double x : {x0, x1 - s}) {
    for (double z : {z0, z1 - s}) addBox(part, {x, -6.0, z}, {x + s, top, z + s}, kSides, 2.0);
  }
}

TextModel chair() {
  TextModel m;
  const int fabric = m.addMaterial(material("velvet", 0.5f, 0.85f, 0.0f, museum::tex::kVelvet));
  const int wood = m.addMaterial(material("oak", 0.5f, 0.8f, 0.0f, museum::tex::kOak));
  legs(m.addPart("legs", wood), -0.6, 8.6, 0.0, 8.8, -4.6);
  MeshPart& body = m.addPart("upholstery", fabric);
  addBox(body, {-1.0, -4.6, -0.4}, {9.0, -3.4, 9.0}, kAllFaces, 4.0);
  addBox(body, {-1.0, -3.4, -0.4}, {9.0, 1.0, 1.3}, kNoBottom, 4.0);
  addBox(body, {-1.0, -3.4, 1.3}, {0.6, -1.6, 9.0}, kNoBottom & ~kFaceMinZ, 4.0);
  addBox(body, {7.4, -3.4, 1.3}, {9.0, -1.6, 9.0}, kNoBottom & ~kFaceMinZ, 4.0);
  return m;
}

TextModel sofa() {
  TextModel m;
  const int fabric = m.addMaterial(material("velvet", 0.5f, 0.85f, 0.0f, museum::tex::kVelvet));
  const int wood = m.addMaterial(material("oak", 0.5f, 0.8f, 0.0f, museum::tex::kOak));
  legs(m.addPart("legs", wood), -1.6, 21.6, -0.6, 8.5, -4.6);
  MeshPart& body = m.addPart("upholstery", fabric);
  addBox(body, {-2.0, -4.6, -1.0}, {22.0, -3.4, 8.9}, kAllFaces, 4.0);
  addBox(body, {-2.0, -3.4, 7.1}, {22.0, 0.8, 8.9}, kNoBottom, 4.0);
  addBox(body, {-2.0, -3.4, -1.0}, {-0.4, -1.6, 7.1}, kNoBottom & ~kFaceMaxZ, 4.0);
  addBox(body, {20.4, -3.4, -1.0}, {22.0, -1.6, 7.1}, kNoBottom & ~kFaceMaxZ, 4.0);
  // Three seat cushions, a little proud of the seat.
  for (int i = 0; i < 3; ++i) {
    const double x0 = -0.3 + i * 6.9;
    addBox(body, {x0, -3.4, -0.8}, {x0 + 6.7, -3.0, 7.1}, kNoBottom & ~kFaceMaxZ, 4.0);
  }
  return m;
}

TextModel table() {
  TextModel m;
  const int wood = m.addMaterial(material("oak", 0.5f, 0.8f, 0.0f, museum::tex::kOak));
  MeshPart& part = m.addPart("table", wood);
  addBox(part, {-11.0, -2.9, -4.0}, {9.0, -2.5, 4.0}, kAllFaces, 10.0);
  addBox(part, {-10.4, -3.5, -3.4}, {8.4, -2.9, 3.4}, kSides, 10.0);
  legs(part, -10.4, 8.4, -3.4, 3.4, -3.5);
  return m;
}

TextModel sword() {
  TextModel m;
  const int steel = m.addMaterial(material("steel", 0.6f, 0.9f, 0.3f, museum::tex::kSteel));
  const int brass = m.addMaterial(material("brass", 0.6f, 0.9f, 0.2f, museum::tex::kBrass));
  const int leather = m.addMaterial(material("leather", 0.5f, 0.8f, 0.0f, museum::tex::kLeather));
  // The blade: a flat diamond section 0.9 wide and 0.24 thick, narrowing to the point.
  MeshPart& blade = m.addPart("blade", steel);
  const double root = -1.7;
  const double shoulder = 3.4;
  const double tip = 4.5;
  const double halfWidth = 0.45;
  const double halfThick = 0.12;
  const Vec3 ridgeTop{0, halfThick, 0}, ridgeBottom{0, -halfThick, 0};
  const Vec3 edgeNear{0, 0, -halfWidth}, edgeFar{0, 0, halfWidth};
  const Vec3 point{tip, 0, 0};
  const std::array<std::array<Vec3, 2>, 4> faces = {{{ridgeTop, edgeFar}, {edgeFar, ridgeBottom},
                                                     {ridgeBottom, edgeNear}, {edgeNear, ridgeTop}}};
  for (const auto& f : faces) {
    const Vec3 a0 = Vec3{root, 0, 0} + f[0], a1 = Vec3{root, 0, 0} + f[1];
    const Vec3 b0 = Vec3{shoulder, 0, 0} + f[0], b1 = Vec3{shoulder, 0, 0} + f[1];
    const Vec3 outward = f[0] + f[1];
    Vec3 flat = unit(cross(b0 - a0, a1 - a0));
    if (dot(flat, outward) < 0.0) flat = flat * -1.0;
    blade.addQuad({a0, b0, b1, a1}, {Uv{0, 0}, Uv{1, 0}, Uv{1, 0.25}, Uv{0, 0.25}}, flat);
    Vec3 slope = unit(cross(point - b0, b1 - b0));
    if (dot(slope, outward) < 0.0) slope = slope * -1.0;
    blade.addTriangle({b0, point, b1}, {Uv{1, 0}, Uv{1.2, 0.12}, Uv{1, 0.25}}, slope);
  }
  MeshPart& fittings = m.addPart("fittings", brass);
  addBox(fittings, {-2.3, -0.7, -0.5}, {-1.7, 0.7, 0.5}, kAllFaces, 1.0);   // quillon block
  addBox(fittings, {-2.2, -0.25, -1.9}, {-1.8, 0.25, 1.9}, kAllFaces, 1.0); // cross-guard
  addBox(fittings, {-4.4, -0.7, -0.5}, {-3.8, 0.7, 0.5}, kAllFaces, 1.0);   // pommel
  addBox(m.addPart("grip", leather), {-3.8, -0.3, -0.3}, {-2.3, 0.3, 0.3}, kSides | kFaceMinY | kFaceMaxY, 1.0);
  return m;
}

}  // namespace
}  // namespace assetgen

bool writeFurnitureAssets(const std::string& dataDir) {
  using namespace assetgen;
  const std::string dir = dataDir + "/models/objects/";
  return writeTextModel(dir + "sockel.txt", pedestal()) &&
         writeTextModel(dir + "centerchair.txt", chair()) &&
         writeTextModel(dir + "centersofa.txt", sofa()) &&
         writeTextModel(dir + "table.txt", table()) && writeTextModel(dir + "sword.txt", sword());
}
