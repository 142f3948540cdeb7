// assetgen DATA_DIR: writes every asset the game reads into DATA_DIR.
// assetgen --icons THEME_DIR: writes the desktop icon at every size into THEME_DIR.
#include <cstdio>
#include <cstring>

#include "AssetGen.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) {
    return writeIcons(argv[2]) ? 0 : 1;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: assetgen DATA_DIR\n       assetgen --icons THEME_DIR\n");
    return 2;
  }
  const std::string dataDir = argv[1];
  const bool ok = writeTextureAssets(dataDir) && writeLevelAssets(dataDir) &&
                  writePictureAssets(dataDir) && writeFurnitureAssets(dataDir) &&
                  writeGuardAssets(dataDir) && writeAudioAssets(dataDir) &&
                  writeGlyphAtlases(dataDir) && writePistolAssets(dataDir);
  return ok ? 0 : 1;
}
