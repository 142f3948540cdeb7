// The museum's 36 paintings: what each shows, its canvas size and frame, and the painter that
// makes its texture. Paintings 0..11 hang in room 3 (pic1..pic12), 12..23 in room 2
// (pic13..pic24) and 24..35 in room 4 (picn1..picn12).
#pragma once

#include <string>

#include "Paint.h"

namespace assetgen {

enum class Genre {
  kLandscape,
  kSeascape,
  kPortrait,
  kStillLife,
  kNocturne,
  kGrid,
  kColourField,
  kCircles,
  kDrips,
  kStripes,
  kShapes,
  kSquares,
  kDots,
  kWaves,
};

enum class FrameStyle { kGold, kWalnut, kEbony, kSilver };

struct PaintingInfo {
  Genre genre;
  unsigned seed;
  double width;   // canvas size, scaled to level units where the picture is hung
  double height;
  FrameStyle frame;
};

const PaintingInfo& paintingInfo(int index);
// "data/textures/art/p01.bmp" for painting 0.
std::string paintingTextureName(int index);
// The painting as a square texture of size x size pixels (the canvas's aspect is painted in,
// so the texture looks right stretched over the canvas).
Canvas paintPainting(int index, int size);

}  // namespace assetgen
