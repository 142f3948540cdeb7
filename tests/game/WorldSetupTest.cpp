// The museum as the world set-up builds it from data/: every exhibit, picture, pedestal,
// piece of furniture, sword and alarm lamp in its place with its shape, value, bag space,
// colours and rotation; the counts; the flags before the first game; the guards' animations;
// the fixed message lines. The expected rows are the museum's catalogue, written out here.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app/Startup.h"
#include "assets/Md2Model.h"
#include "assets/MeshModel.h"
#include "assets/ModelObject.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "game/World.h"
#include "platform/Clock.h"
#include "render/Frame.h"
#include "render/Lights.h"
#include "render/TextMessage.h"
#include "support/GameWorld.h"

namespace {

// ---- The catalogue ----

struct Rgb {
  float r, g, b;
};
struct ColourSet {
  Rgb ambient, diffuse;
};
const ColourSet P1{{0.42f, 0.4f, 0.16f}, {0.84f, 0.5f, 0.33f}};
const ColourSet P2{{0.43f, 0.43f, 0.43f}, {0.86f, 0.86f, 0.86f}};
const ColourSet P3{{0.4f, 0.0f, 0.0f}, {0.5f, 0.0f, 0.0f}};
const ColourSet P4{{0.25f, 0.0f, 0.5f}, {0.5f, 0.0f, 1.0f}};
const ColourSet P5{{0.015f, 0.92f, 0.9f}, {0.015f, 0.92f, 0.9f}};
const ColourSet P6{{0.4f, 0.84f, 0.25f}, {0.4f, 0.84f, 0.25f}};
const ColourSet P7{{0.425f, 0.018f, 0.344f}, {0.425f, 0.018f, 0.344f}};
const ColourSet P8{{0.636f, 0.375f, 0.26f}, {0.7f, 0.4f, 0.3f}};
const ColourSet P9{{0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}};

const Rgb white{1.0f, 1.0f, 1.0f};
const Rgb black{0.0f, 0.0f, 0.0f};
const Rgb darkRed{0.01f, 0.0f, 0.0f};

enum Kind : std::int16_t { teapot = 1, sphere = 2, cube = 3, torus = 5 };

struct Turn {
  float angle, x, y, z;  // angle 0: none
};
const Turn noTurn{0.0f, 0.0f, 0.0f, 0.0f};

struct Exhibit {
  int room, slot;
  Kind kind;
  float size;     // teapot and cube size, sphere radius, torus inner radius
  int outer;      // torus outer radius
  int slices, stacks;
  int value, bagSpace;
  Vector3 position;
  Turn turn;
  const ColourSet* colours;
  Rgb specular;
  float shininess;
  Rgb emission;
};

const Exhibit exhibitTable[] = {
    {2, 0, sphere, 4, 0, 20, 16, 40, 40, {335, 0.3f, 132}, noTurn, &P1, white, 100, black},
    {2, 1, teapot, 3, 0, 0, 0, 35, 25, {455, -1.3f, 115}, noTurn, &P2, white, 100, black},
    {2, 2, cube, 5, 0, 0, 0, 20, 30, {335, -1, 197.5f}, noTurn, &P3, black, 0, black},
    {2, 3, torus, 2, 3, 20, 16, 35, 45, {455, -1.5f, 215}, {90, 1, 0, 0}, &P4, white, 5, black},
    {2, 4, teapot, 4, 0, 0, 0, 40, 40, {335, -0.8f, 237.5f}, noTurn, &P5, white, 5, black},
    {2, 5, torus, 1, 4, 20, 16, 6, 8, {335, -1, 197.5f}, {90, 1, 0, 0}, &P6, black, 0, black},
    {2, 6, torus, 1, 3, 20, 16, 6, 8, {335, -2.7f, 92}, {90, 1, 0, 0}, &P7, black, 0, black},
    {2, 7, torus, 1, 3, 20, 16, 4, 3, {335, -1, 92}, {90, 1, 0, 0}, &P7, black, 0, black},
    {2, 8, torus, 1, 3, 20, 16, 4, 3, {335, 0.7f, 92}, {90, 1, 0, 0}, &P7, black, 0, black},
    {3, 0, sphere, 4, 0, 20, 16, 20, 25, {107, 0.3f, 132}, noTurn, &P3, white, 5, darkRed},
    {3, 1, teapot, 3, 0, 0, 0, 45, 30, {227, -1.3f, 132}, noTurn, &P4, white, 100, black},
    {3, 2, cube, 4, 0, 0, 0, 25, 30, {107, -1.2f, 197.5f}, noTurn, &P1, black, 0, black},
    {3, 3, torus, 2, 3, 20, 16, 35, 45, {227, 1.3f, 197.5f}, noTurn, &P2, white, 5, black},
    {3, 4, cube, 4, 0, 0, 0, 7, 10, {107, 1.4f, 197.5f}, {45, 0, 1, 0}, &P1, black, 0, black},
    {3, 5, cube, 4, 0, 0, 0, 7, 10, {107, 4.4f, 197.5f}, noTurn, &P1, black, 0, black},
    {3, 6, torus, 1, 3, 20, 16, 10, 10, {107, -2.7f, 237.5f}, {90, 1, 0, 0}, &P1, white, 100,
     black},
    {3, 7, sphere, 3, 0, 16, 10, 14, 6, {107, 0, 237.5f}, noTurn, &P1, white, 100, black},
    {3, 8, torus, 1, 3, 20, 16, 10, 10, {227, 1.5f, 93}, {90, 1, 0, 0}, &P8, black, 5, black},
    {3, 9, sphere, 3, 0, 14, 10, 5, 5, {227, -0.6f, 93}, noTurn, &P8, black, 5, black},
    {3, 10, sphere, 3, 0, 14, 10, 5, 5, {227, 3.6f, 93}, noTurn, &P8, black, 5, black},
    {4, 0, torus, 3, 3, 20, 16, 35, 45, {90, -0.8f, 342}, {90, 1, 0, 0}, &P7, white, 5, black},
    {4, 1, cube, 4, 0, 0, 0, 15, 10, {457, -0.2f, 313}, {45, 0.707f, 0, 0.707f}, &P8, black, 5,
     black},
    {4, 2, sphere, 5, 0, 25, 20, 20, 30, {400, 1.3f, 445}, noTurn, &P9, white, 5, black},
    {4, 3, teapot, 5, 0, 0, 0, 25, 20, {260, -0.2f, 445}, noTurn, &P1, white, 100, black},
    {4, 4, cube, 5, 0, 0, 0, 15, 10, {120, -1, 445}, noTurn, &P6, black, 0, black},
    {4, 5, torus, 2, 3, 25, 20, 30, 20, {457, 1.2f, 413}, {90, 0, 1, 0}, &P3, black, 0, black},
    {4, 6, teapot, 5, 0, 0, 0, 30, 15, {330, -0.2f, 445}, noTurn, &P2, black, 0, black},
    {4, 7, sphere, 3, 0, 20, 16, 10, 10, {190, -3, 445}, noTurn, &P5, black, 0, black},
    {4, 8, cube, 4, 0, 0, 0, 10, 10, {120, -3, 307}, {45, 0.707f, 0, 0.707f}, &P3, black, 5,
     darkRed},
    {4, 9, torus, 1, 2, 20, 16, 15, 15, {457, -3.5f, 363}, {90, 0, 1, 0}, &P6, black, 5, darkRed},
    {4, 10, torus, 1, 2, 20, 16, 5, 5, {457, 0, 363}, noTurn, &P6, black, 5, darkRed},
    {4, 11, cube, 4, 0, 0, 0, 4, 4, {120, 1.5f, 307}, {45, 0, 1, 0}, &P3, black, 5, darkRed},
    {4, 12, sphere, 2, 0, 15, 10, 4, 3, {190, 1.5f, 445}, noTurn, &P5, black, 0, black},
};

struct PictureRoom {
  const char* filePrefix;
  int firstNumber;
  int values[12];
  int bagSpaces[12];
  // The room's floor, inside its walls.
  float x0, z0, x1, z1;
};
const PictureRoom pictureTable[3] = {
    {"pic", 13, {40, 35, 15, 20, 12, 31, 24, 19, 11, 35, 22, 34},
     {15, 10, 10, 15, 10, 11, 10, 15, 10, 13, 12, 14}, 282, 52, 500, 273},
    {"pic", 1, {21, 17, 13, 38, 20, 15, 24, 30, 33, 39, 25, 36},
     {15, 14, 15, 10, 10, 12, 11, 12, 10, 10, 9, 10}, 54, 52, 280, 273},
    {"picn", 1, {10, 15, 25, 19, 17, 11, 14, 20, 16, 22, 18, 15},
     {9, 10, 15, 12, 12, 8, 11, 14, 13, 15, 12, 12}, 54, 275, 500, 485},
};

const Vector3 pedestalTable[25] = {
    {325, 1, 130}, {445, 1, 112.5f}, {325, 1, 195}, {445, 1, 212.5f}, {325, 1, 90},
    {325, 1, 235}, {97, 1, 130},     {217, 1, 130}, {97, 1, 195},     {217, 1, 195},
    {217, 1, 90},  {217, 1, 235},    {97, 1, 90},   {97, 1, 235},     {390, 1, 442},
    {320, 1, 442}, {250, 1, 442},    {180, 1, 442}, {110, 1, 442},    {110, 1, 305},
    {459, 1, 303}, {459, 1, 353},    {459, 1, 403}, {93, 1, 332},     {463, 1, 155}};

struct Furniture {
  const char* name;
  ModelObject* const* table;
  int index;
  int type;
  Vector3 position;
  bool turned;
  float angle;
  int facing;  // chairFacing for chairs, sofaFacing for sofas, 0 for tables
};
const Furniture furnitureTable[] = {
    {"chair", chairs, 0, 2, {295, 0, 295}, true, -90, 1},
    {"chair", chairs, 1, 2, {245, 0, 303}, true, 90, 2},
    {"chair", chairs, 2, 2, {309, 0, 49.5f}, true, 180, 3},
    {"chair", chairs, 3, 2, {260, 0, 49.5f}, true, 180, 3},
    {"chair", chairs, 4, 2, {51, 0, 270}, true, -90, 1},
    {"chair", chairs, 5, 2, {51, 0, 220}, true, -90, 1},
    {"sofa", sofas, 0, 3, {270, 0, 41}, false, 0, 1},
    {"sofa", sofas, 1, 3, {43, 0, 260}, true, 90, 2},
    {"sofa", sofas, 2, 3, {281, 0, 290}, true, 180, 3},
    {"table", tables, 0, 4, {270.5f, 0, 299}, false, 0, 0},
    {"table", tables, 1, 4, {330, 0, 281}, false, 0, 0},
    {"table", tables, 2, 4, {210, 0, 281}, false, 0, 0},
};

struct Sword {
  int room, slot;
  Vector3 position;
  Turn first, second;
};
const Sword swordTable[] = {
    {2, 0, {461, -3, 162}, noTurn, noTurn},
    {3, 0, {102, -3, 92}, {90, 0, 1, 0}, noTurn},
    {3, 1, {222, -3, 237}, {90, 0, 1, 0}, noTurn},
    {4, 0, {355, -1, 276}, {-90, 1, 0, 0}, {90, 0, 1, 0}},
    {4, 1, {274, -1, 276}, {-90, 1, 0, 0}, {-90, 0, 1, 0}},
    {4, 2, {391, 1, 483}, {90, 1, 0, 0}, {90, 0, 1, 0}},
    {4, 3, {162, 1, 483}, {90, 1, 0, 0}, {-90, 0, 1, 0}},
};

// ---- Checks ----

void expectRgba(const float* actual, const Rgb& expected, const char* what) {
  ASSERT_NE(actual, nullptr) << what;
  EXPECT_FLOAT_EQ(actual[0], expected.r) << what;
  EXPECT_FLOAT_EQ(actual[1], expected.g) << what;
  EXPECT_FLOAT_EQ(actual[2], expected.b) << what;
  EXPECT_FLOAT_EQ(actual[3], 1.0f) << what;
}

void expectAt(const ModelObject& object, const Vector3& p) {
  EXPECT_TRUE(object.translated);
  EXPECT_FLOAT_EQ(object.position.x, p.x);
  EXPECT_FLOAT_EQ(object.position.y, p.y);
  EXPECT_FLOAT_EQ(object.position.z, p.z);
}

void expectTurn(bool rotated, float angle, const Vector3& axis, const Turn& turn) {
  if (turn.angle == 0.0f) {
    EXPECT_FALSE(rotated);
    return;
  }
  EXPECT_TRUE(rotated);
  EXPECT_FLOAT_EQ(angle, turn.angle);
  EXPECT_FLOAT_EQ(axis.x, turn.x);
  EXPECT_FLOAT_EQ(axis.y, turn.y);
  EXPECT_FLOAT_EQ(axis.z, turn.z);
}

void expectNoMaterial(const ModelObject& object) {
  EXPECT_EQ(object.ambient, nullptr);
  EXPECT_EQ(object.diffuse, nullptr);
  EXPECT_EQ(object.specular, nullptr);
  EXPECT_EQ(object.shininess, nullptr);
  EXPECT_EQ(object.emission, nullptr);
}

std::string readText(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// An MD2 file's header field (32-bit little-endian integers from the file's start).
std::int32_t md2Header(const char* fileName, int field) {
  const std::string bytes = readText(fileName);
  if (bytes.size() < 68) return -1;
  std::int32_t v = 0;
  for (int k = 3; k >= 0; --k) {
    v = (v << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(field * 4 + k)]);
  }
  return v;
}

class WorldSetup : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::ensureWorld()) GTEST_SKIP() << "no X display";
    platform::useVirtualClock(1000000);
  }
};

}  // namespace

