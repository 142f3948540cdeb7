// The police guard: construction and set-up, sight and hearing and the player push, the
// behaviours of a frame (patrol, the stealth rules' search, attack, falling and lying) and the
// pose each leaves, and the player's hit test.
#include "game/Guard.h"

#include <algorithm>
#include <cmath>

#include "assets/Textures.h"
#include "game/Cues.h"
#include "game/Rules.h"
#include "geometry/Camera.h"
#include "geometry/SightLine.h"
#include "platform/Clock.h"

const Vector3 headingPosX(1.0f, 0.0f, 0.0f);
const Vector3 headingNegX(-1.0f, 0.0f, 0.0f);
const Vector3 headingPosZ(0.0f, 0.0f, 1.0f);
const Vector3 headingNegZ(0.0f, 0.0f, -1.0f);


namespace {

constexpr float keepAwayDistance = 10.0f;
constexpr float degreesPerRadian = 57.29577951f;
constexpr float cornerWaitSeconds = 5.0f;
constexpr float lyingSeconds = 10.0f;
constexpr std::int32_t standLeaveFrame = 1;
constexpr std::int32_t shotFrame = 17;
constexpr std::int32_t rearmFrame = 18;
const float hitHeights[4] = {-4.0f, -1.0f, 2.0f, 5.5f};  // sphere centres, up from the feet

const char* const weaponSkinFile = "data/textures/weapon.bmp";

// The walk cycle eases in and out: its first two and last two frames move a quarter step.
bool isQuarterStepFrame(std::int32_t frame) {
  return frame == 0 || frame == 1 || frame == 13 || frame == 14;
}

// Back to frame 0 and looping: a fall animation made ready for the next fall.
void rewind(Guard& guard, GuardAnimation animation) {
  if (guard.clocks == nullptr) return;
  guard.clock(animation).playOnce = false;
  guard.clock(animation).currentFrame = 0;
}

// The figure's pose of this frame: the guard's clock of the animation steps as a drawing of
// it did.
void poseFigure(Guard& guard, const Md2Model* model, GuardAnimation animation) {
  const bool shown = model != nullptr && model->advanceAnimation(guard.clock(animation), guard.figurePose);
  guard.figure = shown ? model : nullptr;
}

void poseWeapon(Guard& guard, const Md2Model* model, GuardAnimation animation) {
  const bool shown = model != nullptr && model->advanceAnimation(guard.clock(animation), guard.weaponPose);
  guard.weapon = shown ? model : nullptr;
}

}  // namespace

Guard::Guard()
    : walking(false),
      alerted(false),
      fallPending(true),
      shotReady(true),
      targetIndex(1),
      walkModel(nullptr),
      standModel(nullptr),
      shootModel(nullptr),
      fallModel(nullptr),
      weaponShootModel(nullptr),
      weaponFallModel(nullptr),
      clocks(nullptr),
      waitStart(-1.0f),
      clockNow(0.0f),
      speed(10.0f),
      angle(-90.0f),
      texture(0),
      weaponTexture(0),
      referenceDir(1.0f, 0.0f, 0.0f),
      down(true),
      clockwise(false),
      gone(false),
      health(100),
      hitRadius(3.0f),
      sightRange(guardSightDistance),
      shotDamage(guardShotDamage),
      seesPlayer(false),
      offPatrol(false),
      suspicious(false),
      suspiciousUntil(0.0f),
      posed(false),
      lift(0.0f),
      figure(nullptr),
      weapon(nullptr) {}

Guard::Guard(const Vector3* corners, const Vector3& startHeading) : Guard() {
  position = corners[0];
  heading = startHeading;
  down = false;
}

Guard::~Guard() {
  if (texture != 0) {
    deleteTexture(texture);
  }
  if (weaponTexture != 0) {
    deleteTexture(weaponTexture);
  }
}

namespace {

// Back on his patrol, knowing of no player.
void forgetPlayer(Guard& guard) {
  guard.seesPlayer = false;
  guard.offPatrol = false;
  guard.suspicious = false;
}

}  // namespace

