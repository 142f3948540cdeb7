// The text model parser: the grammar's number rules, both vertex-normal rules, materials and
// texture names, and malformed files refused with the line and the reason.
#include <unistd.h>

#include <cmath>

#include "assets/MeshModel.h"
#include "assets/AssetTestSupport.h"

namespace {

const char* const fileStart = "// test model\n\nFrames: 1\nFrame: 1\n\n";

// One object with the given vertex, normal and triangle lines.
std::string object(int material, const std::vector<std::string>& vertices,
                   const std::vector<std::string>& normals,
                   const std::vector<std::string>& triangles) {
  std::string s = "\"box\" 0 " + std::to_string(material) + "\n";
  s += std::to_string(vertices.size()) + "\n";
  for (const std::string& v : vertices) s += v + "\n";
  s += std::to_string(normals.size()) + "\n";
  for (const std::string& n : normals) s += n + "\n";
  s += std::to_string(triangles.size()) + "\n";
  for (const std::string& t : triangles) s += t + "\n";
  return s;
}

std::string material(const std::string& texture) {
  return "\"mat\"\n0.1 0.2 0.3 1\n0.4 0.5 0.6 1\n0.7 0.8 0.9 1\n0 0 0.5 1\n10\n1\n\"" + texture +
         "\"\n\"\"\n";
}

std::string model(const std::vector<std::string>& objects,
                  const std::vector<std::string>& materials) {
  std::string s = std::string(fileStart) + "Meshes: " + std::to_string(objects.size()) + "\n";
  for (const std::string& o : objects) s += o;
  s += "\nMaterials: " + std::to_string(materials.size()) + "\n";
  for (const std::string& m : materials) s += m;
  return s + "\nBones: 0\n";
}

// Vertices (0, 0, 0), (1, 0, 0), (0, 1, 0), (0, 0, 1); two triangles sharing the edge 0-1:
// one in the z = 0 plane (normal (0, 0, 1)), one in the y = 0 plane (normal (0, 1, 0)), as
// their corner order makes them.
const std::vector<std::string> foldedVertices = {
    "0 0 0 0 0 0 -1", "0 1 0 0 1 0 -1", "0 0 1 0 0 1 -1", "0 0 0 1 0 1 -1"};
const std::vector<std::string> foldedTriangles = {"0 0 1 2 0 0 0 1", "0 1 0 3 0 0 0 1"};

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

void expectNear(const Vector3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-4f);
  EXPECT_NEAR(v.y, y, 1e-4f);
  EXPECT_NEAR(v.z, z, 1e-4f);
}

}  // namespace

TEST(MeshModel, ModelWithoutObjectsOrMaterialsLoads) {
  const auto m = parsed(std::string(fileStart) + "Meshes: 0\n\nMaterials: 0\n");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->numObjects, 0u);
  EXPECT_EQ(m->numMaterials, 0u);
}

TEST(MeshModel, LinesFollowFormattedInputRules) {
  std::vector<std::string> vertices;
  for (int i = 0; i < 9; ++i) {
    vertices.push_back("0 " + std::to_string(i) + " 2.5 -3 0.25 0.75 -1");
  }
  // Outer integers discarded; 010 is octal 8, 0x3 hexadecimal.
  const auto m = parsed(model({object(0, vertices, {"0 0 1"}, {"0 1 2 3 0 1 2 1",
                                                              "7 010 0x3 1 5 6 7"})},
                              {material("")}));
  ASSERT_NE(m, nullptr);
  const MeshObject& o = m->objects[0];
  EXPECT_EQ(o.numVertices, 9u);
  EXPECT_EQ(o.vertices[4], Vector3(4.0f, 2.5f, -3.0f));
  EXPECT_EQ(o.texCoords[4][0], 0.25f);
  EXPECT_EQ(o.texCoords[4][1], 0.75f);
  ASSERT_EQ(o.numFaces, 2u);
  EXPECT_EQ(o.faceVertices[0], (std::array<std::uint32_t, 3>{1, 2, 3}));
  EXPECT_EQ(o.faceNormalIndices[0], (std::array<std::int32_t, 3>{0, 1, 2}));
  EXPECT_EQ(o.faceVertices[1], (std::array<std::uint32_t, 3>{8, 3, 1}));
  EXPECT_EQ(o.numNormals, 0u);  // skipped, as readNormals is false
}

