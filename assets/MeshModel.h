// The text model format in memory: a model's objects (vertices, normals, texture coordinates,
// triangles) and its materials, and the GL-free parser that builds them from a file's text.
// assets/MeshModelLoader.cpp reads the file and makes the material textures.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "geometry/Vector3.h"

// One object of a model. The arrays are laid out for glVertexPointer, glNormalPointer,
// glTexCoordPointer and glDrawElements(GL_TRIANGLES, numFaces * 3, GL_UNSIGNED_INT, ...).
// Every index in faceVertices is below numVertices; with the file's normals read, every index
// in faceNormalIndices is below numNormals.
struct MeshObject {
  std::uint32_t numVertices = 0;
  std::uint32_t numNormals = 0;                 // set only when the file's normals are read
  std::vector<Vector3> vertices;                // numVertices, in model units
  std::vector<Vector3> vertexNormals;           // numVertices, the normals drawn with
  std::vector<Vector3> normals;                 // numNormals, as read (empty when skipped)
  std::vector<std::array<float, 2>> texCoords;  // numVertices pairs u, v
  std::uint32_t numFaces = 0;
  std::vector<std::array<std::uint32_t, 3>> faceVertices;      // numFaces corner triples
  std::vector<std::array<std::int32_t, 3>> faceNormalIndices;  // numFaces, into normals
  std::vector<Vector3> faceNormals;  // numFaces unit normals; (0, 0, 0) for a zero-area face
  std::int32_t materialIndex = 0;    // into the model's materials; -1 for none
};

static_assert(sizeof(std::array<std::uint32_t, 3>) == 3 * sizeof(std::uint32_t),
              "face triples must be packed for glDrawElements");
static_assert(sizeof(std::array<float, 2>) == 2 * sizeof(float),
              "texture coordinates must be packed pairs");

struct MeshMaterial {
  // Red, green, blue as read, and alpha 1 for the four-component GL material calls.
  float ambient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
  float diffuse[4] = {0.0f, 0.0f, 0.0f, 1.0f};
  float specular[4] = {0.0f, 0.0f, 0.0f, 1.0f};
  float emission[4] = {0.0f, 0.0f, 0.0f, 1.0f};
  std::string textureName;      // a path relative to the working directory; may be empty
  std::uint32_t textureId = 0;  // GL texture name made from textureName; 0 for none
};

struct MeshModel {
  std::uint32_t numObjects = 0;
  std::uint32_t numMaterials = 0;
  std::vector<MeshObject> objects;      // numObjects, in file order
  std::vector<MeshMaterial> materials;  // numMaterials, in file order

  // The object's material, or null when the model has none or the object names none (-1).
  const MeshMaterial* materialOf(const MeshObject& object) const;
};

// Parses the whole text of a model file. With readNormals the file's normals are assigned to
// the vertices (the last corner naming a vertex wins); without it they are skipped and each
// vertex gets the unit average of the normals of its triangles. Material textures are not
// made here (textureId stays 0). On a malformed text returns null and sets error to
// "line N: reason"; nothing is half-built.
std::unique_ptr<MeshModel> parseMeshModel(const std::string& text, bool readNormals,
                                          std::string& error);

// Reads, parses and returns a new model, with the textures of its materials made (so a GL
// context must be current; defined in assets/MeshModelLoader.cpp). A file that can't be read
// gets "File Not Found: <name>", a malformed one "Malformed model file <name>: <reason>", on
// standard output, and the program ends with exit status 1. A material texture that can't be
// loaded ends it as assets/Textures.h says.
MeshModel* loadMeshModel(const char* fileName, bool readNormals);

// Releases a model made by loadMeshModel; null is allowed. Textures are not deleted.
void freeMeshModel(MeshModel* model);
