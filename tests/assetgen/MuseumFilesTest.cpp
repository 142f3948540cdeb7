// The generated museum files in data/ (the level, the pictures, the furniture and their
// textures) follow their formats, load with the game's own loaders without a message, and the
// textures are what the game expects of them: power-of-two 24-bit images, menu pages upright
// with their own entry highlighted, a skyline that tiles and meets its sky, 36 different
// paintings. Two runs of the generator write the same bytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "assets/BmpDecoder.h"
#include "assets/LevelMesh.h"
#include "assets/ModelObject.h"
#include "support/GlContext.h"
#include "tests/assetgen/MuseumData.h"

namespace {

using namespace museumtest;
namespace fs = std::filesystem;

std::vector<std::string> modelFiles() {
  std::vector<std::string> files = {"models/level.txt",
                                    "models/objects/sockel.txt",
                                    "models/objects/centerchair.txt",
                                    "models/objects/centersofa.txt",
                                    "models/objects/table.txt",
                                    "models/objects/sword.txt"};
  for (int i = 0; i < 36; ++i) files.push_back(pictureFile(i));
  return files;
}

// Every texture the game loads by name from this generator (the guards' skins are not ours),
// then those the models name.
std::vector<std::string> textureFiles() {
  std::vector<std::string> files = {
      "textures/menue/menue_1start.bmp",  "textures/menue/menue_1showC.bmp",
      "textures/menue/menue_1showCr.bmp", "textures/menue/menue_1quit.bmp",
      "textures/menue/menue_1help.bmp",   "textures/menue/menue_1credits.bmp",
      "textures/heart.bmp",               "textures/bag.bmp",
      "textures/police.bmp",              "textures/skyline/skyline.bmp",
      "textures/skyline/sky.bmp",         "textures/skyline/test.bmp",
      "textures/switch.bmp",              "textures/switch_side.bmp",
      "textures/wood002.bmp"};
  std::set<std::string> named;
  for (const std::string& m : modelFiles()) {
    auto model = parseModel(m, false);
    if (!model) continue;
    for (const MeshMaterial& mat : model->materials) named.insert(mat.textureName.substr(5));
  }
  files.insert(files.end(), named.begin(), named.end());
  return files;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      out.push_back(text.substr(start));
      break;
    }
    out.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

TEST(MuseumFiles, ModelsFollowTheTextModelFormatLineByLine) {
  for (const std::string& file : modelFiles()) {
    SCOPED_TRACE(file);
    const std::string text = readText(kDataDir + file);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    const std::vector<std::string> all = lines(text);
    ASSERT_GT(all.size(), 6u);
    for (const std::string& line : all) EXPECT_LE(line.size() + 1, 79u) << line;
    char word[80];
    int count = -1;
    ASSERT_EQ(std::sscanf(all[5].c_str(), "%79s %i", word, &count), 2);
    // Both ways the game reads it: with the file's normals (the level) and without (objects).
    for (bool readNormals : {true, false}) {
      auto model = parseModel(file, readNormals);
      ASSERT_TRUE(model);
      EXPECT_EQ(static_cast<int>(model->numObjects), count);
      ASSERT_GT(model->numMaterials, 0u);
      for (const MeshObject& o : model->objects) {
        EXPECT_LT(o.materialIndex, static_cast<int>(model->numMaterials));
        EXPECT_GE(o.materialIndex, 0);
        EXPECT_LE(o.numVertices, 32767u);
        for (std::size_t f = 0; f < o.faceVertices.size(); ++f) {
          const auto& v = o.faceVertices[f];
          const P n = cross(toP(o.vertices[v[1]]) - toP(o.vertices[v[0]]), toP(o.vertices[v[2]]) - toP(o.vertices[v[0]]));
          ASSERT_GT(len(n), 1e-9);
          if (readNormals) {
            // The file's normal is a unit vector on the side the corners wind
            // counter-clockwise, so what faces out is what the culling keeps.
            const P fileNormal = toP(o.vertexNormals[v[0]]);
            EXPECT_NEAR(len(fileNormal), 1.0, 1e-5);
            EXPECT_GT(dot(n * (1.0 / len(n)), fileNormal), 0.999);
          }
        }
      }
      for (const MeshMaterial& m : model->materials) {
        EXPECT_LE(m.textureName.size(), 31u);
        EXPECT_EQ(m.textureName.compare(0, 14, "data/textures/"), 0) << m.textureName;
        EXPECT_EQ(m.textureName.substr(m.textureName.size() - 4), ".bmp");
        EXPECT_TRUE(fs::exists(VAULTRUN_SOURCE_DIR "/" + m.textureName)) << m.textureName;
      }
    }
  }
}

bool powerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

std::unique_ptr<RgbImage> decode(const std::string& file) {
  const std::string bytes = readText(kDataDir + file);
  std::string error;
  auto image = decodeBmp(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), file, error);
  EXPECT_TRUE(image) << error;
  // Uncompressed 24 bits per pixel.
  EXPECT_GE(bytes.size(), 54u);
  if (bytes.size() >= 54) {
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24u) << file;
    EXPECT_EQ(bytes[30], 0) << file;
  }
  return image;
}

