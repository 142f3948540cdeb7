// The first-person camera, which also carries the player's own numbers (health, bag, score).
// One camera at a time, held by the global `camera`; every new game replaces it.
// Calling order each frame: updateFrameTime (idle), moveForward/strafe (idle and pushes),
// collideWithTriangles (display, outside doorway strips), applyView (display).
#pragma once

#include <cstdint>

#include "geometry/Vector3.h"

// The pace factors on the walking speed: 'e' switches between them.
constexpr std::int16_t walkingPace = 2;
constexpr std::int16_t runningPace = 4;

class Camera {
 public:
  Vector3 position;   // the eye point
  Vector3 view;       // a point on the line of sight (not a direction)
  Vector3 up;         // never changed after construction
  float health;       // 0..100; guards' shots take 30
  float interval;     // seconds between the last two frames
  float bagLoad;      // 0..100, sum of the bag space of what is carried
  float walkSpeed;    // units per second before the pace factor
  float radius;       // collision sphere around position
  std::int16_t score;
  std::int16_t walkPace;  // 2 walking, 4 running
  std::int32_t screenHeight;
  std::int32_t screenWidth;

  Camera();
  Camera(float px, float py, float pz, float vx, float vy, float vz, float ux, float uy, float uz);

  void setScreenSize(std::int32_t width, std::int32_t height);
  void moveForward(float distance);
  void strafe(float distance);
  void turnView(float angle, float x, float y, float z);
  // sensitivity scales the 1/500 radian a pixel; inverted swaps looking up and down.
  void lookWithMouse(int mouseX, int mouseY, float sensitivity = 1.0f, bool inverted = false);
  // Turns the view by angleY radians about the vertical (positive turns left) and angleZ
  // about the horizontal (positive looks up), the pitch kept within 85 degrees of level.
  void lookBy(float angleY, float angleZ);
  // Multiplies the current GL matrix by the look-at matrix (defined in render/, not here).
  void applyView() const;
  void collideWithTriangles(const Vector3* vertices, std::int32_t vertexCount);
  float updateFrameTime();
};