void Guard::setPath(const Vector3* corners) {
  for (int i = 0; i < 4; ++i) {
    path[i] = corners[i];
  }
  targetIndex = 1;
  alerted = false;
  walking = false;
  forgetPlayer(*this);
}

void Guard::setModels(const Md2Model* models, Md2Clock* animationClocks) {
  clocks = animationClocks;
  walkModel = &models[static_cast<int>(GuardAnimation::Walk)];
  standModel = &models[static_cast<int>(GuardAnimation::Stand)];
  shootModel = &models[static_cast<int>(GuardAnimation::Shoot)];
  fallModel = &models[static_cast<int>(GuardAnimation::Fall)];
  weaponShootModel = &models[static_cast<int>(GuardAnimation::WeaponShoot)];
  weaponFallModel = &models[static_cast<int>(GuardAnimation::WeaponFall)];
  rewind(*this, GuardAnimation::Fall);
  rewind(*this, GuardAnimation::WeaponFall);
}

void Guard::loadTexture(const char* fileName) {
  // Both skins stay loaded for the guard's life; drawing only switches the binding.
  if (texture != 0) {
    deleteTexture(texture);
  }
  if (weaponTexture != 0) {
    deleteTexture(weaponTexture);
  }
  texture = uploadBmpTexture(fileName);
  weaponTexture = uploadBmpTexture(weaponSkinFile);
}

void Guard::setClockwise(bool value) {
  clockwise = value;
}

void Guard::setAlerted(bool value) {
  alerted = value;
}

bool Guard::canSee(const Vector3& point) const {
  return distanceBetween(position, point) < sightRange;
}

float sightDistanceInLight(float range, float light) {
  const float lit = std::min(1.0f, std::max(0.0f, light));
  return range * (darkSightShare + (1.0f - darkSightShare) * lit);
}

bool Guard::seesInStealth(const Vector3& eye, float light) const {
  // Step 1: near enough for the light he stands in (three-dimensional, as the classic sight).
  if (!(distanceBetween(position, eye) < sightDistanceInLight(sightRange, light))) return false;
  // Step 2: ahead. He faces along his angle: yaw 0 is +x and -90 is +z.
  const float dx = eye.x - position.x, dz = eye.z - position.z;
  const float yaw = angle / degreesPerRadian;
  const float ahead = std::cos(yaw) * dx - std::sin(yaw) * dz;
  const float halfField = std::cos(guardFieldOfView / 2.0f / degreesPerRadian);
  if (ahead < halfField * std::sqrt(dx * dx + dz * dz)) return false;
  // Step 3: no wall between his eyes and the player's.
  return museum::sightLineClear(position.x, position.z, eye.x, eye.z);
}

void Guard::hearNoise(const Vector3& where) {
  if (down || gone || alerted) return;
  if (!offPatrol) {
    offPatrol = true;
    leftPatrolAt = position;
  }
  suspicious = true;
  noiseAt = where;
  suspiciousUntil = platform::clockSeconds() + suspicionSeconds;
}

void Guard::calmDown() {
  if (!alerted || down) return;
  alerted = false;
  suspicious = false;
  seesPlayer = false;
}

float Guard::headingAngle() const {
  if (heading == headingPosX) return 0.0f;
  if (heading == headingNegX) return -180.0f;
  if (heading == headingPosZ) return -90.0f;
  if (heading == headingNegZ) return 90.0f;
  return 0.0f;
}

void Guard::spawn(const Vector3& where, int angleDegrees) {
  position = where;
  angle = static_cast<float>(angleDegrees);
  waitStart = -1.0f;
  speed = 10.0f;
  health = 100;
  hitRadius = 3.0f;
  fallPending = true;
  shotReady = true;
  gone = false;
  down = false;
  alerted = false;
  walking = false;
  forgetPlayer(*this);
  if (clocks != nullptr) {
    clock(GuardAnimation::Shoot).currentFrame = 0;
    clock(GuardAnimation::WeaponShoot).currentFrame = 0;
  }
  rewind(*this, GuardAnimation::Fall);
  rewind(*this, GuardAnimation::WeaponFall);
}

