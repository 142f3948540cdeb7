// The police guard as a posable figure: its skeleton, its body and pistol meshes, and the key
// poses of its four animations. Model units: about 28 tall, facing +x, right hand at +z, soles
// at height 0 in the rest pose.
#pragma once

#include <vector>

#include "FigureModel.h"

namespace assetgen::guard {

using figure::FigureMesh;
using figure::Pose;
using figure::Skeleton;

enum Bone {
  kPelvis,
  kChest,
  kHead,
  kUpperArmLeft,
  kForearmLeft,
  kHandLeft,
  kUpperArmRight,
  kForearmRight,
  kHandRight,
  kThighLeft,
  kShinLeft,
  kFootLeft,
  kThighRight,
  kShinRight,
  kFootRight,
  kMuzzleFlash,  // child of the right hand; scaled to nothing except around a shot
  kBoneCount
};

constexpr double kHipHeight = 14.0;
constexpr double kAnkleHeight = 1.4;
constexpr double kThighLength = 6.4;
constexpr double kShinLength = 6.2;
constexpr double kUpperArmLength = 5.2;
constexpr double kForearmLength = 4.6;
constexpr double kHipHalfWidth = 1.3;

const Skeleton& skeleton();
FigureMesh bodyMesh();
FigureMesh pistolMesh();

// Key poses; a looping animation's last pose repeats its first.
std::vector<Pose> walkPoses();   // 27 poses, quarter-speed steps at 0, 1, 13 and 14
std::vector<Pose> standPoses();  // 17 poses
std::vector<Pose> shootPoses();  // 21 poses, the shot at 17
std::vector<Pose> fallPoses();   // 11 poses, lying still from 9 on

}  // namespace assetgen::guard
