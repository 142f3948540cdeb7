// Placeholder until this kind of asset is generated.
#include "AssetGen.h"

bool writeAudioAssets(const std::string&) {
  return true;
}
