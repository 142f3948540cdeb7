// Loader limits: a small run-length Targa that asks for gigabytes is refused before its pixels
// take memory (a model naming it shows the checkerboard), both image decoders keep to the size
// caps, and MD2 files without texture coordinates or without an end offset load and draw.
#include <cstdio>

#include "assets/BmpDecoder.h"
#include "assets/Md2Model.h"
#include "assets/MeshModel.h"
#include "assets/Textures.h"
#include "assets/TgaDecoder.h"
#include "assets/AssetTestSupport.h"
#include "tests/assets/Md2TestFile.h"

using assettest::Bytes;

namespace {

void setTargaSize(Bytes& targa, int width, int height) {
  targa[12] = width & 0xFF, targa[13] = width >> 8, targa[14] = height & 0xFF;
  targa[15] = height >> 8;
}

// A 32-bit run-length Targa whose packets each repeat one pixel 128 times: at 32767 x 16384
// it is 21 MB of file for 2 GiB of pixels.
Bytes repeatedTarga(int width, int height) {
  Bytes b = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 32, 0};
  setTargaSize(b, width, height);
  const std::size_t packets = (std::size_t(width) * std::size_t(height) + 127) / 128;
  b.reserve(b.size() + 5 * packets);
  for (std::size_t i = 0; i < packets; ++i) b.insert(b.end(), {0xFF, 10, 20, 30, 255});
  return b;
}

const char* const hugeRefusal =
    "Image too large: 32767 x 16384 pixels, more than 8192 on a side or 67108864 in all";

}  // namespace

TEST(LoaderLimits, ImageSizesAreCappedBeforeThePixelsTakeMemory) {
  Bytes file = repeatedTarga(32767, 16384);
  ASSERT_GT(file.size(), 20u * 1000 * 1000);
  TgaImage image;
  std::string error;
  EXPECT_FALSE(decodeTga(file.data(), file.size(), 1, image, error));
  EXPECT_EQ(error, hugeRefusal);
  EXPECT_TRUE(image.data.empty());
  // The header check is all that runs before the one allocation, and it gives its size: never
  // more than 2^26 pixels, whatever side the GL takes.
  const ImageLimits game, wideGl = imageLimitsForTextureSide(16384),
                          smallGl = imageLimitsForTextureSide(2048);
  const struct { int width, height; const ImageLimits& limits; bool fits; } cases[] = {
      {8192, 8192, game, true},     {8192, 8192, smallGl, true},  {8193, 1, game, false},
      {1, 8193, game, false},       {16384, 4096, wideGl, true},  {16384, 4097, wideGl, false},
      {16385, 1, wideGl, false},
  };
  for (const auto& c : cases) {
    setTargaSize(file, c.width, c.height);
    TgaImage header;
    EXPECT_EQ(readTgaHeader(file.data(), file.size(), 1, c.limits, header, error), c.fits)
        << c.width << " x " << c.height;
    EXPECT_EQ(header.image_size, c.fits ? 4 * c.width * c.height : 0);
    EXPECT_TRUE(header.data.empty());
  }
  // The BMP decoder keeps to the same limits: a row of 8193 one-bit pixels.
  assettest::Bmp bmp;
  bmp.bits = 1, bmp.width = 8193, bmp.palette.assign(8, 0), bmp.rows.assign(1028, 0);
  const Bytes row = bmp.bytes();
  EXPECT_EQ(decodeBmp(row.data(), row.size(), "row.bmp", error), nullptr);
  EXPECT_EQ(error.rfind("Out of memory. (row.bmp: 8193 x 1 pixels", 0), 0u) << error;
  EXPECT_NE(decodeBmp(row.data(), row.size(), "row.bmp", error, wideGl), nullptr) << error;
}

