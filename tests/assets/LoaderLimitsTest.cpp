// Loader limits: image sizes capped before the pixels take memory (a model naming a huge Targa
// shows the checkerboard); MD2 files without texture coordinates or end offset load and draw.
#include <cstdio>

#include "assets/BmpDecoder.h"
#include "assets/Md2Model.h"
#include "assets/MeshModel.h"
#include "assets/Textures.h"
#include "assets/TgaDecoder.h"
#include "assets/AssetTestSupport.h"
#include "tests/assets/Md2TestFile.h"

using assettest::Bytes;

TEST(LoaderLimits, ImagesAreCappedBeforeThePixelsTakeMemoryAndATargaFallsBack) {
  // 32-bit run-length, 32767 x 16384, each packet one pixel 128 times: 21 MB for 2 GiB of pixels.
  Bytes file = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0x7F, 0x00, 0x40, 32, 0};
  for (int i = 0; i < 32767 * 128; ++i) file.insert(file.end(), {0xFF, 10, 20, 30, 255});
  const auto setTargaSize = [&file](int width, int height) {
    file[12] = width & 0xFF, file[13] = width >> 8, file[14] = height & 0xFF;
    file[15] = height >> 8;
  };
  TgaImage image;
  std::string error;
  EXPECT_FALSE(decodeTga(file.data(), file.size(), 1, image, error));
  EXPECT_EQ(error,
            "Image too large: 32767 x 16384 pixels, more than 8192 on a side or 67108864 in all");
  // The header check is all that runs before the one allocation, and it sizes it: never more
  // than 2^26 pixels, whatever side the GL takes.
  const ImageLimits game, wideGl = imageLimitsForTextureSide(16384),
                          smallGl = imageLimitsForTextureSide(2048);
  const struct { int width, height; const ImageLimits& limits; bool fits; } cases[] = {
      {8192, 8192, game, true},    {8192, 8192, smallGl, true}, {1, 8193, game, false},
      {16384, 4096, wideGl, true}, {16384, 4097, wideGl, false},
  };
  for (const auto& c : cases) {
    setTargaSize(c.width, c.height);
    TgaImage header;
    EXPECT_EQ(readTgaHeader(file.data(), file.size(), 1, c.limits, header, error), c.fits);
    EXPECT_EQ(header.image_size, c.fits ? 4 * c.width * c.height : 0) << c.width;
  }
  // The BMP decoder keeps to the same limits: a row of 8193 one-bit pixels.
  assettest::Bmp bmp;
  bmp.bits = 1, bmp.width = 8193, bmp.palette.assign(8, 0), bmp.rows.assign(1028, 0);
  const Bytes row = bmp.bytes();
  EXPECT_EQ(decodeBmp(row.data(), row.size(), "row.bmp", error), nullptr);
  EXPECT_EQ(error.rfind("Out of memory. (row.bmp: 8193 x 1 pixels", 0), 0u) << error;
  EXPECT_NE(decodeBmp(row.data(), row.size(), "row.bmp", error, wideGl), nullptr) << error;

  REQUIRE_GL();
  // A model naming the huge Targa shows the checkerboard; the side allowed is the GL's.
  setTargaSize(32767, 16384);
  const std::string targa = assettest::writeFile("huge.tga", file);
  const std::string model = assettest::writeFile(
      "huge.txt", "//\n\nFrames: 1\nFrame: 1\n\nMeshes: 1\n\"box\" 0 0\n3\n0 0 0 0 0 0 -1\n"
                  "0 1 0 0 1 0 -1\n0 0 1 0 0 1 -1\n0\n1\n0 0 1 2 0 0 0 1\n\nMaterials: 1\n\"mat\"\n"
                  "0 0 0 1\n0 0 0 1\n0 0 0 1\n0 0 0 1\n10\n1\n\"" + targa + "\"\n\"\"\nBones: 0\n");
  testing::internal::CaptureStdout();
  MeshModel* loaded = loadMeshModel(model.c_str(), false);
  const std::string said = testing::internal::GetCapturedStdout();
  std::remove(targa.c_str());
  EXPECT_EQ(said.rfind("Image too large: 32767 x 16384 pixels, more than ", 0), 0u) << said;
  EXPECT_EQ(said.substr(said.find(" in all - ")), " in all - " + targa + "\n");
  std::vector<std::uint8_t> texels(checkerSize * checkerSize);
  glBindTexture(GL_TEXTURE_2D, loaded->materials.at(0).textureId);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, texels.data());
  EXPECT_EQ(texels, std::vector<std::uint8_t>(checkerPattern(), checkerPattern() + texels.size()));
  deleteTexture(loaded->materials[0].textureId);
  freeMeshModel(loaded);
}

TEST(LoaderLimits, Md2FilesWithoutTexCoordsOrEndOffsetLoadAndDrawUntextured) {
  using namespace md2test;
  Bytes noEnd = Md2File::withFrames({"s01", "s02"}).bytes();
  setField(noEnd, fieldOffsetEnd, 0);
  Md2Model model;
  EXPECT_TRUE(Md2Loader::loadFromBytes(model, noEnd.data(), noEnd.size(), "end.md2", nullptr));
  // Without the end offset the file's own length still holds every block.
  EXPECT_FALSE(Md2Loader::loadFromBytes(model, noEnd.data(), noEnd.size() - 1, "cut.md2", nullptr));
  // One triangle over the lower left half of the flat scene, its texture indices pointing nowhere.
  Md2File bare = Md2File::withFrames({"bare01", "bare02"});
  bare.texCoords.clear();
  for (FrameData& frame : bare.frames) {
    frame.xyz = {0, 100, 0, 200, 100, 0, 0, 100, 200};
    for (int a = 0; a < 3; ++a) frame.scale[a] = 0.01f, frame.translate[a] = -1.0f;
  }
  const Bytes bytes = bare.bytes();
  ASSERT_TRUE(Md2Loader::loadFromBytes(model, bytes.data(), bytes.size(), "bare.md2", nullptr));

  REQUIRE_GL();
  // With a red skin bound, as the guard binds it, the model still comes out in the current white.
  RgbImage red{1, 1, {255, 0, 0}};
  const GLuint skin = uploadRgbImage(red);
  assettest::startFlatScene();
  glEnable(GL_TEXTURE_2D);
  model.drawAnimated();
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  glDisable(GL_TEXTURE_2D);
  EXPECT_EQ(assettest::pixelAt(-0.5f, -0.5f), (assettest::Rgb{255, 255, 255}));
  deleteTexture(skin);
}