TEST_F(WorldSetup, TablesHoldExactlyTheirCountsOfObjects) {
  const int pictures_[3] = {12, 12, 12}, exhibits_[3] = {9, 11, 13}, swords_[3] = {1, 2, 4};
  int total = pedestalCount + alarmLampCount + chairCount + sofaCount + tableCount;
  for (int row = 0; row < roomRows; ++row) {
    EXPECT_EQ(pictureCount[row], pictures_[row]);
    EXPECT_EQ(exhibitCount[row], exhibits_[row]);
    EXPECT_EQ(swordCount[row], swords_[row]);
    for (int i = 0; i < 12; ++i) EXPECT_NE(pictures[row][i], nullptr);
    // Storage for 13 exhibits and 4 swords per row; what lies past the count stays empty.
    for (int i = 0; i < maxExhibitsPerRoom; ++i) {
      EXPECT_EQ(exhibits[row][i] != nullptr, i < exhibits_[row]) << row << " " << i;
    }
    for (int i = 0; i < maxSwordsPerRoom; ++i) {
      EXPECT_EQ(swords[row][i] != nullptr, i < swords_[row]) << row << " " << i;
    }
    total += pictures_[row] + exhibits_[row] + swords_[row];
  }
  EXPECT_EQ(pedestalCount, 25);
  EXPECT_EQ(alarmLampCount, 6);
  EXPECT_EQ(chairCount, 6);
  EXPECT_EQ(sofaCount, 3);
  EXPECT_EQ(tableCount, 3);
  EXPECT_EQ(total, 119);

  // Everything that can be taken is worth 1577 points and fills 1186 of bag space.
  int points = 0, space = 0;
  for (int row = 0; row < roomRows; ++row) {
    for (int i = 0; i < pictureCount[row]; ++i) {
      points += pictures[row][i]->value;
      space += pictures[row][i]->bagSpace;
    }
    for (int i = 0; i < exhibitCount[row]; ++i) {
      points += exhibits[row][i]->value;
      space += exhibits[row][i]->bagSpace;
    }
    for (int i = 0; i < swordCount[row]; ++i) {
      points += swords[row][i]->value;
      space += swords[row][i]->bagSpace;
    }
  }
  EXPECT_EQ(points, 1577);
  EXPECT_EQ(space, 1186);
}

