// The makers of the generated textures, one per family, called by writeTextureAssets
// (Textures.cpp). Each writes its BMP files below dataDir and returns false after printing
// what failed. Every texture is 24-bit with power-of-two sides.
#pragma once

#include <string>

#include "Paint.h"

namespace assetgen {

bool writeMenuTextures(const std::string& dataDir);     // MenuPages.cpp: the six menu pages
bool writeSkyTextures(const std::string& dataDir);      // SkyTextures.cpp: skyline, sky
bool writeLevelTextures(const std::string& dataDir);    // LevelTextures.cpp: floors, walls...
bool writeObjectTextures(const std::string& dataDir);   // LevelTextures.cpp: furniture, frames
bool writePaintingTextures(const std::string& dataDir); // Textures.cpp: the 36 paintings

// Writes canvas as dataDir + "/" + the part of name after "data/".
bool writeTexture(const std::string& dataDir, const std::string& name, const Canvas& canvas);

}  // namespace assetgen
