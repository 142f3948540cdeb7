// The text model parser: the grammar's number rules, both vertex-normal rules, materials and
// texture names, and malformed files refused with the line and the reason.
#include <cmath>

#include "assets/MeshModel.h"
#include "assets/AssetTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

const char* const fileStart = "// test model\n\nFrames: 1\nFrame: 1\n\n";

std::string object(int material, const Lines& vertices, const Lines& normals,
                   const Lines& triangles) {
  std::string s = "\"box\" 0 " + std::to_string(material) + "\n";
  for (const Lines* part : {&vertices, &normals, &triangles}) {
    s += std::to_string(part->size()) + "\n";
    for (const std::string& line : *part) s += line + "\n";
  }
  return s;
}

std::string material(const std::string& texture) {
  return "\"mat\"\n0.1 0.2 0.3 1\n0.4 0.5 0.6 1\n0.7 0.8 0.9 1\n0 0 0.5 1\n10\n1\n\"" + texture +
         "\"\n\"\"\n";
}

std::string model(const Lines& objects, const Lines& materials) {
  std::string s = std::string(fileStart) + "Meshes: " + std::to_string(objects.size()) + "\n";
  for (const std::string& o : objects) s += o;
  s += "\nMaterials: " + std::to_string(materials.size()) + "\n";
  for (const std::string& m : materials) s += m;
  return s + "\nBones: 0\n";
}

// Vertices (0, 0, 0), (1, 0, 0), (0, 1, 0), (0, 0, 1); two triangles sharing the edge 0-1, one
// in the z = 0 plane (normal (0, 0, 1)), one in the y = 0 plane (normal (0, 1, 0)), as their
// corner order makes them.
const Lines folded = {"0 0 0 0 0 0 -1", "0 1 0 0 1 0 -1", "0 0 1 0 0 1 -1", "0 0 0 1 0 1 -1"};
const Lines foldedTriangles = {"0 0 1 2 0 0 0 1", "0 1 0 3 0 0 0 1"};

std::unique_ptr<MeshModel> parsed(const std::string& text, bool readNormals = false) {
  std::string error;
  std::unique_ptr<MeshModel> m = parseMeshModel(text, readNormals, error);
  EXPECT_NE(m, nullptr) << error;
  return m;
}

std::string refusal(const std::string& text, bool readNormals = false) {
  std::string error;
  EXPECT_EQ(parseMeshModel(text, readNormals, error), nullptr) << text;
  return error;
}

using Normals = std::vector<Vector3>;

// Four decimals, so computed unit vectors compare with written ones.
Normals rounded(Normals normals) {
  for (Vector3& n : normals) {
    for (float* c : {&n.x, &n.y, &n.z}) *c = std::round(*c * 10000.0f) / 10000.0f + 0.0f;
  }
  return normals;
}

#define EXPECT_HAS(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

}  // namespace

TEST(MeshModel, LinesFollowFormattedInputRules) {
  const auto empty = parsed(std::string(fileStart) + "Meshes: 0\n\nMaterials: 0\n");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->numObjects + empty->numMaterials, 0u);

  Lines vertices;
  for (int i = 0; i < 9; ++i) vertices.push_back("0 " + std::to_string(i) + " 2.5 -3 0.25 0.75 -1");
  // Outer integers discarded; 010 is octal 8, 0x3 hexadecimal; the last integer may be missing.
  const auto m = parsed(model(
      {object(0, vertices, {"0 0 1"}, {"0 1 2 3 0 1 2 1", "7 010 0x3 1 5 6 7"})}, {material("")}));
  ASSERT_NE(m, nullptr);
  const MeshObject& o = m->objects[0];
  EXPECT_EQ(o.vertices[4], Vector3(4.0f, 2.5f, -3.0f));
  EXPECT_EQ(o.texCoords[4], (std::array<float, 2>{0.25f, 0.75f}));
  EXPECT_EQ(o.faceVertices[0], (std::array<std::uint32_t, 3>{1, 2, 3}));
  EXPECT_EQ(o.faceNormalIndices[0], (std::array<std::int32_t, 3>{0, 1, 2}));
  EXPECT_EQ(o.faceVertices[1], (std::array<std::uint32_t, 3>{8, 3, 1}));
  EXPECT_EQ(o.numNormals, 0u);  // skipped without readNormals
}