TEST_F(WorldSetup, EveryExhibitHasItsShapePlaceValueAndColours) {
  int rows = 0;
  for (const Exhibit& e : exhibitTable) {
    SCOPED_TRACE("room " + std::to_string(e.room) + " slot " + std::to_string(e.slot));
    ASSERT_LT(e.slot, exhibitCount[e.room - 2]);
    const ModelObject* object = exhibits[e.room - 2][e.slot];
    ASSERT_NE(object, nullptr);
    ++rows;
    EXPECT_EQ(object->kind, e.kind);
    switch (e.kind) {
      case teapot:
      case cube:
        EXPECT_FLOAT_EQ(object->size, e.size);
        break;
      case sphere:
        EXPECT_FLOAT_EQ(object->radius, e.size);
        EXPECT_EQ(object->slices, e.slices);
        EXPECT_EQ(object->stacks, e.stacks);
        break;
      case torus:
        EXPECT_EQ(object->baseOrInnerRadius, static_cast<int>(e.size));
        EXPECT_EQ(object->heightOrOuterRadius, e.outer);
        EXPECT_EQ(object->slices, e.slices);
        EXPECT_EQ(object->stacks, e.stacks);
        break;
    }
    EXPECT_EQ(object->value, e.value);
    EXPECT_EQ(object->bagSpace, e.bagSpace);
    expectAt(*object, e.position);
    expectTurn(object->rotated, object->angle, object->axis, e.turn);
    EXPECT_FALSE(object->secondRotated);
    // Ambient and diffuse are the table's, relit for the night (game/World.cpp).
    expectRgba(object->specular, e.specular, "specular");
    ASSERT_NE(object->shininess, nullptr);
    EXPECT_FLOAT_EQ(object->shininess[0], e.shininess);
    expectRgba(object->emission, e.emission, "emission");
    EXPECT_EQ(object->model, nullptr);
    EXPECT_EQ(object->furnitureType, 0);
  }
  EXPECT_EQ(rows, 9 + 11 + 13);
}

