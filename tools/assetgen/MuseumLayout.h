// What the generator adds to the museum's plan (geometry/MuseumPlan.h, which the game reads
// too): the sword boards and the names of the textures the level and the models use.
#pragma once

#include "geometry/MuseumPlan.h"

namespace museum {

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
