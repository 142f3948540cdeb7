// The asset generator's entry points, one per kind of asset. Each writes its files below
// dataDir (the data/ folder), or the icon theme folder, and returns false after printing what
// went wrong.
#pragma once

#include <string>

bool writeTextureAssets(const std::string& dataDir);   // Textures.cpp: every BMP but the guards'
bool writeLevelAssets(const std::string& dataDir);     // Level.cpp: data/models/level.txt
bool writePictureAssets(const std::string& dataDir);   // Pictures.cpp: data/models/pictures/*
bool writeFurnitureAssets(const std::string& dataDir); // Furniture.cpp: data/models/objects/*
bool writeGuardAssets(const std::string& dataDir);     // Guards.cpp: data/animation/*, pm1.bmp, weapon.bmp
bool writeAudioAssets(const std::string& dataDir);     // Audio.cpp: data/audio/*
bool writeGlyphAtlases(const std::string& dataDir);    // GlyphAtlases.cpp: data/textures/text/*
bool writePistolAssets(const std::string& dataDir);    // Pistol.cpp: the player's pistol

// Icon.cpp: SIZExSIZE/apps/vaultrun.png below themeDir (a hicolor folder), at 48, 128 and 256.
bool writeIcons(const std::string& themeDir);