// Each picture is the numbered file of its slot, hangs where its model stands (on a wall of
// its own room) and shows the wooden board once its canvas is taken.
TEST_F(WorldSetup, EveryPictureIsItsNumberedFileWithItsValueOnAWallOfItsRoom) {
  for (int row = 0; row < roomRows; ++row) {
    const PictureRoom& room = pictureTable[row];
    for (int i = 0; i < 12; ++i) {
      const std::string file = std::string("data/models/pictures/") + room.filePrefix +
                               std::to_string(room.firstNumber + i) + ".txt";
      SCOPED_TRACE(file);
      const ModelObject* picture = pictures[row][i];
      EXPECT_EQ(picture->kind, 6);
      EXPECT_EQ(picture->furnitureType, 0);
      EXPECT_EQ(picture->value, room.values[i]);
      EXPECT_EQ(picture->bagSpace, room.bagSpaces[i]);
      EXPECT_FALSE(picture->translated);
      EXPECT_FALSE(picture->rotated);
      EXPECT_FALSE(picture->secondRotated);
      expectNoMaterial(*picture);
      EXPECT_NE(picture->textureId, 0u);

      std::string error;
      const auto expected = parseMeshModel(readText(file), false, error);
      ASSERT_NE(expected, nullptr) << error;
      ASSERT_NE(picture->model, nullptr);
      ASSERT_EQ(picture->model->objects.size(), expected->objects.size());
      const auto& corners = picture->model->objects[0].vertices;
      const auto& expectedCorners = expected->objects[0].vertices;
      ASSERT_GE(corners.size(), 4u);
      ASSERT_EQ(corners.size(), expectedCorners.size());
      for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(corners[k].x, expectedCorners[k].x);
        EXPECT_FLOAT_EQ(corners[k].y, expectedCorners[k].y);
        EXPECT_FLOAT_EQ(corners[k].z, expectedCorners[k].z);
      }

      // The centre of the canvas, within a unit of one of the room's walls.
      const Vector3& p = picture->position;
      EXPECT_FLOAT_EQ(p.y, (corners[0].y + corners[2].y) / 2.0f);
      EXPECT_GT(p.x, room.x0 - 1.0f);
      EXPECT_LT(p.x, room.x1 + 1.0f);
      EXPECT_GT(p.z, room.z0 - 1.0f);
      EXPECT_LT(p.z, room.z1 + 1.0f);
      const float nearestWall =
          std::min({std::abs(p.x - room.x0), std::abs(p.x - room.x1), std::abs(p.z - room.z0),
                    std::abs(p.z - room.z1)});
      EXPECT_LT(nearestWall, 1.0f);
      EXPECT_GT(p.y, -6.0f);
      EXPECT_LT(p.y, 14.0f);
    }
  }
}

