// Building and writing text models: objects of triangles with per-vertex positions, texture
// coordinates and normals, and their materials, in the game's text model format (the mesh
// layout of the MilkShape 3D ASCII export). Every line stays within 78 characters plus its
// line feed and every texture name within 31 characters.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace assetgen {

struct Vec3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, double s);
double dot(Vec3 a, Vec3 b);
Vec3 cross(Vec3 a, Vec3 b);
Vec3 unit(Vec3 v);

struct Uv {
  double u = 0.0;
  double v = 0.0;
};

struct MaterialSpec {
  std::string name;          // one word
  std::array<float, 3> ambient{};
  std::array<float, 3> diffuse{};
  std::array<float, 3> specular{};
  std::array<float, 3> emission{};
  float shininess = 0.0f;
  std::string texture;       // path from the game's working directory, or empty
};

// One object of a model: its own vertices (each with one normal) and triangles.
struct MeshPart {
  struct Vertex {
    Vec3 position;
    Uv uv;
    Vec3 normal;
  };
  std::string name;  // one word
  int material = 0;
  std::vector<Vertex> vertices;
  std::vector<std::array<int, 3>> triangles;

  // A flat quad with corners c[0..3] around its outline. The corners are kept in the order
  // given when they wind counter-clockwise as seen from the side `facing` points to, and
  // reversed otherwise; every vertex gets the normal `facing` (made unit).
  void addQuad(const std::array<Vec3, 4>& c, const std::array<Uv, 4>& uv, Vec3 facing);
  void addTriangle(const std::array<Vec3, 3>& c, const std::array<Uv, 3>& uv, Vec3 facing);
};

// Which faces of a box to emit.
enum BoxFace : unsigned {
  kFaceMinX = 1u,
  kFaceMaxX = 2u,
  kFaceMinY = 4u,
  kFaceMaxY = 8u,
  kFaceMinZ = 16u,
  kFaceMaxZ = 32u,
  kAllFaces = 63u,
};

// An axis-aligned box facing outwards; texture coordinates are the face's own coordinates
// divided by uvScale (u to the right as one looks at the face, v upwards or away).
void addBox(MeshPart& part, Vec3 lo, Vec3 hi, unsigned faces, double uvScale);

struct TextModel {
  std::vector<MaterialSpec> materials;
  std::vector<MeshPart> parts;

  int addMaterial(const MaterialSpec& material);
  MeshPart& addPart(const std::string& name, int material);
};

// The file's text, or an empty string with error set when a line or a name is too long or a
// part names a material that does not exist.
std::string formatTextModel(const TextModel& model, std::string& error);

// Formats and writes the model with writeFileAtomically; prints what failed.
bool writeTextModel(const std::string& path, const TextModel& model);

}  // namespace assetgen
