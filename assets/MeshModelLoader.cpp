// Loading a text model file: read, parse, then make the material textures (the GL step).
#include <cstdio>
#include <cstdlib>

#include "assets/FileBytes.h"
#include "assets/MeshModel.h"
#include "assets/Textures.h"

MeshModel* loadMeshModel(const char* fileName, bool readNormals) {
  std::vector<std::uint8_t> bytes;
  if (!readWholeFile(fileName, bytes)) {
    std::printf("File Not Found: %s\n", fileName);
    std::fflush(stdout);
    std::exit(1);
  }
  std::string error;
  const std::string text(bytes.begin(), bytes.end());
  std::unique_ptr<MeshModel> model = parseMeshModel(text, readNormals, error);
  if (model == nullptr) {
    std::printf("Malformed model file %s: %s\n", fileName, error.c_str());
    std::fflush(stdout);
    std::exit(1);
  }
  for (MeshMaterial& material : model->materials) {
    material.textureId = loadMaterialTexture(material.textureName);
  }
  return model.release();
}