TEST_F(WorldSetup, PedestalsFurnitureSwordsAndLampsStandInTheirPlaces) {
  for (int i = 0; i < pedestalCount; ++i) {
    SCOPED_TRACE("pedestal " + std::to_string(i));
    EXPECT_EQ(pedestals[i]->kind, 6);
    EXPECT_EQ(pedestals[i]->furnitureType, 1);
    expectAt(*pedestals[i], pedestalTable[i]);
    if (i < 20) {
      EXPECT_FALSE(pedestals[i]->rotated);  // 20 to 24 are turned when drawn
    }
    EXPECT_EQ(pedestals[i]->value, 0);
  }

  for (const Furniture& f : furnitureTable) {
    SCOPED_TRACE(std::string(f.name) + " " + std::to_string(f.index));
    const ModelObject* object = f.table[f.index];
    EXPECT_EQ(object->kind, 6);
    EXPECT_EQ(object->furnitureType, f.type);
    expectAt(*object, f.position);
    expectTurn(object->rotated, object->angle, object->axis,
               f.turned ? Turn{f.angle, 0, 1, 0} : noTurn);
    EXPECT_EQ(object->chairFacing, f.type == 2 ? f.facing : 0);
    EXPECT_EQ(object->sofaFacing, f.type == 3 ? f.facing : 0);
    EXPECT_EQ(object->value, 0);
    EXPECT_EQ(object->bagSpace, 0);
  }

  for (const Sword& s : swordTable) {
    SCOPED_TRACE("sword room " + std::to_string(s.room) + " slot " + std::to_string(s.slot));
    const ModelObject* sword = swords[s.room - 2][s.slot];
    ASSERT_NE(sword, nullptr);
    EXPECT_EQ(sword->kind, 6);
    EXPECT_EQ(sword->furnitureType, 0);
    EXPECT_EQ(sword->value, 25);
    EXPECT_EQ(sword->bagSpace, 25);
    expectAt(*sword, s.position);
    expectTurn(sword->rotated, sword->angle, sword->axis, s.first);
    expectTurn(sword->secondRotated, sword->secondAngle, sword->secondAxis, s.second);
  }

  for (int i = 0; i < alarmLampCount; ++i) {
    SCOPED_TRACE("lamp " + std::to_string(i));
    EXPECT_EQ(alarmLamps[i]->kind, 2);
    EXPECT_FLOAT_EQ(alarmLamps[i]->radius, 0.5f);
    EXPECT_EQ(alarmLamps[i]->slices, 10);
    EXPECT_EQ(alarmLamps[i]->stacks, 10);
    EXPECT_FALSE(alarmLamps[i]->intact);  // so the lamps are never within reach
    EXPECT_EQ(alarmLamps[i]->value, 0);
  }
}