// Pixel (x, row) counted from the top of the picture; decoded rows start at the bottom.
const std::uint8_t* pixel(const RgbImage& image, int x, int rowFromTop) {
  return image.pixels.data() + (static_cast<std::size_t>(image.height - 1 - rowFromTop) * image.width + x) * 3;
}

TEST(MuseumFiles, EveryTextureIsAPowerOfTwo24BitImage) {
  const std::vector<std::string> files = textureFiles();
  EXPECT_GT(files.size(), 60u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    auto image = decode(file);
    ASSERT_TRUE(image);
    EXPECT_TRUE(powerOfTwo(image->width));
    EXPECT_TRUE(powerOfTwo(image->height));
  }
}

// Warm, bright pixels (the gold of titles and highlights) in a band of rows of the screen.
int goldPixels(const RgbImage& page, double screenTop, double screenBottom, int x0 = 0, int x1 = -1) {
  if (x1 < 0) x1 = page.width;
  const double scale = page.height / 768.0;  // the page is laid out for a 768-row screen
  int count = 0;
  for (int row = static_cast<int>(screenTop * scale); row < static_cast<int>(screenBottom * scale); ++row) {
    for (int x = x0; x < x1; ++x) {
      const std::uint8_t* p = pixel(page, x, row);
      if (p[0] > 200 && p[1] > 150 && p[2] < 140) ++count;
    }
  }
  return count;
}

TEST(MuseumFiles, MenuPagesAreUprightAndHighlightTheirOwnEntry) {
  const char* pages[] = {"menue_1start", "menue_1showC", "menue_1showCr", "menue_1quit"};
  std::set<std::string> distinct;
  for (int selected = 0; selected < 4; ++selected) {
    SCOPED_TRACE(pages[selected]);
    auto page = decode(std::string("textures/menue/") + pages[selected] + ".bmp");
    ASSERT_TRUE(page);
    distinct.insert(std::string(page->pixels.begin(), page->pixels.end()));
    // The title is at the top of the screen, and nothing as gold at the bottom.
    EXPECT_GT(goldPixels(*page, 60, 190), 5000);
    EXPECT_LT(goldPixels(*page, 680, 768), 200);
    // Entry i is drawn round screen row 330 + 78 i; only the selected one glows.
    for (int entry = 0; entry < 4; ++entry) {
      const double y = 330.0 + 78.0 * entry;
      const int gold = goldPixels(*page, y - 44, y + 16, 322, 702);
      if (entry == selected) EXPECT_GT(gold, 1500) << "entry " << entry;
      else EXPECT_LT(gold, 100) << "entry " << entry;
    }
  }
  for (const char* other : {"menue_1help", "menue_1credits"}) {
    auto page = decode(std::string("textures/menue/") + other + ".bmp");
    ASSERT_TRUE(page);
    distinct.insert(std::string(page->pixels.begin(), page->pixels.end()));
    EXPECT_GT(goldPixels(*page, 30, 110), 2000) << other;  // its title, at the top
  }
  EXPECT_EQ(distinct.size(), 6u);
}

double columnDifference(const RgbImage& image, int a, int b) {
  double sum = 0;
  for (int row = 0; row < image.height; ++row) {
    for (int c = 0; c < 3; ++c) sum += std::abs(pixel(image, a, row)[c] - pixel(image, b, row)[c]);
  }
  return sum / image.height;
}

TEST(MuseumFiles, SkylineAndSkyTileAlongTheirQuadsAndMeetWithoutASeam) {
  auto skyline = decode("textures/skyline/skyline.bmp");
  auto sky = decode("textures/skyline/sky.bmp");
  ASSERT_TRUE(skyline && sky);
  for (const RgbImage* image : {skyline.get(), sky.get()}) {
    // The last column runs on into the first as smoothly as neighbouring columns do.
    double neighbours = 0;
    for (int x = 1; x < image->width; ++x) neighbours += columnDifference(*image, x - 1, x);
    neighbours /= image->width - 1;
    EXPECT_LE(columnDifference(*image, image->width - 1, 0), neighbours * 3 + 2);
  }
  // The skyline's top row (at y = 368) is the colour of the sky's bottom row.
  for (int c = 0; c < 3; ++c) {
    double top = 0, bottom = 0;
    for (int x = 0; x < skyline->width; ++x) top += pixel(*skyline, x, 0)[c];
    for (int x = 0; x < sky->width; ++x) bottom += pixel(*sky, x, sky->height - 1)[c];
    EXPECT_NEAR(top / skyline->width, bottom / sky->width, 6.0) << "channel " << c;
  }
}