TEST(MeshModel, VertexNormalsAverageTheTrianglesOrTakeTheLastCornerRead) {
  const auto computed = parsed(model({object(0, folded, {}, foldedTriangles)}, {material("")}));
  ASSERT_NE(computed, nullptr);
  EXPECT_EQ(rounded(computed->objects[0].faceNormals), (Normals{{0, 0, 1}, {0, 1, 0}}));
  EXPECT_EQ(rounded(computed->objects[0].vertexNormals),
            (Normals{{0, 0.7071f, 0.7071f}, {0, 0.7071f, 0.7071f}, {0, 0, 1}, {0, 1, 0}}));

  // A triangle naming a vertex twice counts once and, having no area, adds no direction;
  // vertex 3 is used by no triangle.
  const auto flat = parsed(
      model({object(0, folded, {}, {foldedTriangles[0], "0 1 1 0 0 0 0 0"})}, {material("")}));
  ASSERT_NE(flat, nullptr);
  EXPECT_EQ(rounded(flat->objects[0].faceNormals), (Normals{{0, 0, 1}, {0, 0, 0}}));
  EXPECT_EQ(rounded(flat->objects[0].vertexNormals),
            (Normals{{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {}}));

  const auto read = parsed(model({object(0, folded, {"1 0 0", "0 1 0", "0 0 1"},
                                         {"0 0 1 2 0 0 0 1", "0 1 0 3 1 2 1 1"})},
                                 {material("")}),
                           true);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->objects[0].numNormals, 3u);
  EXPECT_EQ(read->objects[0].vertexNormals, (Normals{{0, 0, 1}, {0, 1, 0}, {1, 0, 0}, {0, 1, 0}}));
}

TEST(MeshModel, MaterialsNamesAndLinesOfAnyLengthAreReadWhole) {
  const std::string longName = "data/textures/" + std::string(200, 'w') + "/a painting.bmp";
  Lines vertices = folded;
  vertices[0] = "0 0 0 0 0 0" + std::string(10000, ' ') + "-1";
  std::string text = model({object(1, vertices, {}, foldedTriangles), object(-1, folded, {}, {})},
                           {material(""), material(longName)});
  text.replace(text.find("\"box\""), 5, "\"my old box\"");
  std::string crlf;
  for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const auto m = parsed(crlf);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->materials[0].textureName, "");
  EXPECT_EQ(m->materials[1].textureName, longName);
  const MeshMaterial* mat = m->materialOf(m->objects[0]);
  ASSERT_EQ(mat, &m->materials[1]);
  EXPECT_EQ((std::vector<float>{mat->ambient[0], mat->diffuse[1], mat->specular[2],
                                mat->emission[2], mat->emission[3]}),
            (std::vector<float>{0.1f, 0.5f, 0.9f, 0.5f, 1.0f}));
  EXPECT_EQ(m->materialOf(m->objects[1]), nullptr);  // -1 names no material
}

TEST(MeshModel, OutOfRangeIndicesCountsAndNumbersAreRefusedWithTheLine) {
  const Lines three = {"0 0 0 0 0 0 0", "0 1 0 0 0 0 0", "0 0 1 0 0 0 0"};
  const auto triangle = [&](const std::string& t, bool normals = false) {
    return refusal(model({object(0, three, {"0 0 1"}, {t})}, {material("")}), normals);
  };
  EXPECT_EQ(triangle("0 0 1 3 0 0 0 0"), "line 15: vertex index 3 is out of range for 3 vertices");
  EXPECT_HAS(triangle("0 0 -1 2 0 0 0 0"), "vertex index -1");
  EXPECT_HAS(triangle("0 0 1 99999999999 0 0 0 0"), "out of range");
  EXPECT_HAS(triangle("0 0 1 2 0 1 0 0", true), "normal index 1");
  EXPECT_HAS(refusal(model({object(2, three, {}, {})}, {material("")})), "material index 2");

  const std::string text = model({object(0, three, {}, {})}, {material("")});
  const auto replaced = [&](const std::string& from, const std::string& to) {
    return refusal(std::string(text).replace(text.find(from), from.size(), to));
  };
  EXPECT_HAS(replaced("\n3\n", "\n2147483647\n"), "2147483647 vertices announced");
  EXPECT_HAS(replaced("\n3\n", "\nmany\n"), "not a number");
  EXPECT_HAS(replaced("Meshes: 1", "Meshes: 99999999999"), "out of range");
  EXPECT_HAS(replaced("0 1 0 0 0 0 0", "0 1 nan 0 0 0 0"), "not finite");
  EXPECT_HAS(replaced("\"\"\n\"\"\n\nB", "\"open\n\"\"\n\nB"), "closing double quote");
  EXPECT_HAS(replaced("\"\"\n\"\"\n\nB", "plain\n\"\"\n\nB"), "double quotes");
  EXPECT_EQ(refusal(""), "the file is empty");
}

TEST(MeshModel, EveryTruncationAtALineIsRefused) {
  const std::string text =
      model({object(0, folded, {"0 0 1"}, foldedTriangles)}, {material("t.bmp")});
  ASSERT_NE(parsed(text, true), nullptr);
  const std::size_t end = text.find("\"\"\n\nBones");  // the last line read
  for (std::size_t cut = text.find('\n'); cut < end; cut = text.find('\n', cut + 1)) {
    EXPECT_FALSE(refusal(text.substr(0, cut + 1), true).empty()) << cut;
  }
}
