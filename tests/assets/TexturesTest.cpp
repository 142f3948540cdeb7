// Texture uploads under a real GL context: pixels reach the screen in the right places, every
// texture gets the current filter and F4's filter reaches all of them, and the TGA path falls
// back to its checkerboard.
#include <GL/glu.h>

#include "assets/BmpDecoder.h"
#include "assets/Textures.h"
#include "assets/TgaDecoder.h"
#include "assets/AssetTestSupport.h"

using assettest::Bytes;
using assettest::Rgb;

namespace {

GLint texParameter(GLuint texture, GLenum parameter) {
  glBindTexture(GL_TEXTURE_2D, texture);
  GLint value = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
  return value;
}

std::string tgaFile(const std::string& name, std::uint8_t type, std::uint8_t bits, Bytes body) {
  Bytes b = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, bits, 0};  // 1 x 1
  b.insert(b.end(), body.begin(), body.end());
  return assettest::writeFile(name, b);
}

}  // namespace

TEST(Textures, UploadedBmpDrawsItsFourColoursInPlace) {
  REQUIRE_GL();
  // Bottom row red, green; top row blue, white.
  const std::string file = assettest::writeFile(
      "four.bmp", assettest::bmp24(2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}));
  const GLuint texture = uploadBmpTexture(file.c_str());
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  assettest::startFlatScene();
  glEnable(GL_TEXTURE_2D);
  glBegin(GL_QUADS);
  for (const auto& [u, v] :
       std::initializer_list<std::pair<int, int>>{{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
    glTexCoord2i(u, v);
    glVertex2i(2 * u - 1, 2 * v - 1);
  }
  glEnd();
  glDisable(GL_TEXTURE_2D);
  EXPECT_EQ(assettest::pixelAt(-0.5f, -0.5f), (Rgb{255, 0, 0}));
  EXPECT_EQ(assettest::pixelAt(0.5f, -0.5f), (Rgb{0, 255, 0}));
  EXPECT_EQ(assettest::pixelAt(-0.5f, 0.5f), (Rgb{0, 0, 255}));
  EXPECT_EQ(assettest::pixelAt(0.5f, 0.5f), (Rgb{255, 255, 255}));
  deleteTexture(texture);
}

TEST(Textures, MinificationFilterReachesEveryTextureMade) {
  REQUIRE_GL();
  const std::string bmp = assettest::writeFile("grey.bmp", assettest::bmp24(1, 1, {128, 128, 128}));
  testing::internal::CaptureStdout();
  const GLuint first = uploadBmpTexture(bmp.c_str());
  const GLuint second = load_bmp_texture(bmp.c_str());
  const GLuint fromTga = load_tga_texture(tgaFile("good.tga", 2, 24, {1, 2, 3}).c_str(), 1);
  const GLuint checker = load_tga_texture(tgaFile("bad.tga", 2, 16, {1, 2}).c_str(), 1);
  const GLuint gone = uploadBmpTexture(
      assettest::writeFile("dark.bmp", assettest::bmp24(1, 1, {9, 9, 9})).c_str());
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(texParameter(first, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
  deleteTexture(gone);

  applyMinificationFilterToAll(GL_LINEAR_MIPMAP_NEAREST);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_FALSE(glIsTexture(gone));
  for (const GLuint t : {first, fromTga}) {
    EXPECT_EQ(texParameter(t, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST) << t;
  }
  // The checkerboard has level 0 only: it gets the filter that keeps it complete.
  EXPECT_EQ(texParameter(checker, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
  const GLuint later = uploadBmpTexture(bmp.c_str());
  EXPECT_EQ(texParameter(later, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
  applyMinificationFilterToAll(GL_LINEAR_MIPMAP_LINEAR);
  const GLuint made[] = {first, second, fromTga, checker, later};
  deleteTextures(5, made);
}

TEST(Textures, MipmapChainHasTheTexelsGluWouldMake) {
  REQUIRE_GL();
  for (const auto& [width, height] : std::initializer_list<std::pair<int, int>>{{8, 2}, {2, 4}}) {
    RgbImage image;
    image.width = width;
    image.height = height;
    for (int i = 0; i < width * height * 3; ++i) image.pixels.push_back((i * 97 + 13) % 256);
    const GLuint ours = uploadRgbImage(image);
    GLuint glus = 0;
    glGenTextures(1, &glus);
    glBindTexture(GL_TEXTURE_2D, glus);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE,
                      image.pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (int level = 0; level < 4; ++level) {
      std::vector<std::uint8_t> a(width * height * 3), b(a.size());
      glBindTexture(GL_TEXTURE_2D, ours);
      glGetTexImage(GL_TEXTURE_2D, level, GL_RGB, GL_UNSIGNED_BYTE, a.data());
      glBindTexture(GL_TEXTURE_2D, glus);
      glGetTexImage(GL_TEXTURE_2D, level, GL_RGB, GL_UNSIGNED_BYTE, b.data());
      EXPECT_EQ(a, b) << width << "x" << height << " level " << level;
    }
    deleteTexture(ours);
    glDeleteTextures(1, &glus);
  }
}

TEST(Textures, LoadsOfOneFileShareATextureThatGoesWithTheLastDelete) {
  REQUIRE_GL();
  const std::string bmp = assettest::writeFile("shared.bmp", assettest::bmp24(1, 1, {1, 2, 3}));
  const GLuint first = uploadBmpTexture(bmp.c_str());
  const GLuint second = load_bmp_texture(bmp.c_str());
  EXPECT_EQ(first, second);
  deleteTexture(first);
  EXPECT_TRUE(glIsTexture(second));
  applyMinificationFilterToAll(GL_NEAREST_MIPMAP_NEAREST);
  EXPECT_EQ(texParameter(second, GL_TEXTURE_MIN_FILTER), GL_NEAREST_MIPMAP_NEAREST);
  applyMinificationFilterToAll(GL_LINEAR_MIPMAP_LINEAR);
  deleteTexture(second);
  EXPECT_FALSE(glIsTexture(second));
  // Once gone, the file is read again: a changed file shows its new pixels.
  assettest::writeFile("shared.bmp", assettest::bmp24(1, 1, {200, 100, 50}));
  const GLuint again = uploadBmpTexture(bmp.c_str());
  std::uint8_t texel[3] = {};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texel);
  EXPECT_EQ(texel[0], 200);
  deleteTexture(again);
}

TEST(Textures, TgaMaterialsGetLinearFilteringAndFallBackToTheCheckerboard) {
  REQUIRE_GL();
  const GLuint texture = loadMaterialTexture(tgaFile("mat.tga", 2, 32, {1, 2, 3, 4}));
  EXPECT_EQ(texParameter(texture, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
  // A missing file is named and shows the checkerboard (a huge one: LoaderLimitsTest).
  const std::string missing = assettest::tempFolder() + "/missing.tga";
  testing::internal::CaptureStdout();
  const GLuint fallback = load_tga_texture(missing.c_str(), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "File not found - " + missing + "\n");
  EXPECT_TRUE(glIsTexture(fallback));
  deleteTexture(texture);
  deleteTexture(fallback);
}