void Guard::keepAway(std::int32_t forward, std::int32_t sideways, Camera& player, float& step) {
  if (!(distanceBetween(position, player.position) < keepAwayDistance)) {
    return;
  }
  // Negated in place: a second guard within reach in the same frame negates it back.
  step = -step;
  const float s = step;
  if (sideways == 0) {
    if (forward == 1) player.moveForward(s);
    if (forward == -1) player.moveForward(-s);
    return;
  }
  if (forward == 0) {
    if (sideways == 1) player.strafe(s);
    if (sideways == -1) player.strafe(-s);
    return;
  }
  if (forward != 1 && forward != -1) return;
  if (sideways != 1 && sideways != -1) return;
  // The diagonals take back the full step forward and half of it sideways.
  player.moveForward(forward == 1 ? s : -s);
  player.strafe(sideways == 1 ? s / 2.0f : -s / 2.0f);
}

// ---- The frame update ----
// The steps of update(), one function per behaviour. Each ends with the pose it leaves: where
// its drawing stood the animation's clock steps, so the rules read the frame it shows.

namespace {

// The heading of the next leg after arriving along `heading`.
Vector3 turnedHeading(const Vector3& heading, bool clockwise) {
  if (heading == headingPosX) return clockwise ? headingPosZ : headingNegZ;
  if (heading == headingNegX) return clockwise ? headingNegZ : headingPosZ;
  if (heading == headingPosZ) return clockwise ? headingNegX : headingPosX;
  if (heading == headingNegZ) return clockwise ? headingPosX : headingNegX;
  return heading;
}

// One patrol leg: the coordinate that moves, where it stops, its direction and the angle drawn.
struct Leg {
  float* coordinate;
  float target;
  float direction;  // +1 or -1
  float angle;      // degrees
};

// False for a heading that is none of the four axes: such a guard stays where it is.
bool legOf(const Vector3& heading, Vector3& position, const Vector3& corner, Leg& leg) {
  if (heading == headingPosX) {
    leg = Leg{&position.x, corner.x, 1.0f, 0.0f};
  } else if (heading == headingNegX) {
    leg = Leg{&position.x, corner.x, -1.0f, -180.0f};
  } else if (heading == headingPosZ) {
    leg = Leg{&position.z, corner.z, 1.0f, -90.0f};
  } else if (heading == headingNegZ) {
    leg = Leg{&position.z, corner.z, -1.0f, 90.0f};
  } else {
    return false;
  }
  return true;
}

// The arrival test takes the full step, whatever this frame moves.
bool hasArrived(const Leg& leg, float step) {
  if (leg.direction > 0.0f) {
    return leg.target - step < *leg.coordinate;
  }
  return leg.target + step > *leg.coordinate;
}

void waitAtCorner(Guard& guard) {
  // Step 1: the wait lasts over five seconds and ends where the stand cycle shows frame 1.
  const float now = platform::clockSeconds();
  if (guard.waitStart == -1.0f) {
    guard.waitStart = now;
  } else {
    guard.clockNow = now;
    if (guard.clockNow - guard.waitStart > cornerWaitSeconds && guard.standModel != nullptr &&
        guard.clock(GuardAnimation::Stand).currentFrame == standLeaveFrame) {
      guard.waitStart = -1.0f;
      guard.walking = true;
    }
  }
  // Step 2: on the corner it came to, all three coordinates.
  guard.position = guard.path[guard.targetIndex == 0 ? 3 : guard.targetIndex - 1];
  // Step 3: the heading already points along the next leg.
  guard.angle = guard.headingAngle();
  // Step 4.
  guard.lift = guardStandLift;
  poseFigure(guard, guard.standModel, GuardAnimation::Stand);
}

// This frame's step: the walk cycle's first two and last two frames move a quarter of it.
float walkStep(Guard& guard, float step) {
  const bool quarter =
      guard.walkModel != nullptr && isQuarterStepFrame(guard.clock(GuardAnimation::Walk).currentFrame);
  return quarter ? step / 4.0f : step;
}

void walk(Guard& guard, float interval) {
  const float step = interval * guard.speed;
  const Vector3& corner = guard.path[guard.targetIndex];
  Leg leg;
  if (legOf(guard.heading, guard.position, corner, leg)) {
    if (hasArrived(leg, step)) {
      // The angle stays as it was on the frame of arrival.
      *leg.coordinate = leg.target;
      guard.walking = false;
      guard.targetIndex = static_cast<std::int16_t>((guard.targetIndex + 1) % 4);
      guard.heading = turnedHeading(guard.heading, guard.clockwise);
    } else {
      *leg.coordinate += leg.direction * walkStep(guard, step);
      guard.angle = leg.angle;
    }
  }
  poseFigure(guard, guard.walkModel, GuardAnimation::Walk);
}

// The yaw that faces from `from` towards `to` on the floor (0 along +x, -90 along +z), or
// `unchanged` when they stand on one spot.
float yawTowards(const Vector3& from, const Vector3& to, float unchanged) {
  const float dx = to.x - from.x, dz = to.z - from.z;
  if (dx == 0.0f && dz == 0.0f) return unchanged;
  return std::atan2(-dz, dx) * degreesPerRadian;
}

// The stealth rules' search, off the patrol: towards the noise while suspicious, then back to
// where he left the patrol, which he takes up again as he left it (waiting or walking). On the
// way to the noise he keeps to what a straight line from that place reaches, clear of the
// walls by his body's width, so the way back is always clear; where the walls stop him he
// stands facing the noise.
void search(Guard& guard, float interval) {
  // Step 1: the time is up: back to the patrol.
  if (guard.suspicious && platform::clockSeconds() > guard.suspiciousUntil) {
    guard.suspicious = false;
  }
  // Step 2: face the goal.
  const Vector3 goal = guard.suspicious ? guard.noiseAt : guard.leftPatrolAt;
  guard.angle = yawTowards(guard.position, goal, guard.angle);
  const float dx = goal.x - guard.position.x, dz = goal.z - guard.position.z;
  const float distance = std::sqrt(dx * dx + dz * dz);
  const float s = walkStep(guard, interval * guard.speed);
  // Step 3: back at the patrol.
  if (!guard.suspicious && distance <= s) {
    guard.position = guard.leftPatrolAt;
    guard.offPatrol = false;
    poseFigure(guard, guard.walkModel, GuardAnimation::Walk);
    return;
  }
  // Step 4: a step towards the goal, where the way is clear.
  bool moving = false;
  if (distance > (guard.suspicious ? searchStopShort : 0.0f)) {
    const float ux = dx / distance, uz = dz / distance;
    const float x = guard.position.x + ux * s, z = guard.position.z + uz * s;
    moving = !guard.suspicious ||
             museum::sightLineClear(guard.leftPatrolAt.x, guard.leftPatrolAt.z,
                                    x + ux * guardBodyClearance, z + uz * guardBodyClearance);
    if (moving) {
      guard.position.x = x;
      guard.position.z = z;
    }
  }
  if (moving) {
    guard.lift = 0.0f;
    poseFigure(guard, guard.walkModel, GuardAnimation::Walk);
  } else {
    guard.lift = guardStandLift;
    poseFigure(guard, guard.standModel, GuardAnimation::Stand);
  }
}

void attack(Guard& guard, Camera& player) {
  // Step 1: the guard stands still.
  // Step 2: aim. The angle from +x comes unsigned; on the +z side the yaw turns the other way.
  // Under the stealth rules he aims where he last saw the player while he does not see him.
  const Vector3& target = stealthRules() && !guard.seesPlayer ? guard.lastSeenAt : player.position;
  const Vector3 d(target.x - guard.position.x, 0.0f, target.z - guard.position.z);
  guard.angle = static_cast<float>(angleBetweenDegrees(guard.referenceDir, d));
  if (target.z > guard.position.z) {
    guard.angle = -guard.angle;
  }
  // Step 3.
  poseFigure(guard, guard.shootModel, GuardAnimation::Shoot);
  if (guard.shootModel != nullptr) {
    // Step 4: one shot per pass through frame 17, wherever the player is (under the stealth
    // rules only while the guard sees him).
    const std::int32_t frame = guard.clock(GuardAnimation::Shoot).currentFrame;
    const bool inSight = !stealthRules() || guard.seesPlayer;
    if (frame == shotFrame && guard.shotReady && inSight) {
      guard.shotReady = false;
      playCue(Cue::GuardFires);
      player.health = player.health <= guard.shotDamage ? 0.0f : player.health - guard.shotDamage;
    }
    // Step 5.
    if (frame == rearmFrame) {
      guard.shotReady = true;
    }
  }
  // Step 6.
  poseWeapon(guard, guard.weaponShootModel, GuardAnimation::WeaponShoot);
}

void fallAndLie(Guard& guard) {
  // Step 1: the lying time counts from the first frame down.
  if (guard.fallPending) {
    guard.waitStart = platform::clockSeconds();
    guard.fallPending = false;
  }
  // Step 2.
  guard.clockNow = platform::clockSeconds();
  if (guard.clockNow - guard.waitStart > lyingSeconds) {
    guard.gone = true;
  }
  // Step 3: it falls facing the way it last looked.
  // Step 4: the fall comes to rest on its last shown frame.
  if (guard.fallModel != nullptr) guard.clock(GuardAnimation::Fall).playOnce = true;
  poseFigure(guard, guard.fallModel, GuardAnimation::Fall);
  if (guard.weaponFallModel != nullptr) {
    guard.clock(GuardAnimation::WeaponFall).playOnce = true;
  }
  // Step 5.
  poseWeapon(guard, guard.weaponFallModel, GuardAnimation::WeaponFall);
}

}  // namespace

