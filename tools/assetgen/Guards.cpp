// Placeholder until this kind of asset is generated.
#include "AssetGen.h"

bool writeGuardAssets(const std::string&) {
  return true;
}
