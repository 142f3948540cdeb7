// The museum's floor plan in level units (x and z on the floor, y up), shared by the level,
// the pictures and the furniture, and the names of the textures their models use.
//
// The hall (room 1) is an L: a front corridor along z 0..50 and a left corridor along
// x 0..52. Inner walls 2 thick: x 52..54, z 50..52, x 280..282, z 273..275. Room 3 is
// x 54..280, z 52..273; room 2 x 282..500, z 52..273; room 4 x 54..500, z 275..485. The
// inner faces of the outer walls are x = 0, z = 0, x = 500 and z = 485.
#pragma once

namespace museum {

constexpr double kFloorY = -6.0;
constexpr double kCeilingY = 14.0;
constexpr double kDoorTopY = 8.0;     // top of every doorway opening
constexpr double kWindowSillY = 6.0;  // well above the top of the player's sphere (3.2)
constexpr double kWindowTopY = 12.0;
constexpr double kOuterWallThickness = 2.0;

struct Area {
  double x0, z0, x1, z1;
  bool contains(double x, double z, double margin = 0.0) const {
    return x > x0 + margin && x < x1 - margin && z > z0 + margin && z < z1 - margin;
  }
};

constexpr Area kHallFront{0.0, 0.0, 500.0, 50.0};
constexpr Area kHallLeft{0.0, 50.0, 52.0, 485.0};
constexpr Area kRoom3{54.0, 52.0, 280.0, 273.0};
constexpr Area kRoom2{282.0, 52.0, 500.0, 273.0};
constexpr Area kRoom4{54.0, 275.0, 500.0, 485.0};

// A doorway through an inner wall. Walls that run along x have a fixed z range (lo..hi) and
// the opening spans x (from..to); walls that run along z the other way round.
struct Doorway {
  bool wallAlongX;
  double lo, hi;    // the wall's thickness
  double from, to;  // the opening, exactly the room tracking's strip
};

constexpr Doorway kDoorways[] = {
    {true, 50.0, 52.0, 152.0, 181.0},    // hall - room 3
    {true, 50.0, 52.0, 381.0, 410.0},    // hall - room 2
    {false, 52.0, 54.0, 150.0, 176.0},   // hall - room 3
    {false, 52.0, 54.0, 375.0, 398.0},   // hall - room 4
    {false, 280.0, 282.0, 152.0, 175.0}, // room 3 - room 2
    {true, 273.0, 275.0, 152.0, 181.0},  // room 3 - room 4
    {true, 273.0, 275.0, 381.0, 410.0},  // room 2 - room 4
};

// The closed entrance door in the front wall, and the floor markings in front of it.
constexpr double kEntranceFrom = 440.0;
constexpr double kEntranceTo = 480.0;
constexpr Area kExitZone{405.0, 0.0, 492.0, 25.0};
constexpr Area kDropZone{405.0, 0.0, 432.0, 25.0};

// The five room lights (x, z); a floor and ceiling vertex sits under each.
constexpr double kLights[5][2] = {{254.0, 25.0}, {25.0, 180.0}, {177.0, 164.0}, {395.0, 164.0},
                                  {281.0, 386.0}};

// Window centres along the outer walls; each opening is kWindowWidth wide.
constexpr double kWindowWidth = 16.0;
constexpr double kFrontWindows[] = {35.0, 105.0, 175.0, 245.0, 315.0, 385.0};  // z = 0, along x
constexpr double kLeftWindows[] = {45.0, 120.0, 195.0, 270.0, 345.0, 420.0};   // x = 0, along z
constexpr double kRightWindows[] = {25.0, 110.0, 215.0, 330.0, 430.0};         // x = 500, along z

// The two swords hung on the back wall (z = 483, turned upright by the set-up) hang on boards
// one unit thick, so that they touch what holds them: x of each board's centre.
constexpr double kSwordBoards[] = {391.0, 162.0};
constexpr double kSwordBoardHalfWidth = 3.0;
constexpr double kSwordBoardDepth = 1.0;
// The two swords on the wall z = 275 hang a unit in front of it and reach 0.7 back from
// there: their boards are as wide and tall, but thinner, so the swords rest against them.
constexpr double kFrontSwordBoards[] = {355.0, 274.0};
constexpr double kFrontSwordBoardDepth = 0.25;

// Textures of the level and of the models, at most 31 characters each.
namespace tex {
constexpr const char* kHallFloor = "data/textures/lv/marble.bmp";
constexpr const char* kRoomFloor = "data/textures/lv/parquet.bmp";
constexpr const char* kZones = "data/textures/lv/zones.bmp";
constexpr const char* kHallWall = "data/textures/lv/wall_hall.bmp";
constexpr const char* kRoom2Wall = "data/textures/lv/wall_r2.bmp";
constexpr const char* kRoom3Wall = "data/textures/lv/wall_r3.bmp";
constexpr const char* kRoom4Wall = "data/textures/lv/wall_r4.bmp";
constexpr const char* kCeiling = "data/textures/lv/ceiling.bmp";
constexpr const char* kDoorFrame = "data/textures/lv/doorframe.bmp";
constexpr const char* kEntranceDoor = "data/textures/lv/door.bmp";
constexpr const char* kWindowFrame = "data/textures/lv/window.bmp";
constexpr const char* kSigns = "data/textures/lv/signs.bmp";
constexpr const char* kLamp = "data/textures/lv/lamp.bmp";

constexpr const char* kGoldFrame = "data/textures/art/gold.bmp";
constexpr const char* kWalnutFrame = "data/textures/art/walnut.bmp";
constexpr const char* kEbonyFrame = "data/textures/art/ebony.bmp";
constexpr const char* kSilverFrame = "data/textures/art/silver.bmp";

constexpr const char* kMarble = "data/textures/obj/marble.bmp";
constexpr const char* kPlinth = "data/textures/obj/plinth.bmp";
constexpr const char* kVelvet = "data/textures/obj/velvet.bmp";
constexpr const char* kOak = "data/textures/obj/oak.bmp";
constexpr const char* kSteel = "data/textures/obj/steel.bmp";
constexpr const char* kBrass = "data/textures/obj/brass.bmp";
constexpr const char* kLeather = "data/textures/obj/leather.bmp";
}  // namespace tex

// Rows of the sign texture, top to bottom: what lies beyond a doorway.
enum SignRow { kSignHall = 0, kSignRoom3 = 1, kSignRoom2 = 2, kSignRoom4 = 3, kSignExit = 4 };
constexpr int kSignRows = 8;  // the texture holds 8 rows; the rest stay plain

// The file of painting i (0..35): data/textures/art/p01.bmp .. p36.bmp.
constexpr int kPaintingCount = 36;

}  // namespace museum
