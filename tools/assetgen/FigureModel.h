// A small modeller for key-framed figures: a bone hierarchy posed by local rotations (with a
// two-bone solver for arms and legs), and a rigid mesh of boxes and cylinders, each part
// riding on one bone and textured from rectangles of a skin atlas.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Md2Writer.h"

namespace assetgen::figure {

struct Vec3 {
  double x = 0.0, y = 0.0, z = 0.0;
};

Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, double s);
double dot(Vec3 a, Vec3 b);
Vec3 cross(Vec3 a, Vec3 b);
double norm(Vec3 a);
Vec3 unit(Vec3 a);
Vec3 lerp(Vec3 a, Vec3 b, double t);

// Rotation matrix; its columns are the rotated x, y and z axes.
struct Mat3 {
  std::array<Vec3, 3> column{Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}};
  Vec3 apply(Vec3 v) const;
};

Mat3 operator*(const Mat3& a, const Mat3& b);
Mat3 transpose(const Mat3& m);
// Right-handed rotations by an angle in radians (x towards y for rotateZ, and so on).
Mat3 rotateX(double radians);
Mat3 rotateY(double radians);
Mat3 rotateZ(double radians);
// Yaw about y, then pitch about z, then roll about x: the usual way a joint is posed.
Mat3 yawPitchRoll(double yaw, double pitch, double roll);
double radians(double degrees);

struct Frame3 {
  Mat3 rotation;
  Vec3 origin;
  Vec3 apply(Vec3 local) const { return origin + rotation.apply(local); }
};

struct BoneDef {
  int parent;   // -1 for the root; parents come before their children
  Vec3 offset;  // joint position in the parent's frame
};

// Local rotations of every bone plus the root's position; a limb hangs along its bone's -y.
struct Pose {
  Vec3 rootPosition;
  std::vector<Mat3> local;
};

class Skeleton {
 public:
  explicit Skeleton(std::vector<BoneDef> bones) : bones_(std::move(bones)) {}
  int size() const { return static_cast<int>(bones_.size()); }
  const BoneDef& bone(int index) const { return bones_[index]; }
  Pose restPose() const;
  // World frames of every bone.
  std::vector<Frame3> solve(const Pose& pose) const;

 private:
  std::vector<BoneDef> bones_;
};

// Turns the upper and lower bone of a limb (lower the child of upper) so that the end of the
// lower bone, lowerLength below its joint, reaches target (world). pole is the world direction
// the middle joint (knee or elbow) should point to; kneeLike bends the lower bone backwards
// from the upper one (a leg), otherwise forwards (an arm). Targets out of reach are pulled in.
void reachWithLimb(const Skeleton& skeleton, Pose& pose, int upper, int lower, double lowerLength,
                   Vec3 target, Vec3 pole, bool kneeLike);

// Sets a bone's local rotation so that its world rotation becomes world.
void setWorldRotation(const Skeleton& skeleton, Pose& pose, int bone, const Mat3& world);

// A rectangle of the skin atlas in pixels, y from the top row.
struct SkinRect {
  int x, y, w, h;
};

// Skin rectangles of a box's six faces, each seen from outside and upright (the top face seen
// from above with the front at the image's top).
struct BoxSkin {
  SkinRect front, back, left, right, top, bottom;
  static BoxSkin all(SkinRect r) { return {r, r, r, r, r, r}; }
};

class FigureMesh {
 public:
  // A box tapered from its bottom (at y0, x in [x0, x1], z in [z0, z1]) to its top (at y1,
  // with its own ranges), in the bone's frame. Front is +x, right is +z.
  void addPrism(int bone, double y0, std::array<double, 4> bottomXz, double y1,
                std::array<double, 4> topXz, const BoxSkin& skin);
  // Shorthand for a straight box between two corners.
  void addBox(int bone, Vec3 low, Vec3 high, const BoxSkin& skin);
  // A closed cylinder along the bone's y axis from y0 (radii rx0, rz0) to y1 (rx1, rz1) around
  // (cx, cz); the side wraps the skin rectangle once, starting and ending at the back.
  void addCylinder(int bone, double cx, double cz, double y0, double rx0, double rz0, double y1,
                   double rx1, double rz1, int sides, SkinRect side, SkinRect cap);
  // A flat quad seen from both sides: corners a, b, c, d counter-clockwise from the front.
  void addDoubleQuad(int bone, Vec3 a, Vec3 b, Vec3 c, Vec3 d, SkinRect skin);

  int vertexCount() const { return static_cast<int>(vertices_.size()); }
  // Vertex positions for the bones' world frames.
  std::vector<Md2Point> place(const std::vector<Frame3>& world) const;
  // Header part of the MD2 content: skin size and name, texture coordinates, triangles.
  Md2Content content(int skinWidth, int skinHeight, const std::string& skinName) const;

 private:
  struct Vertex {
    int bone;
    Vec3 local;
  };
  int addVertex(int bone, Vec3 local);
  int addTexCoord(double s, double t);
  void addQuad(int a, int b, int c, int d, const SkinRect& skin);

  std::vector<Vertex> vertices_;
  std::vector<std::array<int, 2>> texCoords_;
  std::vector<Md2Triangle> triangles_;
};

}  // namespace assetgen::figure