TEST(MuseumFiles, ThirtySixDifferentPaintingsAndBrightIconsOnBlack) {
  std::set<std::string> seen;
  for (int i = 0; i < 36; ++i) {
    auto model = parseModel(pictureFile(i), false);
    ASSERT_TRUE(model);
    const std::string canvas = model->materials[model->objects[0].materialIndex].textureName;
    auto image = decode(canvas.substr(5));
    ASSERT_TRUE(image);
    seen.insert(std::string(image->pixels.begin(), image->pixels.end()));
    double mean = 0, squares = 0;
    for (std::uint8_t v : image->pixels) {
      mean += v;
      squares += static_cast<double>(v) * v;
    }
    mean /= image->pixels.size();
    EXPECT_GT(std::sqrt(squares / image->pixels.size() - mean * mean), 20.0) << canvas << " is flat";
  }
  EXPECT_EQ(seen.size(), 36u);
  for (const char* icon : {"textures/heart.bmp", "textures/bag.bmp", "textures/police.bmp"}) {
    auto image = decode(icon);
    ASSERT_TRUE(image);
    // The HUD tints them: bright in the middle, black in the corners.
    const std::uint8_t* corner = pixel(*image, 0, 0);
    EXPECT_EQ(corner[0] + corner[1] + corner[2], 0) << icon;
    int brightest = 0;
    for (int y = image->height / 3; y < image->height * 2 / 3; ++y) {
      for (int x = image->width / 3; x < image->width * 2 / 3; ++x) {
        const std::uint8_t* p = pixel(*image, x, y);
        brightest = std::max({brightest, static_cast<int>(p[0]), static_cast<int>(p[1]), static_cast<int>(p[2])});
      }
    }
    EXPECT_GT(brightest, 200) << icon;
  }
}

TEST(MuseumFiles, LoadWithTheGamesLoadersWithoutAMessage) {
  if (!testsupport::ensureGlContext()) GTEST_SKIP() << "no X display for a GL context";
  // The loaders take names from the working directory, which is the repository's root.
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  LevelMesh level("data/models/level.txt", true);
  std::int32_t count = 0;
  Vector3* corners = level.buildTriangleList(&count);
  delete[] corners;
  std::vector<std::pair<std::string, Vector3>> centres;
  for (int i = 0; i < 36; ++i) {
    const std::string name = "data/" + pictureFile(i);
    ModelObject picture(name.c_str(), false, 0);
    picture.placeAtPictureCentre();
    picture.loadTexture("data/textures/wood002.bmp");
    centres.emplace_back(name, picture.position);
  }
  for (const char* f : {"sockel.txt", "centerchair.txt", "centersofa.txt", "table.txt", "sword.txt"}) {
    ModelObject object((std::string("data/models/objects/") + f).c_str(), false, 1);
    ASSERT_TRUE(object.model) << f;
    for (const MeshMaterial& m : object.model->materials) EXPECT_NE(m.textureId, 0u) << f;
  }
  const std::string out = testing::internal::GetCapturedStdout();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "");
  EXPECT_EQ(count, static_cast<std::int32_t>(levelTris().size() * 3));
  for (const MeshMaterial& m : level.model->materials) EXPECT_NE(m.textureId, 0u) << m.textureName;
  // The game finds each picture's centre where the canvas's corners put it.
  for (int i = 0; i < 36; ++i) {
    auto model = parseModel(pictureFile(i), false);
    ASSERT_TRUE(model);
    const P expected = pictureCentre(*model);
    EXPECT_NEAR(centres[i].second.x, expected.x, 1e-4) << centres[i].first;
    EXPECT_NEAR(centres[i].second.y, expected.y, 1e-4) << centres[i].first;
    EXPECT_NEAR(centres[i].second.z, expected.z, 1e-4) << centres[i].first;
  }
}

TEST(MuseumFiles, TwoRunsOfTheGeneratorWriteTheSameMuseum) {
  const std::string tag = std::to_string(::getpid());
  std::vector<fs::path> runs;
  for (const char* name : {"vaultrun-museum-a-", "vaultrun-museum-b-"}) {
    const fs::path dir = fs::path(testing::TempDir()) / (name + tag);
    fs::remove_all(dir);
    const std::string command = std::string("'") + VAULTRUN_BINARY_DIR "/tools/assetgen/assetgen' '" +
                                dir.string() + "' > /dev/null";
    ASSERT_EQ(0, std::system(command.c_str())) << command;
    runs.push_back(dir);
  }
  std::vector<std::string> files = modelFiles();
  const std::vector<std::string> textures = textureFiles();
  files.insert(files.end(), textures.begin(), textures.end());
  for (const std::string& file : files) {
    const std::string a = readText((runs[0] / file).string());
    EXPECT_FALSE(a.empty()) << file;
    EXPECT_TRUE(a == readText((runs[1] / file).string())) << file;
  }
  for (const fs::path& dir : runs) fs::remove_all(dir);
}

}  // namespace
