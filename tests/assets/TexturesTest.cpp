// Texture uploads under a real GL context: pixels reach the screen in the right places,
// every texture gets the current filter and F4's filter reaches all of them, the TGA path
// falls back to its checkerboard, and a missing BMP ends the program.
#include <unistd.h>

#include "assets/BmpDecoder.h"
#include "assets/Textures.h"
#include "assets/TgaDecoder.h"
#include "assets/AssetTestSupport.h"
#include "support/GlContext.h"

using assettest::Bytes;

namespace {

GLint texParameter(GLuint texture, GLenum parameter) {
  glBindTexture(GL_TEXTURE_2D, texture);
  GLint value = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
  return value;
}

Bytes tga(std::uint8_t type, std::uint8_t bits, const Bytes& body, int width, int height) {
  Bytes b = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  assettest::put16(b, static_cast<std::uint32_t>(width));
  assettest::put16(b, static_cast<std::uint32_t>(height));
  b.push_back(bits);
  b.push_back(0);
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

#define REQUIRE_GL()                                  \
  if (!testsupport::ensureGlContext()) {              \
    GTEST_SKIP() << "no X display for a GL context"; \
  }

}  // namespace

TEST(Textures, MaterialLoaderIsChosenByTheLastFourBytes) {
  EXPECT_EQ(materialTextureLoader("data/textures/a.bmp"), TextureLoader::Bmp);
  EXPECT_EQ(materialTextureLoader("data/textures/a.BMP"), TextureLoader::Bmp);
  EXPECT_EQ(materialTextureLoader("data/textures/a.tga"), TextureLoader::Tga);
  EXPECT_EQ(materialTextureLoader("data/textures/a.TGA"), TextureLoader::Bmp);
  EXPECT_EQ(materialTextureLoader("a\xe9mp"), TextureLoader::Tga);  // bytes compare unsigned
  EXPECT_EQ(materialTextureLoader("bmp"), TextureLoader::Bmp);
}

TEST(Textures, UploadedBmpDrawsItsFourColoursInPlace) {
  REQUIRE_GL();
  // Bottom row red, green; top row blue, white.
  const std::string file = assettest::writeFile(
      "four.bmp", assettest::bmp24(2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}));
  const GLuint texture = uploadBmpTexture(file.c_str());
  ASSERT_NE(texture, 0u);
  EXPECT_EQ(texParameter(texture, GL_TEXTURE_WRAP_S), GL_REPEAT);
  EXPECT_EQ(texParameter(texture, GL_TEXTURE_WRAP_T), GL_REPEAT);
  EXPECT_EQ(texParameter(texture, GL_TEXTURE_MIN_FILTER), currentMinificationFilter());

  assettest::startFlatScene();
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glEnable(GL_TEXTURE_2D);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(-1, -1);
  glTexCoord2f(1, 0);
  glVertex2f(1, -1);
  glTexCoord2f(1, 1);
  glVertex2f(1, 1);
  glTexCoord2f(0, 1);
  glVertex2f(-1, 1);
  glEnd();
  glDisable(GL_TEXTURE_2D);
  EXPECT_EQ(assettest::pixelAt(-0.5f, -0.5f), (std::array<int, 3>{255, 0, 0}));
  EXPECT_EQ(assettest::pixelAt(0.5f, -0.5f), (std::array<int, 3>{0, 255, 0}));
  EXPECT_EQ(assettest::pixelAt(-0.5f, 0.5f), (std::array<int, 3>{0, 0, 255}));
  EXPECT_EQ(assettest::pixelAt(0.5f, 0.5f), (std::array<int, 3>{255, 255, 255}));
  deleteTexture(texture);
}

