// Placeholder until this kind of asset is generated.
#include "AssetGen.h"

bool writeFurnitureAssets(const std::string&) {
  return true;
}
