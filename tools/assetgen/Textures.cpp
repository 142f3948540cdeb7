// Placeholder until this kind of asset is generated.
#include "AssetGen.h"

bool writeTextureAssets(const std::string&) {
  return true;
}
