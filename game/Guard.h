// A police guard: patrols a rectangle of four corners, waits at each corner, notices the
// player within 75 units, then turns to him and fires once per pass of its shooting
// animation through frame 17. Shot down, it falls, lies 10 s, vanishes and is brought back.
// Its behaviour of a frame leaves the pose to draw: render/GuardDraw.cpp draws two MD2
// animations, the figure and its weapon, at a uniform scale of 0.28.
#pragma once

#include <GL/gl.h>

#include <cstdint>

#include "geometry/MuseumPlan.h"
#include "geometry/Vector3.h"

#include "assets/Md2Model.h"

class Camera;

// The six animations of a guard, in the order of their slots.
enum class GuardAnimation { Walk, Stand, Shoot, Fall, WeaponShoot, WeaponFall };
constexpr int guardAnimationCount = 6;

// What a shot takes: a guard's shot from the player's health, the player's from a guard's.
constexpr float guardShotDamage = 30.0f;
constexpr std::int16_t playerShotDamage = 40;
// Guards draw at this scale; the stand model sits standLift lower in its file.
constexpr float guardDrawScale = 0.28f;
constexpr float guardStandLift = 1.0f;

// The four axis headings of a patrol leg.
extern const Vector3 headingPosX;  // (1, 0, 0)
extern const Vector3 headingNegX;  // (-1, 0, 0)
extern const Vector3 headingPosZ;  // (0, 0, 1)
extern const Vector3 headingNegZ;  // (0, 0, -1)

// The patrol paths and start headings of the two guards, from the museum's plan.
using museum::guard1Path;
using museum::guard2Path;
using museum::guard1StartHeading;
using museum::guard2StartHeading;

class Guard {
 public:
  Vector3 path[4];          // patrol corners, visited 0, 1, 2, 3, 0, ...
  bool walking;             // walking towards path[targetIndex]; false while waiting at a corner
  bool alerted;             // has noticed the player: aims and shoots
  bool fallPending;         // until the first lying frame has recorded the fall time
  bool shotReady;           // the next shot may fire (cleared on firing, set at frame 18)
  std::int16_t targetIndex; // 0..3, the corner walked to
  const Md2Model* walkModel;  // the six animations, shared by both guards, not owned
  const Md2Model* standModel;
  const Md2Model* shootModel;
  const Md2Model* fallModel;
  const Md2Model* weaponShootModel;
  const Md2Model* weaponFallModel;
  Md2Clock* clocks;          // this guard's six animation clocks, in GuardAnimation order;
                             // not owned: they outlive the guard, as the models do
  float waitStart;          // seconds; -1.0 when no wait runs
  float clockNow;           // the latest clock reading, seconds
  float speed;              // units per second, 10.0
  float angle;              // yaw in degrees about y, applied when drawing
  GLuint texture;           // the guard's own skin (pm1.bmp); 0 when none
  GLuint weaponTexture;     // the weapon's skin (weapon.bmp), held loaded with the other
  Vector3 referenceDir;     // (1, 0, 0): the way yaw 0 faces
  Vector3 position;         // the feet (y -6 on the patrol paths)
  Vector3 heading;          // one of the four axis headings
  bool down;                // shot down (health fell below 1)
  bool clockwise;           // which way it turns at a corner
  bool gone;                // lay down long enough: no longer drawn or updated
  std::int16_t health;      // 100 fresh; a hit takes 40
  float hitRadius;          // 3.0, the player's hit test

  // ---- This frame's pose, left by update() for the drawing ----
  bool posed;                   // update() ran this frame: the guard is drawn
  float lift;                   // up from position: the stand model's lift, else 0
  const Md2Model* figure;       // the figure's animation drawn, null for none
  Md2Pose figurePose;
  const Md2Model* weapon;       // the weapon's animation drawn, null for none
  Md2Pose weaponPose;

  // The placeholder of the world set-up: down, so no rule touches it; holds nothing.
  Guard();
  // A guard at corner 0 of the given corners with the given start heading.
  Guard(const Vector3* corners, const Vector3& startHeading);
  // Releases both skins; the animations and their clocks belong to the world.
  ~Guard();
  Guard(const Guard&) = delete;
  Guard& operator=(const Guard&) = delete;

  void setPath(const Vector3* corners);
  // The first of six consecutive models and of six clocks, in GuardAnimation order.
  void setModels(const Md2Model* models, Md2Clock* animationClocks);
  Md2Clock& clock(GuardAnimation animation) { return clocks[static_cast<int>(animation)]; }
  // Loads the guard's skin into `texture` and the weapon skin into `weaponTexture`.
  void loadTexture(const char* fileName);
  void setClockwise(bool value);
  void setAlerted(bool value);
  // True when point is less than 75.0 from position (three-dimensional, nothing else tested).
  bool canSee(const Vector3& point) const;
  float headingAngle() const;
  void spawn(const Vector3& where, int angleDegrees);
  // Undoes the player's step of this frame when he is closer than 10.0; negates step in place.
  void keepAway(std::int32_t forward, std::int32_t sideways, Camera& player, float& step);
  // Behaviour for one frame: moves, aims, fires or falls, advances the animations and leaves
  // the pose to draw.
  void update(float interval, Camera& player);
  // The player's shot: his line of sight against four stacked spheres of hitRadius.
  bool isHitByShot(const Camera& player) const;
};
