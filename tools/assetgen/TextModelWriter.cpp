// Text model building and writing.
#include "TextModelWriter.h"

#include <cmath>
#include <cstdio>
#include <map>

#include "AssetFiles.h"

namespace assetgen {

Vec3 operator+(Vec3 a, Vec3 b) {
  return Vec3{a.x + b.x, a.y + b.y, a.z + b.z};
}

Vec3 operator-(Vec3 a, Vec3 b) {
  return Vec3{a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 operator*(Vec3 a, double s) {
  return Vec3{a.x * s, a.y * s, a.z * s};
}

double dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 cross(Vec3 a, Vec3 b) {
  return Vec3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 unit(Vec3 v) {
  const double len = std::sqrt(dot(v, v));
  return len > 0.0 ? v * (1.0 / len) : v;
}

void MeshPart::addQuad(const std::array<Vec3, 4>& c, const std::array<Uv, 4>& uv, Vec3 facing) {
  const Vec3 n = unit(facing);
  // Counter-clockwise seen from the front: (c1 - c0) x (c2 - c0) points at the viewer.
  const bool keep = dot(cross(c[1] - c[0], c[2] - c[0]), n) >= 0.0;
  const int base = static_cast<int>(vertices.size());
  for (int i = 0; i < 4; ++i) {
    const int k = keep ? i : 3 - i;
    vertices.push_back(Vertex{c[k], uv[k], n});
  }
  triangles.push_back({base, base + 1, base + 2});
  triangles.push_back({base, base + 2, base + 3});
}

void MeshPart::addTriangle(const std::array<Vec3, 3>& c, const std::array<Uv, 3>& uv,
                           Vec3 facing) {
  const Vec3 n = unit(facing);
  const bool keep = dot(cross(c[1] - c[0], c[2] - c[0]), n) >= 0.0;
  const int base = static_cast<int>(vertices.size());
  for (int i = 0; i < 3; ++i) {
    const int k = keep ? i : 2 - i;
    vertices.push_back(Vertex{c[k], uv[k], n});
  }
  triangles.push_back({base, base + 1, base + 2});
}

void addBox(MeshPart& part, Vec3 lo, Vec3 hi, unsigned faces, double uvScale) {
  const double s = 1.0 / uvScale;
  auto face = [&](unsigned bit, Vec3 normal, std::array<Vec3, 4> c) {
    if (!(faces & bit)) return;
    // Texture axes: u to the right as seen from outside, v up (or along -z for lids).
    Vec3 right;
    Vec3 up;
    if (normal.y != 0.0) {
      right = Vec3{1.0, 0.0, 0.0};
      up = Vec3{0.0, 0.0, -normal.y};
    } else {
      up = Vec3{0.0, 1.0, 0.0};
      right = cross(up, normal);
    }
    std::array<Uv, 4> uv;
    for (int i = 0; i < 4; ++i) uv[i] = Uv{dot(c[i], right) * s, dot(c[i], up) * s};
    part.addQuad(c, uv, normal);
  };
  const double x0 = lo.x, y0 = lo.y, z0 = lo.z, x1 = hi.x, y1 = hi.y, z1 = hi.z;
  face(kFaceMinX, {-1, 0, 0}, {Vec3{x0, y0, z0}, Vec3{x0, y0, z1}, Vec3{x0, y1, z1}, Vec3{x0, y1, z0}});
  face(kFaceMaxX, {1, 0, 0}, {Vec3{x1, y0, z1}, Vec3{x1, y0, z0}, Vec3{x1, y1, z0}, Vec3{x1, y1, z1}});
  face(kFaceMinY, {0, -1, 0}, {Vec3{x0, y0, z0}, Vec3{x1, y0, z0}, Vec3{x1, y0, z1}, Vec3{x0, y0, z1}});
  face(kFaceMaxY, {0, 1, 0}, {Vec3{x0, y1, z1}, Vec3{x1, y1, z1}, Vec3{x1, y1, z0}, Vec3{x0, y1, z0}});
  face(kFaceMinZ, {0, 0, -1}, {Vec3{x1, y0, z0}, Vec3{x0, y0, z0}, Vec3{x0, y1, z0}, Vec3{x1, y1, z0}});
  face(kFaceMaxZ, {0, 0, 1}, {Vec3{x0, y0, z1}, Vec3{x1, y0, z1}, Vec3{x1, y1, z1}, Vec3{x0, y1, z1}});
}

int TextModel::addMaterial(const MaterialSpec& material) {
  materials.push_back(material);
  return static_cast<int>(materials.size()) - 1;
}

MeshPart& TextModel::addPart(const std::string& name, int material) {
  parts.push_back(MeshPart{});
  parts.back().name = name;
  parts.back().material = material;
  return parts.back();
}

namespace {

constexpr std::size_t kMaxLine = 78;       // characters before the line feed
constexpr std::size_t kMaxTextureName = 31;
constexpr std::size_t kMaxName = 31;       // the object name word, quotes included

// Six decimals, without a negative zero.
std::string number(double v) {
  if (std::fabs(v) < 5e-7) v = 0.0;
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.6f", v);
  return buffer;
}

class Lines {
 public:
  void add(const std::string& line) {
    if (line.size() > kMaxLine && error_.empty()) error_ = "line too long: " + line;
    text_ += line;
    text_ += '\n';
  }
  std::string& error() { return error_; }
  std::string& text() { return text_; }

 private:
  std::string text_;
  std::string error_;
};

std::string colourLine(const std::array<float, 3>& c) {
  return number(c[0]) + " " + number(c[1]) + " " + number(c[2]) + " " + number(1.0);
}

void writePart(Lines& out, const MeshPart& part) {
  out.add("\"" + part.name + "\" 0 " + std::to_string(part.material));
  out.add(std::to_string(part.vertices.size()));
  for (const MeshPart::Vertex& v : part.vertices) {
    out.add("0 " + number(v.position.x) + " " + number(v.position.y) + " " +
            number(v.position.z) + " " + number(v.uv.u) + " " + number(v.uv.v) + " -1");
  }
  // One normal line per distinct normal; each vertex's corner names its own.
  std::map<std::string, int> normalIndex;
  std::vector<std::string> normalLines;
  std::vector<int> vertexNormal;
  for (const MeshPart::Vertex& v : part.vertices) {
    const std::string line = number(v.normal.x) + " " + number(v.normal.y) + " " + number(v.normal.z);
    auto found = normalIndex.find(line);
    if (found == normalIndex.end()) {
      found = normalIndex.emplace(line, static_cast<int>(normalLines.size())).first;
      normalLines.push_back(line);
    }
    vertexNormal.push_back(found->second);
  }
  out.add(std::to_string(normalLines.size()));
  for (const std::string& line : normalLines) out.add(line);
  out.add(std::to_string(part.triangles.size()));
  for (const auto& t : part.triangles) {
    out.add("0 " + std::to_string(t[0]) + " " + std::to_string(t[1]) + " " + std::to_string(t[2]) +
            " " + std::to_string(vertexNormal[t[0]]) + " " + std::to_string(vertexNormal[t[1]]) +
            " " + std::to_string(vertexNormal[t[2]]) + " 1");
  }
}

}  // namespace

std::string formatTextModel(const TextModel& model, std::string& error) {
  Lines out;
  out.add("// MilkShape 3D ASCII");
  out.add("");
  out.add("Frames: 30");
  out.add("Frame: 1");
  out.add("");
  out.add("Meshes: " + std::to_string(model.parts.size()));
  for (const MeshPart& part : model.parts) {
    if (part.name.size() + 2 > kMaxName || part.name.find(' ') != std::string::npos) {
      error = "bad object name: " + part.name;
      return std::string();
    }
    if (part.material < 0 || part.material >= static_cast<int>(model.materials.size())) {
      error = "object " + part.name + " names a missing material";
      return std::string();
    }
    if (part.vertices.size() > 32767) {
      error = "object " + part.name + " has more vertices than 16-bit indices reach";
      return std::string();
    }
    writePart(out, part);
  }
  out.add("");
  out.add("Materials: " + std::to_string(model.materials.size()));
  for (const MaterialSpec& m : model.materials) {
    if (m.texture.size() > kMaxTextureName) {
      error = "texture name too long: " + m.texture;
      return std::string();
    }
    out.add("\"" + m.name + "\"");
    out.add(colourLine(m.ambient));
    out.add(colourLine(m.diffuse));
    out.add(colourLine(m.specular));
    out.add(colourLine(m.emission));
    out.add(number(m.shininess));
    out.add(number(1.0));
    out.add("\"" + m.texture + "\"");
    out.add("\"\"");
  }
  out.add("");
  out.add("Bones: 0");
  out.add("GroupComments: 0");
  out.add("MaterialComments: 0");
  out.add("BoneComments: 0");
  out.add("ModelComment: 0");
  if (!out.error().empty()) {
    error = out.error();
    return std::string();
  }
  return std::move(out.text());
}

bool writeTextModel(const std::string& path, const TextModel& model) {
  std::string error;
  const std::string text = formatTextModel(model, error);
  if (text.empty()) {
    std::fprintf(stderr, "assetgen: %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  return writeFileAtomically(path, text);
}

}  // namespace assetgen