void Guard::update(float interval, Camera& player) {
  lift = 0.0f;
  figure = nullptr;
  weapon = nullptr;
  // A guard shot down always falls, alerted or not.
  if (down) {
    fallAndLie(*this);
  } else if (alerted) {
    attack(*this, player);
  } else if (offPatrol) {
    search(*this, interval);
  } else if (walking) {
    walk(*this, interval);
  } else {
    waitAtCorner(*this);
  }
}

bool Guard::isHitByShot(const Camera& player) const {
  // Step 1: the line of sight through the eye.
  const Vector3 u = normalized(player.view - player.position);
  // Step 2: four spheres stacked above the feet; the whole line counts, both ways.
  for (const float h : hitHeights) {
    Vector3 p = subtract(position, player.position);
    p.y += h;
    const float along = dotProduct(u, p);
    const float distance = length(p);
    const double disc = static_cast<double>(along) * along -
                        static_cast<double>(distance) * distance +
                        static_cast<double>(hitRadius) * hitRadius;
    if (disc > 0.0) {
      return true;
    }
  }
  // Step 3.
  return false;
}

float Guard::shotHitDistance(const Camera& player) const {
  const Vector3 u = normalized(player.view - player.position);
  float nearest = -1.0f;
  for (const float h : hitHeights) {
    Vector3 p = subtract(position, player.position);
    p.y += h;
    const float along = dotProduct(u, p);
    const float disc = along * along - dotProduct(p, p) + hitRadius * hitRadius;
    // Only a sphere whose centre lies ahead; the eye is never inside one (the guards keep
    // the player 10 away).
    if (!(disc > 0.0f) || !(along > 0.0f)) continue;
    const float entry = std::max(0.0f, along - std::sqrt(disc));
    if (nearest < 0.0f || entry < nearest) nearest = entry;
  }
  return nearest;
}
