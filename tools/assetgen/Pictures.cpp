// Placeholder until this kind of asset is generated.
#include "AssetGen.h"

bool writePictureAssets(const std::string&) {
  return true;
}
