// The guard's skeleton and meshes: a low-poly uniformed figure of boxes and cylinders (cap,
// head, torso with belt and holster, arms, legs, boots) and the pistol carried in the right hand.
#include "GuardFigure.h"

#include <cmath>

#include "GuardSkins.h"

namespace assetgen::guard {

using namespace assetgen::figure;

namespace us = uniformSkin;
namespace ps = pistolSkin;

const Skeleton& skeleton() {
  static const Skeleton kSkeleton({
      {-1, {0, 0, 0}},                                 // pelvis, at the hip joints' height
      {kPelvis, {0, 1.3, 0}},                          // chest, from the waist
      {kChest, {0, 7.0, 0}},                           // head, from the base of the neck
      {kChest, {0, 6.3, -3.3}},                        // left shoulder
      {kUpperArmLeft, {0, -kUpperArmLength, 0}},       // left elbow
      {kForearmLeft, {0, -kForearmLength, 0}},         // left wrist
      {kChest, {0, 6.3, 3.3}},                         // right shoulder
      {kUpperArmRight, {0, -kUpperArmLength, 0}},      // right elbow
      {kForearmRight, {0, -kForearmLength, 0}},        // right wrist
      {kPelvis, {0, 0, -kHipHalfWidth}},               // left hip
      {kThighLeft, {0, -kThighLength, 0}},             // left knee
      {kShinLeft, {0, -kShinLength, 0}},               // left ankle
      {kPelvis, {0, 0, kHipHalfWidth}},                // right hip
      {kThighRight, {0, -kThighLength, 0}},            // right knee
      {kShinRight, {0, -kShinLength, 0}},              // right ankle
      {kHandRight, {0.85, -3.7, 0}},                   // the pistol's muzzle
  });
  return kSkeleton;
}

namespace {

BoxSkin sided(SkinRect front, SkinRect back, SkinRect sides, SkinRect top, SkinRect bottom) {
  return {front, back, sides, sides, top, bottom};
}

// The same rectangle seen from the other side: mirrored left to right.
SkinRect mirrored(SkinRect r) {
  return {r.x + r.w, r.y, -r.w, r.h};
}

void addArm(FigureMesh& mesh, int upper, int fore, int hand, bool right) {
  const SkinRect outer = right ? us::kSleeveOuter : mirrored(us::kSleeveOuter);
  BoxSkin upperSkin = BoxSkin::all(us::kSleeve);
  (right ? upperSkin.right : upperSkin.left) = outer;
  upperSkin.top = us::kShoulders;
  mesh.addPrism(upper, -5.5, {-0.8, 0.8, -0.75, 0.75}, 0.7, {-0.95, 0.95, -0.95, 0.95}, upperSkin);
  mesh.addPrism(fore, -4.3, {-0.6, 0.62, -0.55, 0.55}, 0.3, {-0.75, 0.78, -0.7, 0.7},
                BoxSkin::all(us::kSleeve));
  mesh.addBox(fore, {-0.66, -4.75, -0.6}, {0.68, -3.9, 0.6}, BoxSkin::all(us::kCuff));
  // A loose fist, palm towards the body: fingers down the bone, thumb forward.
  mesh.addPrism(hand, -1.55, {-0.45, 0.5, -0.3, 0.3}, 0.05, {-0.5, 0.55, -0.36, 0.36},
                BoxSkin::all(us::kSkin));
  const double thumbSide = right ? -1.0 : 1.0;
  mesh.addBox(hand, {0.35, -1.1, thumbSide > 0 ? 0.05 : -0.4}, {0.8, -0.3, thumbSide > 0 ? 0.4 : -0.05},
              BoxSkin::all(us::kSkin));
}

void addLeg(FigureMesh& mesh, int thigh, int shin, int foot, bool right) {
  // The stripe runs down the outer side only.
  BoxSkin trousers = BoxSkin::all(us::kTrousers);
  (right ? trousers.right : trousers.left) = us::kTrouserSide;
  mesh.addPrism(thigh, -6.8, {-0.95, 0.95, -0.9, 0.9}, 0.8, {-1.3, 1.3, -1.2, 1.2}, trousers);
  mesh.addPrism(shin, -4.0, {-0.8, 0.85, -0.75, 0.75}, 0.5, {-0.95, 0.95, -0.9, 0.9}, trousers);
  mesh.addPrism(shin, -6.3, {-0.92, 0.92, -0.86, 0.86}, -3.6, {-0.9, 0.9, -0.84, 0.84},
                BoxSkin::all(us::kBoot));
  mesh.addPrism(foot, -1.4, {-1.3, 3.0, -0.9, 0.9}, 0.2, {-1.1, 1.5, -0.82, 0.82},
                {us::kBootToe, us::kBoot, us::kBoot, us::kBoot, us::kBoot, us::kSole});
}

}  // namespace

FigureMesh bodyMesh() {
  FigureMesh mesh;
  // Trousers seat and the belt with its holster on the right hip.
  mesh.addPrism(kPelvis, -1.0, {-1.55, 1.55, -2.35, 2.35}, 1.4, {-1.5, 1.5, -2.3, 2.3},
                sided(us::kTrousersFront, us::kTrousers, us::kTrousers, us::kTrousers,
                      us::kTrousers));
  mesh.addBox(kPelvis, {-1.0, -2.6, 2.3}, {0.7, 0.9, 2.95}, BoxSkin::all(us::kHolster));
  mesh.addBox(kChest, {-1.62, -0.75, -2.45}, {1.68, 0.45, 2.45},
              sided(us::kBeltFront, us::kBelt, us::kBelt, us::kBelt, us::kBelt));
  // Jacket, broadening to the shoulders.
  mesh.addPrism(kChest, -0.4, {-1.45, 1.5, -2.3, 2.3}, 6.9, {-1.6, 1.75, -3.15, 3.15},
                sided(us::kTorsoFront, us::kTorsoBack, us::kTorsoSide, us::kShoulders,
                      us::kTorsoBottom));
  // Neck, head and nose.
  mesh.addCylinder(kHead, 0.1, 0, -0.6, 0.75, 0.72, 0.9, 0.72, 0.7, 6, us::kSkin, us::kSkin);
  mesh.addPrism(kHead, 0.7, {-1.2, 1.3, -1.05, 1.05}, 4.2, {-1.35, 1.4, -1.25, 1.25},
                {us::kFace, us::kHeadBack, mirrored(us::kHeadSide), us::kHeadSide, us::kHeadBack,
                 us::kSkin});
  mesh.addPrism(kHead, 1.9, {1.3, 1.75, -0.22, 0.22}, 2.7, {1.3, 1.5, -0.18, 0.18},
                BoxSkin::all(us::kSkin));
  // Peaked cap: a crown flaring out from the band, and the visor over the eyes.
  mesh.addCylinder(kHead, 0.05, 0, 3.8, 1.5, 1.38, 5.6, 1.9, 1.72, 10, us::kCapBand, us::kCapTop);
  mesh.addPrism(kHead, 3.75, {0.9, 2.9, -1.2, 1.2}, 4.05, {0.9, 2.6, -1.15, 1.15},
                BoxSkin::all(us::kVisor));

  addArm(mesh, kUpperArmLeft, kForearmLeft, kHandLeft, false);
  addArm(mesh, kUpperArmRight, kForearmRight, kHandRight, true);
  addLeg(mesh, kThighLeft, kShinLeft, kFootLeft, false);
  addLeg(mesh, kThighRight, kShinRight, kFootRight, true);
  return mesh;
}

FigureMesh pistolMesh() {
  FigureMesh mesh;
  // In the right hand's frame: the barrel runs down the fingers (-y), the slide sits on the
  // thumb side of the fist (+x), the grip goes through the palm.
  // Box faces by the hand's axes: front (+x) is the top of the slide, top (+y) its rear face,
  // bottom (-y) the muzzle.
  const BoxSkin slide{ps::kSlideTop, ps::kMetal, mirrored(ps::kSlideSide), ps::kSlideSide,
                      ps::kMetal, ps::kMuzzle};
  mesh.addBox(kHandRight, {0.45, -3.7, -0.3}, {1.25, 0.5, 0.3}, slide);
  mesh.addPrism(kHandRight, -1.75, {-1.5, 0.5, -0.27, 0.27}, -0.25, {-1.5, 0.5, -0.27, 0.27},
                BoxSkin::all(ps::kGrip));
  mesh.addBox(kHandRight, {-0.2, -2.5, -0.1}, {0.45, -1.75, 0.1}, BoxSkin::all(ps::kMetal));
  // Muzzle flash: a star facing down the barrel and two crossed blades along it.
  const double r = 1.5, inner = 0.55, tip = 2.8;
  for (int i = 0; i < 4; ++i) {
    const double a0 = 3.14159265358979323846 * 0.5 * i;
    const double a1 = a0 + 3.14159265358979323846 * 0.25;
    const double a2 = a0 + 3.14159265358979323846 * 0.5;
    const Vec3 p0{r * std::cos(a0), -0.2, r * std::sin(a0)};
    const Vec3 p1{inner * std::cos(a1), -0.2, inner * std::sin(a1)};
    const Vec3 p2{r * std::cos(a2), -0.2, r * std::sin(a2)};
    mesh.addDoubleQuad(kMuzzleFlash, {0, -0.2, 0}, p0, p1, p2, ps::kFlash);
  }
  mesh.addDoubleQuad(kMuzzleFlash, {0, 0, 0}, {0.7, -1.0, 0}, {0, -tip, 0}, {-0.7, -1.0, 0},
                     ps::kFlash);
  mesh.addDoubleQuad(kMuzzleFlash, {0, 0, 0}, {0, -1.0, 0.7}, {0, -tip, 0}, {0, -1.0, -0.7},
                     ps::kFlash);
  return mesh;
}

}  // namespace assetgen::guard