// Only meaningful before any game in this process; under ctest every test has its own.
TEST_F(WorldSetup, BeforeTheFirstGameOnlyTheExhibitsLackTheirIntactFlag) {
  if (currentRoom != 0) GTEST_SKIP() << "a game already ran in this process";
  for (int row = 0; row < roomRows; ++row) {
    for (int i = 0; i < pictureCount[row]; ++i) {
      EXPECT_TRUE(pictures[row][i]->visible && pictures[row][i]->intact) << row << " " << i;
    }
    for (int i = 0; i < swordCount[row]; ++i) {
      EXPECT_TRUE(swords[row][i]->visible && swords[row][i]->intact) << row << " " << i;
    }
    for (int i = 0; i < exhibitCount[row]; ++i) {
      EXPECT_TRUE(exhibits[row][i]->visible) << row << " " << i;
      EXPECT_FALSE(exhibits[row][i]->intact) << row << " " << i;
    }
  }
  for (int i = 20; i < pedestalCount; ++i) EXPECT_FALSE(pedestals[i]->rotated) << i;

  // The placeholders: down, so that no rule touches them, and holding nothing.
  for (const Guard* guard : {guard1, guard2}) {
    ASSERT_NE(guard, nullptr);
    EXPECT_TRUE(guard->down);
    EXPECT_EQ(guard->health, 100);
    EXPECT_EQ(guard->walkModel, nullptr);
    EXPECT_EQ(guard->texture, 0u);
  }
  ASSERT_NE(camera, nullptr);
  EXPECT_FLOAT_EQ(camera->health, 100.0f);
  EXPECT_TRUE(menuActive);
  EXPECT_EQ(menuSelection, 0);
  EXPECT_FALSE(alarmActive);
}