TEST(MeshModel, ComputedVertexNormalsAverageTheTrianglesOfEachVertex) {
  const auto m = parsed(model({object(0, foldedVertices, {}, foldedTriangles)}, {material("")}));
  ASSERT_NE(m, nullptr);
  const MeshObject& o = m->objects[0];
  expectNear(o.faceNormals[0], 0, 0, 1);
  expectNear(o.faceNormals[1], 0, 1, 0);
  expectNear(o.vertexNormals[0], 0, 0.7071f, 0.7071f);
  expectNear(o.vertexNormals[1], 0, 0.7071f, 0.7071f);
  expectNear(o.vertexNormals[2], 0, 0, 1);
  expectNear(o.vertexNormals[3], 0, 1, 0);

  // A triangle naming a vertex twice counts once; a zero-area triangle has no normal.
  const auto degenerate = parsed(model({object(0, foldedVertices, {}, {"0 0 1 2 0 0 0 0",
                                                                       "0 1 1 0 0 0 0 0"})},
                                       {material("")}));
  ASSERT_NE(degenerate, nullptr);
  expectNear(degenerate->objects[0].faceNormals[1], 0, 0, 0);
  expectNear(degenerate->objects[0].vertexNormals[1], 0, 0, 1);
  expectNear(degenerate->objects[0].vertexNormals[3], 0, 0, 0);  // used by no triangle
}

TEST(MeshModel, ReadVertexNormalsTakeTheLastCornerThatNamesTheVertex) {
  const auto m = parsed(model({object(0, foldedVertices, {"1 0 0", "0 1 0", "0 0 1"},
                                      {"0 0 1 2 0 0 0 1", "0 1 0 3 1 2 1 1"})},
                              {material("")}),
                        true);
  ASSERT_NE(m, nullptr);
  const MeshObject& o = m->objects[0];
  EXPECT_EQ(o.numNormals, 3u);
  EXPECT_EQ(o.vertexNormals[0], Vector3(0, 0, 1));  // second triangle, normal 2
  EXPECT_EQ(o.vertexNormals[1], Vector3(0, 1, 0));  // second triangle, normal 1
  EXPECT_EQ(o.vertexNormals[2], Vector3(1, 0, 0));
  EXPECT_EQ(o.vertexNormals[3], Vector3(0, 1, 0));
}

TEST(MeshModel, MaterialsAndTextureNamesAreReadWhole) {
  const std::string longName = "data/textures/" + std::string(200, 'w') + "/a painting.bmp";
  const auto m = parsed(model({object(1, foldedVertices, {}, foldedTriangles)},
                              {material(""), material(longName)}));
  ASSERT_NE(m, nullptr);
  ASSERT_EQ(m->numMaterials, 2u);
  EXPECT_EQ(m->materials[0].textureName, "");
  EXPECT_EQ(m->materials[1].textureName, longName);
  EXPECT_EQ(m->materials[1].textureId, 0u);  // textures are made by the loader
  const MeshMaterial* mat = m->materialOf(m->objects[0]);
  ASSERT_EQ(mat, &m->materials[1]);
  EXPECT_EQ(mat->ambient[0], 0.1f);
  EXPECT_EQ(mat->diffuse[1], 0.5f);
  EXPECT_EQ(mat->specular[2], 0.9f);
  EXPECT_EQ(mat->emission[2], 0.5f);
  EXPECT_EQ(mat->emission[3], 1.0f);

  // -1 names no material; a model without materials has none for any object.
  const auto none = parsed(model({object(-1, foldedVertices, {}, foldedTriangles)},
                                 {material("")}));
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(none->materialOf(none->objects[0]), nullptr);
  const auto bare = parsed(model({object(0, foldedVertices, {}, foldedTriangles)}, {}));
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(bare->materialOf(bare->objects[0]), nullptr);
}

TEST(MeshModel, CrLfLineEndsLongLinesAndQuotedNamesAreAccepted) {
  std::vector<std::string> vertices = foldedVertices;
  vertices[0] = "0 0 0 0 0 0" + std::string(10000, ' ') + "-1";
  std::string text = model({object(0, vertices, {}, foldedTriangles)}, {material("a.bmp")});
  text.replace(text.find("\"box\""), 5, "\"my old box\"");
  std::string crlf;
  for (const char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  const auto m = parsed(crlf);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->materials[0].textureName, "a.bmp");
  EXPECT_EQ(m->objects[0].numFaces, 2u);
}

