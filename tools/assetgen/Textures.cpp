// Every BMP texture but the guards' skins: the menu pages, the HUD icons, the skyline, the wall
// switch, the level's and the objects' textures and the 36 paintings.
#include <cmath>

#include "AssetGen.h"
#include "MuseumLayout.h"
#include "Paintings.h"
#include "TextureMakers.h"

namespace assetgen {
namespace {

constexpr int kPaintingSize = 256;
constexpr int kIcon = 64;

// HUD icons are drawn over a black square and tinted by the HUD's bar colours (the heart and
// the bag by a gold, the police badge by a grey blue), so they are painted bright.
Canvas heart() {
  Canvas c(kIcon, kIcon);
  c.shade([&](int x, int y, Colour& p) {
    // The classic curve (x^2 + y^2 - 1)^3 - x^2 y^3 <= 0, y up.
    const float u = (x + 0.5f - 32.0f) / 24.0f;
    const float v = -(y + 0.5f - 34.0f) / 24.0f;
    const float a = u * u + v * v - 1.0f;
    const float f = a * a * a - u * u * v * v * v;
    if (f <= 0.0f) {
      const float shine = std::exp(-((u + 0.45f) * (u + 0.45f) + (v - 0.35f) * (v - 0.35f)) * 6.0f);
      p = mix(rgb(255, 60, 60), rgb(255, 230, 230), shine);
    }
  });
  return c;
}

Canvas bag() {
  Canvas c(kIcon, kIcon);
  c.fillEllipse(32.0f, 40.0f, 22.0f, 20.0f, rgb(240, 220, 170), 1.0f, 1.2f);
  c.fillPolygon({{22.0f, 24.0f}, {42.0f, 24.0f}, {46.0f, 12.0f}, {18.0f, 12.0f}}, rgb(240, 220, 170));
  c.fillRect(20.0f, 22.0f, 44.0f, 27.0f, rgb(150, 110, 60));
  c.fillEllipse(24.0f, 34.0f, 8.0f, 6.0f, rgb(255, 246, 220), 0.7f, 3.0f);
  c.strokeLine({32.0f, 32.0f}, {32.0f, 52.0f}, 3.0f, rgb(150, 110, 60));
  c.strokeLine({26.0f, 36.0f}, {38.0f, 36.0f}, 3.0f, rgb(150, 110, 60));
  c.strokeLine({26.0f, 48.0f}, {38.0f, 48.0f}, 3.0f, rgb(150, 110, 60));
  return c;
}

Canvas police() {
  // A six-pointed badge star with a round shield in the middle.
  Canvas c(kIcon, kIcon);
  std::vector<Point> star;
  for (int i = 0; i < 12; ++i) {
    const float a = -1.5707963f + i * 3.14159265f / 6.0f;
    const float r = i % 2 == 0 ? 29.0f : 15.0f;
    star.push_back({32.0f + r * std::cos(a), 33.0f + r * std::sin(a)});
  }
  c.fillPolygon(star, rgb(230, 236, 255));
  for (int i = 0; i < 12; i += 2) {
    c.fillEllipse(star[i].x, star[i].y, 3.0f, 3.0f, rgb(255, 255, 255), 1.0f, 1.0f);
  }
  c.fillEllipse(32.0f, 33.0f, 11.0f, 11.0f, rgb(120, 140, 190), 1.0f, 1.0f);
  c.fillEllipse(32.0f, 33.0f, 7.0f, 7.0f, rgb(240, 244, 255), 1.0f, 1.0f);
  return c;
}

// The wall switch's front (2 wide, 4 high, turned upside down while the alarm runs): a steel
// plate with a green and a red lamp and a lever pointing at the green one.
Canvas switchFront() {
  Canvas c(64, 128);
  c.shade([&](int x, int y, Colour& p) {
    const float n = valueNoise(x / 2.0f, y / 30.0f, 81);
    p = scaled(rgb(150, 154, 160), 0.85f + 0.25f * n);
    if (x < 3 || x > 60 || y < 3 || y > 124) p = rgb(70, 72, 76);
  });
  for (float sy : {10.0f, 118.0f}) {
    for (float sx : {10.0f, 54.0f}) c.fillEllipse(sx, sy, 2.5f, 2.5f, rgb(60, 60, 64), 1.0f, 1.0f);
  }
  c.fillEllipse(32.0f, 22.0f, 8.0f, 8.0f, rgb(30, 40, 30), 1.0f, 1.0f);
  c.fillEllipse(32.0f, 22.0f, 6.0f, 6.0f, rgb(80, 230, 100), 1.0f, 1.0f);
  c.fillEllipse(32.0f, 106.0f, 8.0f, 8.0f, rgb(40, 30, 30), 1.0f, 1.0f);
  c.fillEllipse(32.0f, 106.0f, 6.0f, 6.0f, rgb(120, 30, 30), 1.0f, 1.0f);
  c.fillRect(26.0f, 44.0f, 38.0f, 84.0f, rgb(30, 30, 34));
  c.strokeLine({32.0f, 74.0f}, {32.0f, 46.0f}, 6.0f, rgb(200, 200, 206));
  c.fillEllipse(32.0f, 44.0f, 7.0f, 7.0f, rgb(200, 40, 30), 1.0f, 1.0f);
  c.fillEllipse(30.0f, 42.0f, 2.5f, 2.5f, rgb(255, 160, 150), 1.0f, 1.0f);
  return c;
}

Canvas switchSide() {
  Canvas c(32, 128);
  c.shade([&](int x, int y, Colour& p) {
    p = scaled(rgb(110, 114, 120), 0.85f + 0.2f * valueNoise(x / 2.0f, y / 20.0f, 82));
    (void)x;
  });
  return c;
}

bool writeHudAndSwitchTextures(const std::string& dataDir) {
  return writeTexture(dataDir, "data/textures/heart.bmp", heart()) &&
         writeTexture(dataDir, "data/textures/bag.bmp", bag()) &&
         writeTexture(dataDir, "data/textures/police.bmp", police()) &&
         writeTexture(dataDir, "data/textures/switch.bmp", switchFront()) &&
         writeTexture(dataDir, "data/textures/switch_side.bmp", switchSide());
}

}  // namespace

bool writePaintingTextures(const std::string& dataDir) {
  for (int i = 0; i < museum::kPaintingCount; ++i) {
    if (!writeTexture(dataDir, paintingTextureName(i), paintPainting(i, kPaintingSize))) return false;
  }
  return true;
}

}  // namespace assetgen

bool writeTextureAssets(const std::string& dataDir) {
  using namespace assetgen;
  return writeMenuTextures(dataDir) && writeHudAndSwitchTextures(dataDir) &&
         writeSkyTextures(dataDir) && writeLevelTextures(dataDir) && writeObjectTextures(dataDir) &&
         writePaintingTextures(dataDir);
}
