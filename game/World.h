// The museum's world: every long-lived object the world set-up creates once, with the counts
// every loop over the tables uses. Per-room tables are indexed by room number minus 2
// (rooms 2, 3 and 4); room 1, the hall, holds nothing that can be taken.
#pragma once

#include <GL/gl.h>

#include <cstdint>

class Md2Model;
class ModelObject;
class TextMessage;

// ---- Counts ----
constexpr int roomRows = 3;
constexpr std::int16_t pictureCount[roomRows] = {12, 12, 12};
constexpr std::int16_t exhibitCount[roomRows] = {9, 11, 13};
constexpr std::int16_t swordCount[roomRows] = {1, 2, 4};
constexpr std::int16_t pedestalCount = 25;
constexpr std::int16_t alarmLampCount = 6;
constexpr std::int16_t chairCount = 6;
constexpr std::int16_t sofaCount = 3;
constexpr std::int16_t tableCount = 3;
constexpr int maxExhibitsPerRoom = 13;

// The player's eye stays at y = 1 and its sphere reaches 2.2 around it: the floor, the
// ceiling, the sills and the door heads, cut finely for the lighting, can never push it, so
// the collision walks only the triangles within this band (a unit of slack either side).
constexpr float collisionBandLow = 1.0f - 2.2f - 1.0f;
constexpr float collisionBandHigh = 1.0f + 2.2f + 1.0f;
constexpr int maxSwordsPerRoom = 4;

// ---- Created once by initWorld, kept until the program ends ----
extern GLuint menuTextures[6];     // start, controls, credits, quit highlighted; controls page; credits page
extern GLuint hudIcons[3];         // heart, bag, police
extern GLuint skylineTextures[2];  // skyline, sky
extern GLuint switchTextures[2];   // switch front, switch side

extern ModelObject* pictures[roomRows][12];
extern ModelObject* exhibits[roomRows][maxExhibitsPerRoom];
extern ModelObject* swords[roomRows][maxSwordsPerRoom];
extern ModelObject* pedestals[pedestalCount];
extern ModelObject* alarmLamps[alarmLampCount];  // even index red, odd index green
extern ModelObject* chairs[chairCount];
extern ModelObject* sofas[sofaCount];
extern ModelObject* tables[tableCount];

extern Md2Model guard1Models[6];   // walk, stand, shoot, fall, weapon-shoot, weapon-fall
extern Md2Model guard2Models[6];

extern TextMessage* hudMessage;         // the score line
extern TextMessage* gameOverMessage;
extern TextMessage* backToMenuMessage;
extern TextMessage* cornerMessage;      // the frames-per-second line

// Builds the museum once: textures, placeholders, level, display lists, GL state, message
// lines, guard animations and the 119 museum objects. Ends the program when an asset fails.
void initWorld();
