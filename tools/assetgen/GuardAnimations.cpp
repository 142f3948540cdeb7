// The guard's key poses: a walk whose feet keep pace with the distance the game moves him, an
// idle stand looking about, a two-handed aim with the shot's recoil, and a fall onto his back.
#include <algorithm>
#include <cmath>

#include "GuardFigure.h"

namespace assetgen::guard {

using namespace assetgen::figure;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kArm[2][3] = {{kUpperArmLeft, kForearmLeft, kHandLeft},
                            {kUpperArmRight, kForearmRight, kHandRight}};
constexpr int kLeg[2][3] = {{kThighLeft, kShinLeft, kFootLeft},
                            {kThighRight, kShinRight, kFootRight}};
constexpr int kLeft = 0;
constexpr int kRight = 1;

double sideSign(int side) { return side == kLeft ? -1.0 : 1.0; }
double frac(double v) { return v - std::floor(v); }
double smooth(double u) { return u * u * (3.0 - 2.0 * u); }

Mat3 scaled(double s) {
  Mat3 m;
  for (Vec3& c : m.column) c = c * s;
  return m;
}

// Angles in degrees: yaw turns left, pitch leans back, roll tips towards the right.
struct TorsoAngles {
  Vec3 pelvis{0, kHipHeight, 0};
  double pelvisYaw = 0, pelvisPitch = 0, pelvisRoll = 0;
  double chestYaw = 0, chestPitch = 0, chestRoll = 0;
  double headYaw = 0, headPitch = 0, headRoll = 0;
};

Pose torsoPose(const TorsoAngles& t) {
  Pose p = skeleton().restPose();
  p.rootPosition = t.pelvis;
  p.local[kPelvis] = yawPitchRoll(radians(t.pelvisYaw), radians(t.pelvisPitch), radians(t.pelvisRoll));
  p.local[kChest] = yawPitchRoll(radians(t.chestYaw), radians(t.chestPitch), radians(t.chestRoll));
  p.local[kHead] = yawPitchRoll(radians(t.headYaw), radians(t.headPitch), radians(t.headRoll));
  p.local[kMuzzleFlash] = scaled(0.0);
  return p;
}

// forward swings the arm ahead, out lifts it sideways, elbow bends the forearm forwards.
void armAngles(Pose& p, int side, double forward, double out, double elbow) {
  const double s = sideSign(side);
  p.local[kArm[side][0]] = rotateZ(radians(forward)) * rotateX(-s * radians(out));
  p.local[kArm[side][1]] = rotateZ(radians(elbow));
  p.local[kArm[side][2]] = rotateY(-s * radians(10.0));
}

void reachHand(Pose& p, int side, Vec3 wrist, Vec3 pole, const Mat3& handWorld) {
  reachWithLimb(skeleton(), p, kArm[side][0], kArm[side][1], kForearmLength, wrist, pole, false);
  setWorldRotation(skeleton(), p, kArm[side][2], handWorld);
}

// The knee points where the pelvis faces, a little outwards.
void plantFoot(Pose& p, int side, Vec3 ankle, const Mat3& footWorld) {
  const Mat3& pelvis = p.local[kPelvis];
  const Vec3 pole = pelvis.apply(Vec3{1.0, 0.0, 0.15 * sideSign(side)});
  reachWithLimb(skeleton(), p, kLeg[side][0], kLeg[side][1], kShinLength, ankle, pole, true);
  setWorldRotation(skeleton(), p, kLeg[side][2], footWorld);
}

// A foot turned by yaw (toes outwards for positive out) and pitched toes-up by pitch.
Mat3 footRotation(int side, double out, double pitch) {
  return rotateY(-sideSign(side) * radians(out)) * rotateZ(radians(pitch));
}

// ---- walk ----------------------------------------------------------------------------------

// The game moves a walking guard 10 level units a second, a quarter of that while the walk
// shows frame 0, 1, 13 or 14, and steps one key frame every 125 ms; at his scale of 0.28 that
// is 1.25 / 0.28 model units per full-speed key frame.
constexpr double kGroundPerFrame = 1.25 / 0.28;
constexpr int kWalkFrames = 27;
constexpr double kWalkCycleWeight = 23.0;  // 22 full frames and 4 quarter frames
constexpr double kGaitCycles = 4.0;        // eight steps per pass of the animation
constexpr double kStride = kWalkCycleWeight * kGroundPerFrame / kGaitCycles;
constexpr double kStance = 0.6;  // share of a gait cycle a foot is on the floor
// Feet travel back a little slower than the floor passes, so the knees need not bend deeply.
constexpr double kFootReach = 0.8 * kStance * kStride * 0.5;

double walkFrameWeight(int frame) {
  return (frame == 0 || frame == 1 || frame == 13 || frame == 14) ? 0.25 : 1.0;
}

struct FootPlace {
  double x, y, pitch;
};

// A foot on the floor at phase 0..kStance: heel strike, flat, then rolling onto the ball.
FootPlace stanceFoot(double phase) {
  const double flatX = kFootReach - 2.0 * kFootReach * phase / kStance;
  double pitch = 0.0;
  if (phase < 0.1) pitch = 12.0 * (1.0 - phase / 0.1);
  if (phase > 0.42) pitch = -24.0 * (phase - 0.42) / (kStance - 0.42);
  const double a = radians(pitch);
  Vec3 ankle{flatX, kAnkleHeight, 0};
  if (pitch > 0.0) {  // pivot on the heel, 1.2 behind and 1.4 below the ankle
    ankle = Vec3{flatX - 1.2, 0, 0} + rotateZ(a).apply({1.2, kAnkleHeight, 0});
  } else if (pitch < 0.0) {  // pivot on the ball of the foot, 2.0 ahead
    ankle = Vec3{flatX + 2.0, 0, 0} + rotateZ(a).apply({-2.0, kAnkleHeight, 0});
  }
  return {ankle.x, ankle.y, pitch};
}

FootPlace walkFoot(double phase) {
  if (phase < kStance) return stanceFoot(phase);
  const double u = (phase - kStance) / (1.0 - kStance);
  const FootPlace from = stanceFoot(kStance);
  const FootPlace to = stanceFoot(0.0);
  const double s = smooth(u);
  return {from.x + (to.x - from.x) * s, from.y + (to.y - from.y) * s + 1.8 * std::sin(kPi * u),
          from.pitch + (to.pitch - from.pitch) * s};
}

Pose walkPose(double phase) {
  const double left = frac(phase);
  const double swing = std::cos(2.0 * kPi * left);  // 1 when the left foot lands ahead
  TorsoAngles t;
  t.pelvis = {0.0, 13.0 + 0.3 * std::cos(4.0 * kPi * (left - 0.3)),
              -0.2 * std::cos(2.0 * kPi * (left - 0.3))};
  t.pelvisYaw = -5.0 * swing;
  t.chestYaw = 9.0 * swing;
  t.chestPitch = -4.0;
  t.headYaw = -(t.pelvisYaw + t.chestYaw);
  t.headPitch = 2.0;
  Pose p = torsoPose(t);
  for (int side = kLeft; side <= kRight; ++side) {
    const FootPlace f = walkFoot(frac(left + (side == kLeft ? 0.0 : 0.5)));
    plantFoot(p, side, {f.x, f.y, sideSign(side) * 1.4}, footRotation(side, 4.0, f.pitch));
    const double armSwing = (side == kRight ? 16.0 : -16.0) * swing;
    armAngles(p, side, armSwing, 7.0, 14.0 + 14.0 * std::max(0.0, armSwing / 16.0));
  }
  return p;
}

// ---- stand ---------------------------------------------------------------------------------

Pose standPose(double phase) {
  const double wave = std::sin(2.0 * kPi * phase);
  TorsoAngles t;
  t.pelvis = {0.0, 13.88, 0.2 * wave};
  t.pelvisRoll = -1.5 * wave;
  t.chestRoll = 1.5 * wave;
  t.chestPitch = -1.0 + 1.0 * std::sin(2.0 * kPi * phase + 1.0);
  t.headYaw = 28.0 * wave;
  t.headPitch = 1.0;
  Pose p = torsoPose(t);
  plantFoot(p, kLeft, {0.3, kAnkleHeight, -1.55}, footRotation(kLeft, 8.0, 0.0));
  plantFoot(p, kRight, {0.0, kAnkleHeight, 1.55}, footRotation(kRight, 8.0, 0.0));
  armAngles(p, kLeft, 3.0 - 2.0 * wave, 6.0, 12.0);
  armAngles(p, kRight, 3.0 + 2.0 * wave, 6.0, 12.0);
  return p;
}

// ---- shoot ---------------------------------------------------------------------------------

struct Recoil {
  double lift = 0, muzzle = 0, lean = 0, pull = 0, flash = 0;
};

// Two-handed aim straight ahead at shoulder height, left foot forward.
Pose aimPose(double swayPhase, const Recoil& r) {
  TorsoAngles t;
  t.pelvis = {-0.2, 13.2, 0.0};
  t.pelvisYaw = -10.0;
  t.chestYaw = 10.0;
  t.chestPitch = -7.0 + r.lean;
  t.headPitch = 3.0 + 0.6 * r.lean;
  Pose p = torsoPose(t);
  plantFoot(p, kLeft, {2.0, kAnkleHeight, -1.8}, footRotation(kLeft, -5.0, 0.0));
  plantFoot(p, kRight, {-1.8, kAnkleHeight, 1.9}, footRotation(kRight, 25.0, 0.0));
  const Vec3 sway{0.0, 0.12 * std::sin(2.0 * kPi * swayPhase),
                  0.18 * std::sin(4.0 * kPi * swayPhase)};
  const Vec3 rightWrist = Vec3{8.0 - r.pull, 21.0 + r.lift, 0.5} + sway;
  const Vec3 leftWrist = rightWrist + Vec3{-0.5, -0.9, -0.85};
  reachHand(p, kRight, rightWrist, {0.0, -1.0, 0.5}, rotateZ(radians(90.0 + r.muzzle)));
  reachHand(p, kLeft, leftWrist, {0.0, -1.0, -0.6},
            rotateZ(radians(80.0 + r.muzzle)) * rotateY(radians(-25.0)));
  p.local[kMuzzleFlash] = scaled(r.flash);
  return p;
}

Recoil recoilAt(int frame) {
  switch (frame) {
    case 17: return {1.1, 32.0, 5.0, 0.6, 1.0};
    case 18: return {0.5, 13.0, 2.5, 0.3, 0.0};
    case 19: return {0.12, 3.0, 0.5, 0.05, 0.0};
    default: return {};
  }
}

// ---- fall ----------------------------------------------------------------------------------

struct FallKey {
  Vec3 pelvis;
  double pelvisPitch, chestPitch, headPitch, headYaw;
  Vec3 leftAnkle, rightAnkle;
  double footPitch;
  double armForward, armOut, elbow;
};

// Knees give, he sits down hard and tips onto his back; the pistol stays in his hand.
constexpr FallKey kFallKeys[] = {
    {{-0.6, 12.0, 0}, 8, 12, 8, 0, {2.0, 1.4, -1.8}, {-1.8, 1.4, 1.9}, 0, 55, 25, 35},
    {{-1.4, 9.6, 0}, 18, 14, 0, 0, {2.0, 1.4, -1.8}, {-1.2, 1.4, 1.9}, 0, 35, 35, 40},
    {{-2.4, 7.0, 0}, 30, 14, -6, 0, {2.4, 1.4, -1.8}, {0.2, 1.4, 1.9}, 0, 15, 45, 35},
    {{-3.4, 4.4, 0}, 48, 14, -12, 0, {3.2, 1.5, -1.8}, {1.6, 1.5, 1.9}, 10, -10, 50, 30},
    {{-4.3, 2.6, 0}, 66, 12, -16, 5, {4.6, 1.6, -1.9}, {3.2, 1.7, 2.0}, 20, -20, 60, 25},
    {{-5.0, 1.9, 0}, 82, 8, -10, 12, {5.6, 1.6, -2.0}, {4.6, 2.4, 2.1}, 45, -15, 70, 20},
    {{-5.4, 1.65, 0}, 89, 2, -3, 20, {6.4, 1.4, -2.1}, {6.0, 1.5, 2.3}, 70, 0, 0, 0},
    {{-5.5, 1.6, 0}, 90, 0, 0, 25, {6.9, 1.3, -2.2}, {6.7, 1.3, 2.4}, 80, 0, 0, 0},
};

// Hands flat on the floor beside him, the pistol lying on its side.
void armsOnFloor(Pose& p, double spread) {
  const std::vector<Frame3> world = skeleton().solve(p);
  for (int side = kLeft; side <= kRight; ++side) {
    const double s = sideSign(side);
    const Vec3 shoulder = world[kArm[side][0]].origin;
    const Vec3 wrist = shoulder + Vec3{2.0 + spread * 0.2, 0.4 - shoulder.y, s * (7.0 + spread)};
    const Vec3 along = unit(Vec3{wrist.x - shoulder.x, 0.0, wrist.z - shoulder.z});
    Mat3 hand;
    hand.column[1] = along * -1.0;
    hand.column[2] = Vec3{0.0, s, 0.0};
    hand.column[0] = cross(hand.column[1], hand.column[2]);
    reachHand(p, side, wrist, {-1.0, 0.4, 0.0}, hand);
  }
}

Pose fallPose(const FallKey& k) {
  TorsoAngles t;
  t.pelvis = k.pelvis;
  t.pelvisPitch = k.pelvisPitch;
  t.chestPitch = k.chestPitch;
  t.headPitch = k.headPitch;
  t.headYaw = k.headYaw;
  Pose p = torsoPose(t);
  plantFoot(p, kLeft, k.leftAnkle, rotateY(radians(-5.0)) * rotateZ(radians(k.footPitch)));
  plantFoot(p, kRight, k.rightAnkle, rotateY(radians(20.0)) * rotateZ(radians(k.footPitch)));
  if (k.armOut > 0.0) {
    armAngles(p, kLeft, k.armForward, k.armOut, k.elbow);
    armAngles(p, kRight, k.armForward + 8.0, k.armOut - 8.0, k.elbow);
  } else {
    armsOnFloor(p, k.footPitch > 75.0 ? 1.5 : 0.0);
  }
  return p;
}

}  // namespace