TEST_F(WorldSetup, EachGuardHasItsOwnTwelveAnimationsLoaded) {
  const char* const files[6] = {"data/animation/gehend.md2",
                                "data/animation/stehend.md2",
                                "data/animation/figure_shooting.md2",
                                "data/animation/figure_falling.md2",
                                "data/animation/weapon_shooting.md2",
                                "data/animation/waffe_falling.md2"};
  const char* const skins[6] = {"data/textures/pm1.bmp",    "data/textures/pm1.bmp",
                                "data/textures/pm1.bmp",    "data/textures/pm1.bmp",
                                "data/textures/weapon.bmp", "data/textures/weapon.bmp"};
  for (int slot = 0; slot < 6; ++slot) {
    SCOPED_TRACE(files[slot]);
    const std::int32_t frames = md2Header(files[slot], 10);
    const std::int32_t vertices = md2Header(files[slot], 6);
    ASSERT_GT(frames, 0);
    for (const Md2Model* set : {guard1Models, guard2Models}) {
      const Md2Model& model = set[slot];
      EXPECT_EQ(model.numFrames, frames);
      ASSERT_EQ(model.frames.size(), static_cast<std::size_t>(frames));
      EXPECT_EQ(model.frames[0].numVertices, vertices);
      ASSERT_EQ(model.materials.size(), 1u);
      EXPECT_EQ(model.materials[0].fileName, skins[slot]);
    }
    // Separate copies: releasing one guard's set leaves the other's intact.
    EXPECT_NE(guard1Models[slot].frames.data(), guard2Models[slot].frames.data());
  }

  // Advancing guard 1's walk never moves guard 2's.
  Md2Model& walk1 = guard1Models[0];
  const Md2Model& walk2 = guard2Models[0];
  const std::int32_t frame1 = walk1.currentFrame;
  const float last1 = walk1.lastTime, elapsed1 = walk1.elapsedTime;
  const std::int32_t frame2 = walk2.currentFrame;
  const float last2 = walk2.lastTime;
  for (int step = 0; step < 5; ++step) {
    platform::advanceVirtualClockMicros(130000);
    Md2Pose pose;
    ASSERT_TRUE(walk1.advanceAnimation(pose));
  }
  EXPECT_NE(walk1.currentFrame, frame1);
  EXPECT_EQ(walk2.currentFrame, frame2);
  EXPECT_FLOAT_EQ(walk2.lastTime, last2);
  walk1.currentFrame = frame1;
  walk1.lastTime = last1;
  walk1.elapsedTime = elapsed1;

  // A new game hands each guard its own set, in slot order.
  testsupport::startGame();
  const Md2Model* const slots1[6] = {guard1->walkModel,  guard1->standModel,
                                     guard1->shootModel, guard1->fallModel,
                                     guard1->weaponShootModel, guard1->weaponFallModel};
  const Md2Model* const slots2[6] = {guard2->walkModel,  guard2->standModel,
                                     guard2->shootModel, guard2->fallModel,
                                     guard2->weaponShootModel, guard2->weaponFallModel};
  for (int slot = 0; slot < 6; ++slot) {
    EXPECT_EQ(slots1[slot], &guard1Models[slot]) << slot;
    EXPECT_EQ(slots2[slot], &guard2Models[slot]) << slot;
  }
}