TEST(LoaderLimits, AModelNamingTheHugeTargaGetsTheCheckerboard) {
  REQUIRE_GL();
  const std::string targa = assettest::writeFile("huge.tga", repeatedTarga(32767, 16384));
  const std::string model = assettest::writeFile(
      "huge.txt", "//\n\nFrames: 1\nFrame: 1\n\nMeshes: 1\n\"box\" 0 0\n3\n0 0 0 0 0 0 -1\n"
                  "0 1 0 0 1 0 -1\n0 0 1 0 0 1 -1\n0\n1\n0 0 1 2 0 0 0 1\n\nMaterials: 1\n\"mat\"\n"
                  "0 0 0 1\n0 0 0 1\n0 0 0 1\n0 0 0 1\n10\n1\n\"" + targa + "\"\n\"\"\nBones: 0\n");
  testing::internal::CaptureStdout();
  MeshModel* loaded = loadMeshModel(model.c_str(), false);
  // The side allowed is the GL's largest texture when that is above 8192.
  const std::string shown = testing::internal::GetCapturedStdout();
  EXPECT_EQ(shown.rfind("Image too large: 32767 x 16384 pixels, more than ", 0), 0u) << shown;
  EXPECT_EQ(shown.substr(shown.find(" in all - ")), " in all - " + targa + "\n");
  std::remove(targa.c_str());
  std::vector<std::uint8_t> texels(checkerSize * checkerSize);
  glBindTexture(GL_TEXTURE_2D, loaded->materials.at(0).textureId);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, texels.data());
  EXPECT_EQ(texels, std::vector<std::uint8_t>(checkerPattern(), checkerPattern() + texels.size()));
  deleteTexture(loaded->materials[0].textureId);
  freeMeshModel(loaded);
}

TEST(LoaderLimits, Md2FilesWithoutTexCoordsOrEndOffsetLoadAndDrawUntextured) {
  using namespace md2test;
  Md2File untextured = Md2File::withFrames({"bare01", "bare02"});
  untextured.texCoords.clear();  // the triangles keep indices 0..2 that point nowhere
  const std::uint8_t corners[9] = {0, 100, 0, 200, 100, 0, 0, 100, 200};  // the lower left half
  for (FrameData& frame : untextured.frames) {
    frame.xyz.assign(corners, corners + 9);
    for (int a = 0; a < 3; ++a) frame.scale[a] = 0.01f, frame.translate[a] = -1.0f;
  }
  Bytes noEnd = Md2File::withFrames({"s01", "s02"}).bytes();
  setField(noEnd, fieldOffsetEnd, 0);
  Md2Model model;
  EXPECT_TRUE(Md2Loader::loadFromBytes(model, noEnd.data(), noEnd.size(), "end.md2", nullptr));
  // Without the end offset the file's own length still holds every block.
  testing::internal::CaptureStderr();
  EXPECT_FALSE(Md2Loader::loadFromBytes(model, noEnd.data(), noEnd.size() - 1, "cut.md2", nullptr));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("): cut.md2!"), std::string::npos);
  const Bytes bare = untextured.bytes();
  ASSERT_TRUE(Md2Loader::loadFromBytes(model, bare.data(), bare.size(), "bare.md2", nullptr));
  EXPECT_TRUE(model.frames[0].texCoords.empty());

  REQUIRE_GL();
  // A red skin is bound, as the guard binds it: the model must come out in the current white.
  GLuint red = 0;
  glGenTextures(1, &red);
  glBindTexture(GL_TEXTURE_2D, red);
  const std::uint8_t texel[3] = {255, 0, 0};
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texel);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  assettest::startFlatScene();
  glEnable(GL_TEXTURE_2D);
  model.drawAnimated();
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  glDisable(GL_TEXTURE_2D);
  EXPECT_EQ(assettest::pixelAt(-0.5f, -0.5f), (assettest::Rgb{255, 255, 255}));
  EXPECT_EQ(assettest::pixelAt(0.5f, 0.5f), (assettest::Rgb{0, 0, 0}));
  glDeleteTextures(1, &red);
}
