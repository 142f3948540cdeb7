// Fuzz target of the text model parser, with the file's normals read and skipped: any text
// either gives a model whose arrays all have their announced lengths and whose every index
// lies inside its array (what the draw calls and the level's collision list rely on), or is
// refused with the line and the reason.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "assets/MeshModel.h"
#include "fuzz/FuzzCheck.h"

using fuzzsupport::startsWith;

namespace {

bool finite(const Vector3& v) {
  return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

void checkObject(const MeshModel& model, const MeshObject& o, bool readNormals) {
  FUZZ_CHECK(o.vertices.size() == o.numVertices);
  FUZZ_CHECK(o.texCoords.size() == o.numVertices);
  FUZZ_CHECK(o.vertexNormals.size() == o.numVertices);
  FUZZ_CHECK(o.faceVertices.size() == o.numFaces);
  FUZZ_CHECK(o.faceNormalIndices.size() == o.numFaces);
  FUZZ_CHECK(o.faceNormals.size() == o.numFaces);
  FUZZ_CHECK(o.normals.size() == o.numNormals);
  if (!readNormals) {
    FUZZ_CHECK(o.numNormals == 0);
  }
  for (std::uint32_t f = 0; f < o.numFaces; ++f) {
    for (int k = 0; k < 3; ++k) {
      FUZZ_CHECK(o.faceVertices[f][k] < o.numVertices);
      if (readNormals) {
        FUZZ_CHECK(o.faceNormalIndices[f][k] >= 0);
        FUZZ_CHECK(static_cast<std::uint32_t>(o.faceNormalIndices[f][k]) < o.numNormals);
      }
    }
    // A face normal is a unit vector, or zero for a face without area.
    const Vector3& n = o.faceNormals[f];
    FUZZ_CHECK(finite(n));
    const float len = length(n);
    FUZZ_CHECK(len == 0.0f || std::fabs(len - 1.0f) < 1e-3f);
  }
  for (std::uint32_t i = 0; i < o.numVertices; ++i) {
    FUZZ_CHECK(finite(o.vertices[i]));
    FUZZ_CHECK(std::isfinite(o.texCoords[i][0]) && std::isfinite(o.texCoords[i][1]));
    FUZZ_CHECK(finite(o.vertexNormals[i]));
    if (!readNormals) {
      FUZZ_CHECK(length(o.vertexNormals[i]) < 1.001f);
    }
  }
  const MeshMaterial* material = model.materialOf(o);
  if (material != nullptr) {
    FUZZ_CHECK(material >= model.materials.data() &&
               material < model.materials.data() + model.materials.size());
  }
}

void parseWith(const std::string& text, bool readNormals) {
  std::string error;
  const std::unique_ptr<MeshModel> model = parseMeshModel(text, readNormals, error);
  if (model == nullptr) {
    FUZZ_CHECK(startsWith(error, "line ") || startsWith(error, "the file ") ||
               startsWith(error, "not enough memory"));
    return;
  }
  FUZZ_CHECK(error.empty());
  FUZZ_CHECK(model->objects.size() == model->numObjects);
  FUZZ_CHECK(model->materials.size() == model->numMaterials);
  for (const MeshObject& object : model->objects) {
    checkObject(*model, object, readNormals);
  }
  for (const MeshMaterial& material : model->materials) {
    FUZZ_CHECK(material.textureId == 0);
    FUZZ_CHECK(material.textureName.find('"') == std::string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  parseWith(text, true);
  parseWith(text, false);
  return 0;
}
