// The guard's two skins: the uniform atlas (pm1.bmp) and the pistol (weapon.bmp), with the
// rectangles the figure's parts are mapped onto.
#pragma once

#include "AssetFiles.h"
#include "FigureModel.h"

namespace assetgen {

using figure::SkinRect;

// pm1.bmp, 256 x 256. Rectangles leave a gutter of at least 2 pixels, which the painter fills
// with the rectangle's edge colour so that mipmaps do not bleed one part into the next.
namespace uniformSkin {
constexpr int kSize = 256;
constexpr SkinRect kTorsoFront{2, 2, 60, 60};
constexpr SkinRect kTorsoBack{66, 2, 60, 60};
constexpr SkinRect kTorsoSide{130, 2, 28, 60};
constexpr SkinRect kShoulders{162, 2, 28, 28};
constexpr SkinRect kTorsoBottom{162, 34, 28, 28};
constexpr SkinRect kSleeveOuter{194, 2, 28, 60};
constexpr SkinRect kSleeve{226, 2, 28, 60};
constexpr SkinRect kBeltFront{2, 66, 60, 12};
constexpr SkinRect kBelt{66, 66, 60, 12};
constexpr SkinRect kTrousersFront{2, 82, 60, 44};
constexpr SkinRect kTrousers{66, 82, 60, 44};
constexpr SkinRect kTrouserSide{130, 66, 28, 60};
constexpr SkinRect kBoot{162, 66, 28, 28};
constexpr SkinRect kBootToe{194, 66, 28, 28};
constexpr SkinRect kSole{226, 66, 28, 28};
constexpr SkinRect kSkin{162, 98, 28, 28};
constexpr SkinRect kHolster{194, 98, 28, 28};
constexpr SkinRect kCuff{226, 98, 28, 28};
constexpr SkinRect kFace{2, 130, 60, 60};
constexpr SkinRect kHeadSide{66, 130, 60, 60};
constexpr SkinRect kHeadBack{130, 130, 60, 60};
constexpr SkinRect kVisor{194, 130, 60, 28};
constexpr SkinRect kCapBand{2, 194, 124, 28};
constexpr SkinRect kCapTop{130, 194, 60, 60};
}  // namespace uniformSkin

// weapon.bmp, 128 x 128.
namespace pistolSkin {
constexpr int kSize = 128;
// The slide's rectangles stand upright: the rear of the slide at the top, the muzzle below.
constexpr SkinRect kSlideSide{4, 4, 24, 120};
constexpr SkinRect kSlideTop{32, 4, 16, 120};
constexpr SkinRect kGrip{52, 4, 40, 56};
constexpr SkinRect kMuzzle{52, 64, 24, 24};
constexpr SkinRect kMetal{80, 64, 24, 24};
// Brightest at its bottom-left corner, where every flash blade starts.
constexpr SkinRect kFlash{52, 92, 72, 32};
}  // namespace pistolSkin

Image paintUniformSkin();
Image paintPistolSkin();

}  // namespace assetgen
