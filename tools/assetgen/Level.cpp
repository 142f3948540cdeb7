// Placeholder until this kind of asset is generated.
#include "AssetGen.h"

bool writeLevelAssets(const std::string&) {
  return true;
}