TEST(Textures, MinificationFilterReachesEveryTextureMade) {
  REQUIRE_GL();
  const std::string bmp =
      assettest::writeFile("grey.bmp", assettest::bmp24(1, 1, {128, 128, 128}));
  const std::string goodTga = assettest::writeFile("good.tga", tga(2, 24, {1, 2, 3}, 1, 1));
  const std::string badTga = assettest::writeFile("bad.tga", tga(2, 16, {1, 2}, 1, 1));
  testing::internal::CaptureStdout();
  const GLuint first = uploadBmpTexture(bmp.c_str());
  const GLuint second = load_bmp_texture(bmp.c_str());
  const GLuint fromTga = load_tga_texture(goodTga.c_str(), 1);
  const GLuint checker = load_tga_texture(badTga.c_str(), 1);
  const GLuint doomed = uploadBmpTexture(bmp.c_str());
  testing::internal::GetCapturedStdout();
  deleteTexture(doomed);

  glBindTexture(GL_TEXTURE_2D, second);
  applyMinificationFilterToAll(GL_LINEAR_MIPMAP_NEAREST);
  GLint bound = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(static_cast<GLuint>(bound), second);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_EQ(texParameter(first, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
  EXPECT_EQ(texParameter(second, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
  EXPECT_EQ(texParameter(fromTga, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
  // The checkerboard has level 0 only: it gets the filter that keeps it complete.
  EXPECT_EQ(texParameter(checker, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
  EXPECT_FALSE(glIsTexture(doomed));

  const GLuint later = uploadBmpTexture(bmp.c_str());
  EXPECT_EQ(texParameter(later, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
  applyMinificationFilterToAll(GL_LINEAR_MIPMAP_LINEAR);
  EXPECT_EQ(texParameter(later, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
  EXPECT_EQ(texParameter(first, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
  const GLuint made[] = {first, second, fromTga, checker, later};
  deleteTextures(5, made);
}

TEST(Textures, TgaMaterialsGetLinearFilteringAndFallBackToTheCheckerboard) {
  REQUIRE_GL();
  const std::string good = assettest::writeFile("mat.tga", tga(2, 32, {1, 2, 3, 4}, 1, 1));
  const GLuint texture = loadMaterialTexture(good);
  EXPECT_EQ(texParameter(texture, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
  EXPECT_EQ(texParameter(texture, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
  GLint env = 0;
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
  EXPECT_EQ(env, GL_MODULATE);
  std::uint8_t rgba[4] = {};
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  EXPECT_EQ((Bytes(rgba, rgba + 4)), (Bytes{3, 2, 1, 4}));

  const std::string grey = assettest::writeFile("grey.tga", tga(3, 8, {9, 9, 9, 9}, 2, 2));
  const std::string missing = assettest::tempFolder() + "/missing.tga";
  testing::internal::CaptureStdout();
  const GLuint fallback = load_tga_texture(grey.c_str(), 1);
  const GLuint absent = load_tga_texture(missing.c_str(), 1);
  const std::string said = testing::internal::GetCapturedStdout();
  EXPECT_EQ(said, "Must be LUMINANCE or ALPHA greyscale - " + grey + "\nFile not found - " +
                      missing + "\n");
  for (const GLuint t : {fallback, absent}) {
    glBindTexture(GL_TEXTURE_2D, t);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    ASSERT_EQ(width, checkerSize);
    std::vector<std::uint8_t> shown(checkerSize * checkerSize);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, shown.data());
    EXPECT_EQ(shown, std::vector<std::uint8_t>(checkerPattern(),
                                               checkerPattern() + checkerSize * checkerSize));
  }
  const GLuint made[] = {texture, fallback, absent};
  deleteTextures(3, made);
}

TEST(Textures, TableLoadsSkipNothingAndNullNames) {
  GLuint table[3] = {7, 7, 7};
  const char* const names[3] = {nullptr, nullptr, nullptr};
  loadTextures(table, names, 0);
  loadTextures(table, names, 3);
  EXPECT_EQ(table[0], 7u);
  EXPECT_EQ(table[2], 7u);
}

TEST(TexturesDeathTest, MissingBmpEndsTheProgramWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // The same path in the re-executed child: not in the per-process folder.
  const std::string missing = testing::TempDir() + "vaultrun_no_such_folder/nothing.bmp";
  GLuint table[1] = {0};
  const char* const names[1] = {missing.c_str()};
  EXPECT_EXIT(
      {
        dup2(2, 1);  // the message goes to standard output; let the death test see it
        showErrorMessages = 0;
        loadTextures(table, names, 1);
      },
      testing::ExitedWithCode(1),
      "An error has occured by loading the texture " + missing + "\n");
}
