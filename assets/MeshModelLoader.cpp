// Loading a text model file: read, parse, then make the material textures (the GL step).
#include <cstdio>
#include <cstdlib>
#include <new>

#include "assets/FileBytes.h"
#include "assets/MeshModel.h"
#include "assets/Textures.h"

namespace {

[[noreturn]] void modelLoadFailed(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
  std::exit(1);
}

// The file as text; ends the program when it can't be read or held in memory.
std::string modelText(const char* fileName) {
  try {
    std::vector<std::uint8_t> bytes;
    std::string why;
    if (!readWholeFile(fileName, bytes, &why)) {
      modelLoadFailed(std::string("File Not Found: ") + fileName + fileProblemNote(why));
    }
    return std::string(bytes.begin(), bytes.end());
  } catch (const std::bad_alloc&) {
    modelLoadFailed(std::string("Malformed model file ") + fileName +
                    ": not enough memory for the model");
  }
}

}  // namespace

MeshModel* loadMeshModel(const char* fileName, bool readNormals) {
  std::string error;
  const std::string text = modelText(fileName);
  std::unique_ptr<MeshModel> model = parseMeshModel(text, readNormals, error);
  if (model == nullptr) {
    modelLoadFailed(std::string("Malformed model file ") + fileName + ": " + error);
  }
  for (MeshMaterial& material : model->materials) {
    material.textureId = loadMaterialTexture(material.textureName);
  }
  return model.release();
}
