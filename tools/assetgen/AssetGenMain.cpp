// assetgen DATA_DIR: writes every asset the game reads into DATA_DIR.
#include <cstdio>

#include "AssetGen.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: assetgen DATA_DIR\n");
    return 2;
  }
  const std::string dataDir = argv[1];
  const bool ok = writeTextureAssets(dataDir) && writeLevelAssets(dataDir) &&
                  writePictureAssets(dataDir) && writeFurnitureAssets(dataDir) &&
                  writeGuardAssets(dataDir) && writeAudioAssets(dataDir) &&
                  writePistolAssets(dataDir);
  return ok ? 0 : 1;
}