TEST(MeshModel, OutOfRangeIndicesAndCountsAreRefusedWithTheLine) {
  const std::vector<std::string> three = {"0 0 0 0 0 0 0", "0 1 0 0 0 0 0", "0 0 1 0 0 0 0"};
  auto withTriangle = [&](const std::string& t) {
    return model({object(0, three, {"0 0 1"}, {t})}, {material("")});
  };
  EXPECT_EQ(refusal(withTriangle("0 0 1 3 0 0 0 0")),
            "line 15: vertex index 3 is out of range for 3 vertices");
  EXPECT_NE(refusal(withTriangle("0 0 -1 2 0 0 0 0")).find("vertex index -1"), std::string::npos);
  EXPECT_NE(refusal(withTriangle("0 0 1 99999999999 0 0 0 0")).find("out of range"),
            std::string::npos);
  EXPECT_NE(refusal(withTriangle("0 0 1 2 0 1 0 0"), true).find("normal index 1"),
            std::string::npos);
  EXPECT_NE(refusal(withTriangle("0 0 1 two 0 0 0 0")).find("7 integers"), std::string::npos);
  EXPECT_NE(refusal(model({object(2, three, {}, {})}, {material("")})).find("material index 2"),
            std::string::npos);

  std::string text = model({object(0, three, {}, {})}, {material("")});
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = text;
    t.replace(t.find(from), from.size(), to);
    return t;
  };
  EXPECT_NE(refusal(replaced("\n3\n", "\n2147483647\n")).find("2147483647 vertices announced"),
            std::string::npos);
  EXPECT_NE(refusal(replaced("\n3\n", "\n10\n")).find("needs 5 numbers"), std::string::npos);
  EXPECT_EQ(refusal(std::string(fileStart) + "Meshes: 1\nbox 0 0\n10\n" + three[0] + "\n" +
                    three[1] + "\n" + three[2] + "\n"),
            "line 8: 10 vertices announced, but only 3 lines follow");
  EXPECT_NE(refusal(replaced("\n3\n", "\n-3\n")).find("out of range"), std::string::npos);
  EXPECT_NE(refusal(replaced("\n3\n", "\nmany\n")).find("not a number"), std::string::npos);
  EXPECT_NE(refusal(replaced("Meshes: 1", "Meshes: 99999999999")).find("out of range"),
            std::string::npos);
  EXPECT_NE(refusal(replaced("0 1 0 0 0 0 0", "0 1 nan 0 0 0 0")).find("not finite"),
            std::string::npos);
  EXPECT_NE(refusal(replaced("0 1 0 0 0 0 0", "0 1 0")).find("needs 5 numbers"),
            std::string::npos);
  EXPECT_NE(refusal(replaced("\"\"\n\"\"\n\nBones", "\"open\n\"\"\n\nBones")).find("closing double quote"),
            std::string::npos);
  EXPECT_NE(refusal(replaced("\"\"\n\"\"\n\nBones", "plain\n\"\"\n\nBones")).find("double quotes"),
            std::string::npos);
  EXPECT_EQ(refusal(""), "the file is empty");
}

TEST(MeshModel, EveryTruncationAtALineIsRefused) {
  const std::string text = model({object(0, foldedVertices, {"0 0 1"}, foldedTriangles)},
                                 {material("t.bmp")});
  ASSERT_NE(parsed(text, true), nullptr);
  // Cut after each line up to the last line read (the alpha map line of the last material).
  const std::size_t end = text.find("\"\"\n\nBones");
  for (std::size_t cut = text.find('\n'); cut < end; cut = text.find('\n', cut + 1)) {
    std::string error;
    EXPECT_EQ(parseMeshModel(text.substr(0, cut + 1), true, error), nullptr) << cut;
    EXPECT_FALSE(error.empty());
  }
}

TEST(MeshModel, LoadingReadsTheFileAndMakesNoTextureForAnEmptyName) {
  const std::string file = assettest::writeFile(
      "plain.txt", model({object(0, foldedVertices, {}, foldedTriangles)}, {material("")}));
  MeshModel* m = loadMeshModel(file.c_str(), false);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->numObjects, 1u);
  EXPECT_EQ(m->materials[0].textureId, 0u);
  freeMeshModel(m);
}

TEST(MeshModelDeathTest, MissingOrMalformedFilesEndTheProgramWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Paths that are the same in the re-executed child.
  const std::string missing = testing::TempDir() + "vaultrun_no_such_folder/level.txt";
  EXPECT_EXIT(
      {
        dup2(2, 1);  // the messages go to standard output; let the death test see them
        loadMeshModel(missing.c_str(), true);
      },
      testing::ExitedWithCode(1), "File Not Found: " + missing + "\n");
  const std::string broken = testing::TempDir() + "vaultrun_broken_model.txt";
  {
    std::ofstream out(broken, std::ios::trunc);
    out << fileStart << "Meshes: 1\nbox 0 0\n10\n0 0 0 0 0 0 0\n0\n";
  }
  EXPECT_EXIT(
      {
        dup2(2, 1);
        loadMeshModel(broken.c_str(), false);
      },
      testing::ExitedWithCode(1),
      "Malformed model file " + broken + ": line 8: 10 vertices announced, but only 2 lines follow\n");
}