TEST_F(WorldSetup, FixedMessageLinesAndTheBlinkPeriod) {
  struct Line {
    const TextMessage* message;
    int x, y;
    Rgb colour;
    const char* text;  // null: set by the HUD later
  };
  const Line lines[4] = {
      {hudMessage, 10, 34, {1, 0, 0}, nullptr},
      {gameOverMessage, 250, 400, {1, 0, 0},
       "Now you have plenty of time to think 'bout it: GAME OVER"},
      {backToMenuMessage, 350, 450, {1, 0, 0}, "Press any key to go back to the main menue!"},
      {cornerMessage, 900, 690, {0, 1, 1}, nullptr},
  };
  for (const Line& line : lines) {
    ASSERT_NE(line.message, nullptr);
    SCOPED_TRACE(line.x);
    EXPECT_EQ(line.message->x, line.x);
    EXPECT_EQ(line.message->y, line.y);
    EXPECT_FLOAT_EQ(line.message->colour[0], line.colour.r);
    EXPECT_FLOAT_EQ(line.message->colour[1], line.colour.g);
    EXPECT_FLOAT_EQ(line.message->colour[2], line.colour.b);
    if (line.text != nullptr) {
      ASSERT_NE(line.message->text, nullptr);
      EXPECT_STREQ(line.message->text, line.text);
    }
  }
  EXPECT_EQ(alarmBlinkFrames, refreshRate);
  EXPECT_EQ(refreshRate, 60);
}

// The three red alarm lights are set up once (and switched on only by the alarm).
TEST_F(WorldSetup, AlarmLightsAreRedAboveTheRooms) {
  const float positions[3][3] = {{177, 10, 164}, {395, 10, 164}, {281, 10, 386}};
  for (int i = 0; i < 3; ++i) {
    const GLenum light = GL_LIGHT5 + i;
    SCOPED_TRACE(i);
    float v[4];
    glGetLightfv(light, GL_AMBIENT, v);
    expectRgba(v, {0.5f, 0, 0}, "ambient");
    glGetLightfv(light, GL_DIFFUSE, v);
    expectRgba(v, {0.5f, 0, 0}, "diffuse");
    glGetLightfv(light, GL_SPECULAR, v);
    expectRgba(v, {0.6f, 0, 0}, "specular");
    glGetLightfv(light, GL_POSITION, v);
    expectRgba(v, {positions[i][0], positions[i][1], positions[i][2]}, "position");
    if (currentRoom == 0) {
      EXPECT_FALSE(glIsEnabled(light));
    }
  }
  float ambient[4];
  glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient);
  expectRgba(ambient, {0.2f, 0.2f, 0.2f}, "global ambient");
}