std::vector<Pose> walkPoses() {
  std::vector<Pose> poses;
  double ground = 0.0;
  for (int frame = 0; frame < kWalkFrames; ++frame) {
    poses.push_back(walkPose(kGaitCycles * ground / kWalkCycleWeight));
    ground += walkFrameWeight(frame);
  }
  return poses;
}

std::vector<Pose> standPoses() {
  std::vector<Pose> poses;
  for (int frame = 0; frame <= 16; ++frame) poses.push_back(standPose(frame / 16.0));
  return poses;
}

std::vector<Pose> shootPoses() {
  std::vector<Pose> poses;
  for (int frame = 0; frame <= 20; ++frame) {
    const int cycleFrame = frame % 20;
    poses.push_back(aimPose(cycleFrame / 20.0, recoilAt(cycleFrame)));
  }
  return poses;
}

std::vector<Pose> fallPoses() {
  std::vector<Pose> poses;
  poses.push_back(aimPose(0.0, {}));
  // The hit: thrown back, arms flung up, the pistol pointing skywards.
  Pose hit = aimPose(0.0, {1.8, 40.0, 9.0, 2.0, 0.0});
  hit.local[kHead] = rotateZ(radians(15.0));
  poses.push_back(hit);
  for (const FallKey& key : kFallKeys) poses.push_back(fallPose(key));
  poses.push_back(poses.back());
  return poses;
}

}  // namespace assetgen::guard
