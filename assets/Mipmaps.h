// The box filter that makes a texture's smaller levels from its picture, on the CPU and
// without GL: the upload in assets/Textures.cpp sends each level as it is made.
#pragma once

#include "assets/BmpDecoder.h"

// The next level of a mipmap chain: each side halved (a side of 1 stays 1), each texel the
// rounded mean of the 2 x 2 texels (or 2 texels, once a side is 1) it covers, as GLU's
// gluBuild2DMipmaps makes it for a picture whose sides are powers of two. level must be
// larger than 1 x 1.
RgbImage halvedImage(const RgbImage& level);
