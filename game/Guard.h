// A police guard: patrols a rectangle of four corners, waits at each corner, notices the
// player within 75 units, then turns to him and fires once per pass of its shooting
// animation through frame 17. Shot down, it falls, lies 10 s, vanishes and is brought back.
// Under the stealth rules he sees only ahead, not through walls and less far in the dark,
// fires only while he sees the player, and goes to look where he heard him run.
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

// What a shot takes: a guard's shot from the player's health (at Normal), the player's from
// a guard's.
constexpr float guardShotDamage = 30.0f;
constexpr std::int16_t playerShotDamage = 40;
// How far a guard sees (at Normal; the stealth rules' in full light), units.
constexpr float guardSightDistance = 75.0f;

// ---- The stealth rules' senses ----
constexpr float guardFieldOfView = 120.0f;   // degrees, centred on the way he faces
constexpr float darkSightShare = 0.5f;       // of the sight distance left in no lamp light
constexpr float runningHeardWithin = 40.0f;  // units, through walls; walking is silent
constexpr float suspicionSeconds = 6.0f;     // he looks for the noise this long, then goes back
constexpr float searchStopShort = 5.0f;      // units short of the noise he stops
constexpr float guardBodyClearance = 3.0f;   // units he keeps from a wall on his search

// The sight distance under the stealth rules, for the lamps' light at the player's feet
// (museum::lampLightAt): half of `range` in the dark, all of it from a light of 1 (a lamp
// straight overhead) on.
float sightDistanceInLight(float range, float light);
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

  // ---- Set by the new game from the difficulty; kept through a respawn ----
  float sightRange;         // units: guardSightDistance at Normal
  float shotDamage;         // health a hit on the player takes: guardShotDamage at Normal

  // ---- The stealth rules' senses: never set under the classic rules; cleared by setPath
  // and spawn ----
  bool seesPlayer;          // this frame's sight test saw him: only then does the guard fire
  Vector3 lastSeenAt;       // where he last saw the player, or was hit from: he aims there
  bool offPatrol;           // has left his patrol at leftPatrolAt, to look for a noise
  bool suspicious;          // heard the player: walking towards noiseAt until suspiciousUntil
  Vector3 noiseAt;
  float suspiciousUntil;    // clock seconds
  Vector3 leftPatrolAt;     // he walks back here, then patrols on as he was

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
  // True when point is less than sightRange (75.0 at Normal) from position
  // (three-dimensional, nothing else tested): the classic rules' sight.
  bool canSee(const Vector3& point) const;
  // The stealth rules' sight of the player's eye, standing where the lamps' light on the
  // floor is `light`: within the sight distance for that light, inside the field of view
  // ahead of the way he faces (his angle), and with no wall on the line between them.
  bool seesInStealth(const Vector3& eye, float light) const;
  // A noise from `where` reached him (stealth): unless alerted, down or gone he turns to it
  // and walks towards it for suspicionSeconds, then goes back to his patrol.
  void hearNoise(const Vector3& where);
  // The alarm has died down (stealth): an alerted guard stops shooting and goes back to his
  // patrol.
  void calmDown();
  float headingAngle() const;
  void spawn(const Vector3& where, int angleDegrees);
  // Undoes the player's step of this frame when he is closer than 10.0; negates step in place.
  void keepAway(std::int32_t forward, std::int32_t sideways, Camera& player, float& step);
  // Behaviour for one frame: moves, aims, fires or falls, advances the animations and leaves
  // the pose to draw.
  void update(float interval, Camera& player);
  // The player's shot: his line of sight against four stacked spheres of hitRadius.
  bool isHitByShot(const Camera& player) const;
  // The stealth rules' shot: the distance along the line of sight, in front of the eye, at
  // which it first meets one of the four spheres; negative when it meets none ahead.
  float shotHitDistance(const Camera& player) const;
};
