// The figure modeller: vector and rotation helpers, forward kinematics, the limb solver and the
// part builders of the rigid mesh.
#include "FigureModel.h"

#include <algorithm>
#include <cmath>

namespace assetgen::figure {

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double norm(Vec3 a) { return std::sqrt(dot(a, a)); }
Vec3 unit(Vec3 a) {
  const double n = norm(a);
  return n > 0.0 ? a * (1.0 / n) : Vec3{0, 0, 0};
}
Vec3 lerp(Vec3 a, Vec3 b, double t) { return a + (b - a) * t; }

Vec3 Mat3::apply(Vec3 v) const {
  return column[0] * v.x + column[1] * v.y + column[2] * v.z;
}

Mat3 operator*(const Mat3& a, const Mat3& b) {
  Mat3 m;
  for (int i = 0; i < 3; ++i) m.column[i] = a.apply(b.column[i]);
  return m;
}

Mat3 transpose(const Mat3& m) {
  Mat3 t;
  t.column[0] = {m.column[0].x, m.column[1].x, m.column[2].x};
  t.column[1] = {m.column[0].y, m.column[1].y, m.column[2].y};
  t.column[2] = {m.column[0].z, m.column[1].z, m.column[2].z};
  return t;
}

Mat3 rotateX(double a) {
  Mat3 m;
  m.column[1] = {0, std::cos(a), std::sin(a)};
  m.column[2] = {0, -std::sin(a), std::cos(a)};
  return m;
}

Mat3 rotateY(double a) {
  Mat3 m;
  m.column[0] = {std::cos(a), 0, -std::sin(a)};
  m.column[2] = {std::sin(a), 0, std::cos(a)};
  return m;
}

Mat3 rotateZ(double a) {
  Mat3 m;
  m.column[0] = {std::cos(a), std::sin(a), 0};
  m.column[1] = {-std::sin(a), std::cos(a), 0};
  return m;
}

Mat3 yawPitchRoll(double yaw, double pitch, double roll) {
  return rotateY(yaw) * rotateZ(pitch) * rotateX(roll);
}

double radians(double degrees) { return degrees * 3.14159265358979323846 / 180.0; }

Pose Skeleton::restPose() const {
  Pose pose;
  pose.local.assign(bones_.size(), Mat3{});
  return pose;
}

std::vector<Frame3> Skeleton::solve(const Pose& pose) const {
  std::vector<Frame3> world(bones_.size());
  for (std::size_t i = 0; i < bones_.size(); ++i) {
    const BoneDef& b = bones_[i];
    if (b.parent < 0) {
      world[i].origin = pose.rootPosition + b.offset;
      world[i].rotation = pose.local[i];
    } else {
      const Frame3& parent = world[static_cast<std::size_t>(b.parent)];
      world[i].origin = parent.apply(b.offset);
      world[i].rotation = parent.rotation * pose.local[i];
    }
  }
  return world;
}

void setWorldRotation(const Skeleton& skeleton, Pose& pose, int bone, const Mat3& worldRotation) {
  const int parent = skeleton.bone(bone).parent;
  if (parent < 0) {
    pose.local[bone] = worldRotation;
    return;
  }
  const std::vector<Frame3> world = skeleton.solve(pose);
  pose.local[bone] = transpose(world[parent].rotation) * worldRotation;
}

namespace {

// A bone rotation whose -y runs along direction and whose z is the hinge axis.
Mat3 limbRotation(Vec3 direction, Vec3 hinge) {
  Mat3 m;
  m.column[1] = direction * -1.0;
  m.column[2] = hinge;
  m.column[0] = cross(m.column[1], m.column[2]);
  return m;
}

}  // namespace

void reachWithLimb(const Skeleton& skeleton, Pose& pose, int upper, int lower, double lowerLength,
                   Vec3 target, Vec3 pole, bool kneeLike) {
  const std::vector<Frame3> world = skeleton.solve(pose);
  const Vec3 start = world[upper].origin;
  const double upperLength = norm(skeleton.bone(lower).offset);
  const Vec3 toTarget = target - start;
  const Vec3 u = unit(toTarget);
  // A little short of full stretch, so the bend plane stays defined.
  const double d = std::clamp(norm(toTarget), std::fabs(upperLength - lowerLength) + 1e-3,
                              0.9995 * (upperLength + lowerLength));
  const double along = (upperLength * upperLength - lowerLength * lowerLength + d * d) / (2.0 * d);
  const double out = std::sqrt(std::max(0.0, upperLength * upperLength - along * along));
  Vec3 side = pole - u * dot(pole, u);
  if (norm(side) < 1e-9) side = cross(u, Vec3{0, 0, 1});
  side = unit(side);
  const Vec3 middle = start + u * along + side * out;
  const Vec3 end = start + u * d;
  const Vec3 d1 = unit(middle - start);
  const Vec3 d2 = unit(end - middle);
  const Vec3 hinge = unit(kneeLike ? cross(d2, d1) : cross(d1, d2));
  setWorldRotation(skeleton, pose, upper, limbRotation(d1, hinge));
  setWorldRotation(skeleton, pose, lower, limbRotation(d2, hinge));
}

int FigureMesh::addVertex(int bone, Vec3 local) {
  vertices_.push_back({bone, local});
  return static_cast<int>(vertices_.size()) - 1;
}

int FigureMesh::addTexCoord(double s, double t) {
  const std::array<int, 2> st{static_cast<int>(std::lround(s)), static_cast<int>(std::lround(t))};
  for (std::size_t i = 0; i < texCoords_.size(); ++i) {
    if (texCoords_[i] == st) return static_cast<int>(i);
  }
  texCoords_.push_back(st);
  return static_cast<int>(texCoords_.size()) - 1;
}

// Corners bottom-left, bottom-right, top-right, top-left as seen from outside.
void FigureMesh::addQuad(int a, int b, int c, int d, const SkinRect& skin) {
  const int ta = addTexCoord(skin.x, skin.y + skin.h);
  const int tb = addTexCoord(skin.x + skin.w, skin.y + skin.h);
  const int tc = addTexCoord(skin.x + skin.w, skin.y);
  const int td = addTexCoord(skin.x, skin.y);
  triangles_.push_back({{a, b, c}, {ta, tb, tc}});
  triangles_.push_back({{a, c, d}, {ta, tc, td}});
}

void FigureMesh::addPrism(int bone, double y0, std::array<double, 4> bottomXz, double y1,
                          std::array<double, 4> topXz, const BoxSkin& skin) {
  // corner[xi][yi][zi]: xi 0 back / 1 front, yi 0 bottom / 1 top, zi 0 left / 1 right.
  int corner[2][2][2];
  for (int yi = 0; yi < 2; ++yi) {
    const std::array<double, 4>& r = yi == 0 ? bottomXz : topXz;
    for (int xi = 0; xi < 2; ++xi) {
      for (int zi = 0; zi < 2; ++zi) {
        corner[xi][yi][zi] = addVertex(bone, {r[xi], yi == 0 ? y0 : y1, r[2 + zi]});
      }
    }
  }
  auto c = [&](int xi, int yi, int zi) { return corner[xi][yi][zi]; };
  addQuad(c(1, 0, 1), c(1, 0, 0), c(1, 1, 0), c(1, 1, 1), skin.front);
  addQuad(c(0, 0, 0), c(0, 0, 1), c(0, 1, 1), c(0, 1, 0), skin.back);
  addQuad(c(0, 0, 1), c(1, 0, 1), c(1, 1, 1), c(0, 1, 1), skin.right);
  addQuad(c(1, 0, 0), c(0, 0, 0), c(0, 1, 0), c(1, 1, 0), skin.left);
  addQuad(c(0, 1, 0), c(0, 1, 1), c(1, 1, 1), c(1, 1, 0), skin.top);
  addQuad(c(0, 0, 1), c(0, 0, 0), c(1, 0, 0), c(1, 0, 1), skin.bottom);
}

void FigureMesh::addBox(int bone, Vec3 low, Vec3 high, const BoxSkin& skin) {
  const std::array<double, 4> xz{low.x, high.x, low.z, high.z};
  addPrism(bone, low.y, xz, high.y, xz, skin);
}

void FigureMesh::addCylinder(int bone, double cx, double cz, double y0, double rx0, double rz0,
                             double y1, double rx1, double rz1, int sides, SkinRect side,
                             SkinRect cap) {
  constexpr double kPi = 3.14159265358979323846;
  std::vector<int> bottom, top;
  // Angles fall from pi (the back) so that the side runs left to right seen from outside.
  for (int i = 0; i < sides; ++i) {
    const double a = kPi - 2.0 * kPi * i / sides;
    bottom.push_back(addVertex(bone, {cx + rx0 * std::cos(a), y0, cz + rz0 * std::sin(a)}));
    top.push_back(addVertex(bone, {cx + rx1 * std::cos(a), y1, cz + rz1 * std::sin(a)}));
  }
  for (int i = 0; i < sides; ++i) {
    const int j = (i + 1) % sides;
    const double s0 = side.x + static_cast<double>(side.w) * i / sides;
    const double s1 = side.x + static_cast<double>(side.w) * (i + 1) / sides;
    const int ta = addTexCoord(s0, side.y + side.h);
    const int tb = addTexCoord(s1, side.y + side.h);
    const int tc = addTexCoord(s1, side.y);
    const int td = addTexCoord(s0, side.y);
    triangles_.push_back({{bottom[i], bottom[j], top[j]}, {ta, tb, tc}});
    triangles_.push_back({{bottom[i], top[j], top[i]}, {ta, tc, td}});
  }
  const int topCentre = addVertex(bone, {cx, y1, cz});
  const int bottomCentre = addVertex(bone, {cx, y0, cz});
  const double mx = cap.x + cap.w * 0.5, my = cap.y + cap.h * 0.5;
  const int tCentre = addTexCoord(mx, my);
  for (int i = 0; i < sides; ++i) {
    const int j = (i + 1) % sides;
    const double ai = kPi - 2.0 * kPi * i / sides;
    const double aj = kPi - 2.0 * kPi * j / sides;
    const int ti = addTexCoord(mx + std::sin(ai) * cap.w * 0.5, my - std::cos(ai) * cap.h * 0.5);
    const int tj = addTexCoord(mx + std::sin(aj) * cap.w * 0.5, my - std::cos(aj) * cap.h * 0.5);
    triangles_.push_back({{topCentre, top[i], top[j]}, {tCentre, ti, tj}});
    triangles_.push_back({{bottomCentre, bottom[j], bottom[i]}, {tCentre, tj, ti}});
  }
}

void FigureMesh::addDoubleQuad(int bone, Vec3 a, Vec3 b, Vec3 c, Vec3 d, SkinRect skin) {
  const int va = addVertex(bone, a), vb = addVertex(bone, b);
  const int vc = addVertex(bone, c), vd = addVertex(bone, d);
  addQuad(va, vb, vc, vd, skin);
  const SkinRect mirrored{skin.x + skin.w, skin.y, -skin.w, skin.h};
  addQuad(vb, va, vd, vc, mirrored);
}

std::vector<Md2Point> FigureMesh::place(const std::vector<Frame3>& world) const {
  std::vector<Md2Point> points;
  points.reserve(vertices_.size());
  for (const Vertex& v : vertices_) {
    const Vec3 p = world[static_cast<std::size_t>(v.bone)].apply(v.local);
    points.push_back({p.x, p.y, p.z});
  }
  return points;
}

Md2Content FigureMesh::content(int skinWidth, int skinHeight, const std::string& skinName) const {
  Md2Content c;
  c.skinWidth = skinWidth;
  c.skinHeight = skinHeight;
  c.skinName = skinName;
  c.texCoords = texCoords_;
  c.triangles = triangles_;
  return c;
}

}  // namespace assetgen::figure
