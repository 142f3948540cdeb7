// The world set-up: every long-lived object of the museum, built once in a fixed order, and
// the tables that put each object in its place.
#include "game/World.h"

#include <cstdio>
#include <cstdlib>

#include "assets/LevelMesh.h"
#include "assets/Md2Model.h"
#include "assets/ModelObject.h"
#include "game/Alarm.h"
#include "game/GameState.h"
#include "game/Guard.h"
#include "geometry/MuseumPlan.h"
#include "platform/Screen.h"

ModelObject* pictures[roomRows][12];
ModelObject* exhibits[roomRows][maxExhibitsPerRoom];
ModelObject* swords[roomRows][maxSwordsPerRoom];
ModelObject* pedestals[pedestalCount];
ModelObject* alarmLamps[alarmLampCount];
ModelObject* chairs[chairCount];
ModelObject* sofas[sofaCount];
ModelObject* tables[tableCount];

Md2Model guardModels[6];
Md2Clock guard1Clocks[6];
Md2Clock guard2Clocks[6];

namespace {

// ---- Exhibit colours (alpha 1), owned here for the whole run: objects keep pointers ----
const float p1Ambient[4] = {0.42f, 0.4f, 0.16f, 1.0f}, p1Diffuse[4] = {0.84f, 0.5f, 0.33f, 1.0f};
const float p2Ambient[4] = {0.43f, 0.43f, 0.43f, 1.0f}, p2Diffuse[4] = {0.86f, 0.86f, 0.86f, 1.0f};
const float p3Ambient[4] = {0.4f, 0.0f, 0.0f, 1.0f}, p3Diffuse[4] = {0.5f, 0.0f, 0.0f, 1.0f};
const float p4Ambient[4] = {0.25f, 0.0f, 0.5f, 1.0f}, p4Diffuse[4] = {0.5f, 0.0f, 1.0f, 1.0f};
const float p5Ambient[4] = {0.015f, 0.92f, 0.9f, 1.0f}, p5Diffuse[4] = {0.015f, 0.92f, 0.9f, 1.0f};
const float p6Ambient[4] = {0.4f, 0.84f, 0.25f, 1.0f}, p6Diffuse[4] = {0.4f, 0.84f, 0.25f, 1.0f};
const float p7Ambient[4] = {0.425f, 0.018f, 0.344f, 1.0f},
            p7Diffuse[4] = {0.425f, 0.018f, 0.344f, 1.0f};
const float p8Ambient[4] = {0.636f, 0.375f, 0.26f, 1.0f}, p8Diffuse[4] = {0.7f, 0.4f, 0.3f, 1.0f};
const float p9Ambient[4] = {0.0f, 0.0f, 0.0f, 1.0f}, p9Diffuse[4] = {0.0f, 0.0f, 0.0f, 1.0f};

struct ColourSet {
  const float* ambient;
  const float* diffuse;
};
const ColourSet P1 = {p1Ambient, p1Diffuse}, P2 = {p2Ambient, p2Diffuse},
                P3 = {p3Ambient, p3Diffuse}, P4 = {p4Ambient, p4Diffuse},
                P5 = {p5Ambient, p5Diffuse}, P6 = {p6Ambient, p6Diffuse},
                P7 = {p7Ambient, p7Diffuse}, P8 = {p8Ambient, p8Diffuse},
                P9 = {p9Ambient, p9Diffuse};

const float specularWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const float specularBlack[4] = {0.0f, 0.0f, 0.0f, 1.0f};
const float shininess100[1] = {100.0f};
const float shininess5[1] = {5.0f};
const float shininess0[1] = {0.0f};
const float emissionNone[4] = {0.0f, 0.0f, 0.0f, 1.0f};
const float emissionDarkRed[4] = {0.01f, 0.0f, 0.0f, 1.0f};

// ---- Step 10: pictures, by room row (rooms 2, 3, 4) ----
struct PictureRow {
  const char* fileFormat;
  int firstNumber;
  std::int16_t values[12];
  std::int16_t bagSpaces[12];
};
const PictureRow pictureRows[roomRows] = {
    {"data/models/pictures/pic%d.txt", 13,
     {40, 35, 15, 20, 12, 31, 24, 19, 11, 35, 22, 34},
     {15, 10, 10, 15, 10, 11, 10, 15, 10, 13, 12, 14}},
    {"data/models/pictures/pic%d.txt", 1,
     {21, 17, 13, 38, 20, 15, 24, 30, 33, 39, 25, 36},
     {15, 14, 15, 10, 10, 12, 11, 12, 10, 10, 9, 10}},
    {"data/models/pictures/picn%d.txt", 1,
     {10, 15, 25, 19, 17, 11, 14, 20, 16, 22, 18, 15},
     {9, 10, 15, 12, 12, 8, 11, 14, 13, 15, 12, 12}},
};

// ---- Step 11: pedestals ----
constexpr int firstTurnedPedestal = 20;
const float pedestalPositions[pedestalCount][3] = {
    {325, 1, 130}, {445, 1, 112.5f}, {325, 1, 195}, {445, 1, 212.5f}, {325, 1, 90},
    {325, 1, 235}, {97, 1, 130},     {217, 1, 130}, {97, 1, 195},     {217, 1, 195},
    {217, 1, 90},  {217, 1, 235},    {97, 1, 90},   {97, 1, 235},     {390, 1, 442},
    {320, 1, 442}, {250, 1, 442},    {180, 1, 442}, {110, 1, 442},    {110, 1, 305},
    {459, 1, 303}, {459, 1, 353},    {459, 1, 403}, {93, 1, 332},     {463, 1, 155}};

// ---- Step 13: furniture (rotations about y; facing 0 means none) ----
struct FurnitureRow {
  float x, y, z;
  bool rotated;
  float angle;
  std::int16_t facing;
};
const FurnitureRow chairRows[chairCount] = {
    {295, 0, 295, true, -90, 1}, {245, 0, 303, true, 90, 2},  {309, 0, 49.5f, true, 180, 3},
    {260, 0, 49.5f, true, 180, 3}, {51, 0, 270, true, -90, 1}, {51, 0, 220, true, -90, 1}};
const FurnitureRow sofaRows[sofaCount] = {
    {270, 0, 41, false, 0, 1}, {43, 0, 260, true, 90, 2}, {281, 0, 290, true, 180, 3}};
const FurnitureRow tableRows[tableCount] = {
    {270.5f, 0, 299, false, 0, 0}, {330, 0, 281, false, 0, 0}, {210, 0, 281, false, 0, 0}};

// ---- Step 14: exhibits ----
enum class Shape { Sphere, Teapot, Cube, Torus };
struct ExhibitRow {
  Shape shape;
  float first, second;  // sphere radius / teapot, cube size / torus inner, outer radius
  std::int32_t slices, stacks;
  std::int16_t value, bagSpace;
  float x, y, z;
  float angle, ax, ay, az;  // angle 0 with a zero axis: no rotation
  ColourSet colours;
  const float* specular;
  const float* shininess;
  const float* emission;
};
const ExhibitRow exhibitRows[roomRows][maxExhibitsPerRoom] = {
    {   // room 2
     {Shape::Sphere, 4, 0, 20, 16, 40, 40, 335, 0.3f, 132, 0, 0, 0, 0, P1, specularWhite, shininess100, emissionNone},
     {Shape::Teapot, 3, 0, 0, 0, 35, 25, 455, -1.3f, 115, 0, 0, 0, 0, P2, specularWhite, shininess100, emissionNone},
     {Shape::Cube, 5, 0, 0, 0, 20, 30, 335, -1, 197.5f, 0, 0, 0, 0, P3, specularBlack, shininess0, emissionNone},
     {Shape::Torus, 2, 3, 20, 16, 35, 45, 455, -1.5f, 215, 90, 1, 0, 0, P4, specularWhite, shininess5, emissionNone},
     {Shape::Teapot, 4, 0, 0, 0, 40, 40, 335, -0.8f, 237.5f, 0, 0, 0, 0, P5, specularWhite, shininess5, emissionNone},
     {Shape::Torus, 1, 4, 20, 16, 6, 8, 335, -1, 197.5f, 90, 1, 0, 0, P6, specularBlack, shininess0, emissionNone},
     {Shape::Torus, 1, 3, 20, 16, 6, 8, 335, -2.7f, 92, 90, 1, 0, 0, P7, specularBlack, shininess0, emissionNone},
     {Shape::Torus, 1, 3, 20, 16, 4, 3, 335, -1, 92, 90, 1, 0, 0, P7, specularBlack, shininess0, emissionNone},
     {Shape::Torus, 1, 3, 20, 16, 4, 3, 335, 0.7f, 92, 90, 1, 0, 0, P7, specularBlack, shininess0, emissionNone},
    },
    {   // room 3
     {Shape::Sphere, 4, 0, 20, 16, 20, 25, 107, 0.3f, 132, 0, 0, 0, 0, P3, specularWhite, shininess5, emissionDarkRed},
     {Shape::Teapot, 3, 0, 0, 0, 45, 30, 227, -1.3f, 132, 0, 0, 0, 0, P4, specularWhite, shininess100, emissionNone},
     {Shape::Cube, 4, 0, 0, 0, 25, 30, 107, -1.2f, 197.5f, 0, 0, 0, 0, P1, specularBlack, shininess0, emissionNone},
     {Shape::Torus, 2, 3, 20, 16, 35, 45, 227, 1.3f, 197.5f, 0, 0, 0, 0, P2, specularWhite, shininess5, emissionNone},
     {Shape::Cube, 4, 0, 0, 0, 7, 10, 107, 1.4f, 197.5f, 45, 0, 1, 0, P1, specularBlack, shininess0, emissionNone},
     {Shape::Cube, 4, 0, 0, 0, 7, 10, 107, 4.4f, 197.5f, 0, 0, 0, 0, P1, specularBlack, shininess0, emissionNone},
     {Shape::Torus, 1, 3, 20, 16, 10, 10, 107, -2.7f, 237.5f, 90, 1, 0, 0, P1, specularWhite, shininess100, emissionNone},
     {Shape::Sphere, 3, 0, 16, 10, 14, 6, 107, 0, 237.5f, 0, 0, 0, 0, P1, specularWhite, shininess100, emissionNone},
     {Shape::Torus, 1, 3, 20, 16, 10, 10, 227, 1.5f, 93, 90, 1, 0, 0, P8, specularBlack, shininess5, emissionNone},
     {Shape::Sphere, 3, 0, 14, 10, 5, 5, 227, -0.6f, 93, 0, 0, 0, 0, P8, specularBlack, shininess5, emissionNone},
     {Shape::Sphere, 3, 0, 14, 10, 5, 5, 227, 3.6f, 93, 0, 0, 0, 0, P8, specularBlack, shininess5, emissionNone},
    },
    {   // room 4
     {Shape::Torus, 3, 3, 20, 16, 35, 45, 90, -0.8f, 342, 90, 1, 0, 0, P7, specularWhite, shininess5, emissionNone},
     {Shape::Cube, 4, 0, 0, 0, 15, 10, 457, -0.2f, 313, 45, 0.707f, 0, 0.707f, P8, specularBlack, shininess5, emissionNone},
     {Shape::Sphere, 5, 0, 25, 20, 20, 30, 400, 1.3f, 445, 0, 0, 0, 0, P9, specularWhite, shininess5, emissionNone},
     {Shape::Teapot, 5, 0, 0, 0, 25, 20, 260, -0.2f, 445, 0, 0, 0, 0, P1, specularWhite, shininess100, emissionNone},
     {Shape::Cube, 5, 0, 0, 0, 15, 10, 120, -1, 445, 0, 0, 0, 0, P6, specularBlack, shininess0, emissionNone},
     {Shape::Torus, 2, 3, 25, 20, 30, 20, 457, 1.2f, 413, 90, 0, 1, 0, P3, specularBlack, shininess0, emissionNone},
     {Shape::Teapot, 5, 0, 0, 0, 30, 15, 330, -0.2f, 445, 0, 0, 0, 0, P2, specularBlack, shininess0, emissionNone},
     {Shape::Sphere, 3, 0, 20, 16, 10, 10, 190, -3, 445, 0, 0, 0, 0, P5, specularBlack, shininess0, emissionNone},
     {Shape::Cube, 4, 0, 0, 0, 10, 10, 120, -3, 307, 45, 0.707f, 0, 0.707f, P3, specularBlack, shininess5, emissionDarkRed},
     {Shape::Torus, 1, 2, 20, 16, 15, 15, 457, -3.5f, 363, 90, 0, 1, 0, P6, specularBlack, shininess5, emissionDarkRed},
     {Shape::Torus, 1, 2, 20, 16, 5, 5, 457, 0, 363, 0, 0, 0, 0, P6, specularBlack, shininess5, emissionDarkRed},
     {Shape::Cube, 4, 0, 0, 0, 4, 4, 120, 1.5f, 307, 45, 0, 1, 0, P3, specularBlack, shininess5, emissionDarkRed},
     {Shape::Sphere, 2, 0, 15, 10, 4, 3, 190, 1.5f, 445, 0, 0, 0, 0, P5, specularBlack, shininess0, emissionNone},
    },
};

// ---- Step 15: swords (value 25, bag space 25 each) ----
struct SwordRow {
  float x, y, z;
  float angle1, ax1, ay1, az1;  // angle1 0 with a zero axis: no rotation
  float angle2, ax2, ay2, az2;
};
const SwordRow swordRows[roomRows][maxSwordsPerRoom] = {
    {{461, -3, 162, 0, 0, 0, 0, 0, 0, 0, 0}},
    {{102, -3, 92, 90, 0, 1, 0, 0, 0, 0, 0}, {222, -3, 237, 90, 0, 1, 0, 0, 0, 0, 0}},
    {{355, -1, 276, -90, 1, 0, 0, 90, 0, 1, 0},
     {274, -1, 276, -90, 1, 0, 0, -90, 0, 1, 0},
     {391, 1, 483, 90, 1, 0, 0, 90, 0, 1, 0},
     {162, 1, 483, 90, 1, 0, 0, -90, 0, 1, 0}},
};

// ---- Step 9: the guards' animations, in slot order, and the loading order ----
struct AnimationFile {
  const char* model;
  const char* skin;
};
const AnimationFile animationFiles[guardAnimationCount] = {
    {"data/animation/gehend.md2", "data/textures/pm1.bmp"},
    {"data/animation/stehend.md2", "data/textures/pm1.bmp"},
    {"data/animation/figure_shooting.md2", "data/textures/pm1.bmp"},
    {"data/animation/figure_falling.md2", "data/textures/pm1.bmp"},
    {"data/animation/weapon_shooting.md2", "data/textures/weapon.bmp"},
    {"data/animation/waffe_falling.md2", "data/textures/weapon.bmp"}};

// Step 4, with the collision list cut to the band of heights the player's sphere can reach.
void loadLevel() {
  levelMesh = new LevelMesh("data/models/level.txt", true);
  levelTriangles = levelMesh->buildTriangleListWithin(collisionBandLow, collisionBandHigh,
                                                      &levelTriangleVertexCount);
}

// Step 9: any failure ends the program after the loader's own message.
void loadAnimation(Md2Model& model, int slot) {
  if (!Md2Loader::load(model, animationFiles[slot].model, animationFiles[slot].skin)) {
    std::exit(1);
  }
}

// Once, in slot order: both guards play the same animations, each with its own clocks.
void loadGuardAnimations() {
  for (int slot = 0; slot < guardAnimationCount; ++slot) loadAnimation(guardModels[slot], slot);
}

// Step 10.
void createPictures() {
  for (int row = 0; row < roomRows; ++row) {
    const PictureRow& table = pictureRows[row];
    for (int i = 0; i < pictureCount[row]; ++i) {
      char fileName[64];
      std::snprintf(fileName, sizeof fileName, table.fileFormat, table.firstNumber + i);
      ModelObject* picture = new ModelObject(fileName, false, FurnitureType::None);
      picture->setValue(table.values[i]);
      picture->setBagSpace(table.bagSpaces[i]);
      picture->placeAtPictureCentre();
      picture->loadTexture("data/textures/wood002.bmp");
      pictures[row][i] = picture;
    }
  }
}

// Step 11: one mesh, loaded once, for every pedestal.
void createPedestals() {
  for (int i = 0; i < pedestalCount; ++i) {
    pedestals[i] = i == 0 ? new ModelObject("data/models/objects/sockel.txt", false,
                                            FurnitureType::Pedestal)
                          : new ModelObject(pedestals[0]->model, FurnitureType::Pedestal);
    pedestals[i]->setPosition(pedestalPositions[i][0], pedestalPositions[i][1],
                              pedestalPositions[i][2]);
    // The last five stand along x: turned from the start, so their push box is turned too.
    if (i >= firstTurnedPedestal) pedestals[i]->setRotation(-90.0f, 0.0f, 1.0f, 0.0f);
  }
}

// Step 12: placed on their walls; coloured by the frame drawing.
void createAlarmLamps() {
  for (int i = 0; i < alarmLampCount; ++i) {
    alarmLamps[i] = new ModelObject(0.5f, 10, 10);
    const double* at = museum::alarmLampPlaces[i];
    alarmLamps[i]->setPosition(static_cast<float>(at[0]), static_cast<float>(at[1]),
                               static_cast<float>(at[2]));
  }
}

// Step 13.
ModelObject* createFurniture(const char* fileName, FurnitureType type, const FurnitureRow& row) {
  ModelObject* object = new ModelObject(fileName, false, type);
  object->setPosition(row.x, row.y, row.z);
  if (row.rotated) {
    object->setRotation(row.angle, 0.0f, 1.0f, 0.0f);
  }
  if (type == FurnitureType::Chair) object->setChairFacing(row.facing);
  if (type == FurnitureType::Sofa) object->setSofaFacing(row.facing);
  return object;
}

void createFurniture() {
  for (int i = 0; i < chairCount; ++i) {
    chairs[i] = createFurniture("data/models/objects/centerchair.txt", FurnitureType::Chair,
                                chairRows[i]);
  }
  for (int i = 0; i < sofaCount; ++i) {
    sofas[i] = createFurniture("data/models/objects/centersofa.txt", FurnitureType::Sofa,
                               sofaRows[i]);
  }
  for (int i = 0; i < tableCount; ++i) {
    tables[i] = createFurniture("data/models/objects/table.txt", FurnitureType::Table,
                                tableRows[i]);
  }
}

// The exhibits' colours as the night museum lights them. The room lights' ambient adds up to
// about (1.2, 1.2, 1.7) everywhere, their diffuse reaches only 0.2 to 0.3: with the ambient
// share above half the diffuse colour, a solid showed one flat tint from every side. Less
// ambient and more diffuse keep each exhibit's hue and give it a lit and a shadowed side; the
// lamps' bluish diffuse is warmed a little. Filled at set-up; the exhibits point into them.
constexpr float exhibitAmbientShare = 0.3f;
constexpr float exhibitDiffuseGain = 1.8f;
const float exhibitDiffuseTint[3] = {1.0f, 0.95f, 0.8f};
float exhibitAmbient[roomRows][maxExhibitsPerRoom][4];
float exhibitDiffuse[roomRows][maxExhibitsPerRoom][4];

void shadeExhibitColours(const ColourSet& day, float* ambient, float* diffuse) {
  for (int k = 0; k < 3; ++k) {
    ambient[k] = day.ambient[k] * exhibitAmbientShare;
    diffuse[k] = day.diffuse[k] * exhibitDiffuseGain * exhibitDiffuseTint[k];
  }
  ambient[3] = diffuse[3] = 1.0f;
}

// Step 14.
ModelObject* createExhibit(const ExhibitRow& row, float* ambient, float* diffuse) {
  ModelObject* exhibit = nullptr;
  switch (row.shape) {
    case Shape::Sphere: exhibit = new ModelObject(row.first, row.slices, row.stacks); break;
    case Shape::Teapot: exhibit = new ModelObject(row.first, ObjectKind::Teapot); break;
    case Shape::Cube: exhibit = new ModelObject(row.first, ObjectKind::Cube); break;
    case Shape::Torus: exhibit = new ModelObject(row.first, row.second, row.slices, row.stacks); break;
  }
  exhibit->setValue(row.value);
  exhibit->setBagSpace(row.bagSpace);
  exhibit->setPosition(row.x, row.y, row.z);
  if (row.angle != 0.0f) {
    exhibit->setRotation(row.angle, row.ax, row.ay, row.az);
  }
  shadeExhibitColours(row.colours, ambient, diffuse);
  exhibit->setMaterial(ambient, diffuse, row.specular, row.shininess,
                       row.emission);
  return exhibit;
}

void createExhibits() {
  for (int row = 0; row < roomRows; ++row) {
    for (int i = 0; i < exhibitCount[row]; ++i) {
      exhibits[row][i] =
          createExhibit(exhibitRows[row][i], exhibitAmbient[row][i], exhibitDiffuse[row][i]);
    }
  }
}

// Step 15: the first rotation is applied before the second when drawn.
void createSwords() {
  for (int row = 0; row < roomRows; ++row) {
    for (int i = 0; i < swordCount[row]; ++i) {
      const SwordRow& table = swordRows[row][i];
      ModelObject* sword =
          new ModelObject("data/models/objects/sword.txt", false, FurnitureType::None);
      sword->setValue(25);
      sword->setBagSpace(25);
      sword->setPosition(table.x, table.y, table.z);
      if (table.angle1 != 0.0f) sword->setRotation(table.angle1, table.ax1, table.ay1, table.az1);
      if (table.angle2 != 0.0f) {
        sword->setSecondRotation(table.angle2, table.ax2, table.ay2, table.az2);
      }
      swords[row][i] = sword;
    }
  }
}

}  // namespace

void initWorld() {
  camera = new Camera();
  guard1 = new Guard();
  guard2 = new Guard();
  loadLevel();
  alarmBlinkFrames = static_cast<std::int16_t>(platform::displayRefreshRate());
  loadGuardAnimations();
  createPictures();
  createPedestals();
  createAlarmLamps();
  createFurniture();
  createExhibits();
  createSwords();
}
