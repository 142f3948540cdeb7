// The guards' assets: the walk, stand, shoot and fall figures, the pistol's shoot and fall
// animations that follow the figure's right hand, and the two skins.
#include <cstdio>
#include <functional>
#include <algorithm>
#include <limits>

#include "AssetFiles.h"
#include "AssetGen.h"
#include "GuardFigure.h"
#include "GuardSkins.h"
#include "Md2Writer.h"

namespace assetgen {

using figure::FigureMesh;
using figure::Frame3;
using figure::Pose;

namespace {

struct Animation {
  const char* figureFile;
  const char* figureFrameName;
  const char* weaponFile;  // null: the figure is drawn without the pistol
  const char* weaponFrameName;
  std::function<std::vector<Pose>()> poses;
  // Height of the soles in the file: the game draws the standing guard 1.0 level units higher
  // than the others, which at the guard's scale of 0.28 is 3.6 model units.
  double floor;
};

std::string frameName(const char* base, int index) {
  char name[16];
  std::snprintf(name, sizeof name, "%s%02d", base, index + 1);
  return name;
}

void shift(std::vector<Md2Point>& points, double dy) {
  for (Md2Point& p : points) p.y += dy;
}

double lowest(const std::vector<Md2Point>& points) {
  double low = std::numeric_limits<double>::max();
  for (const Md2Point& p : points) low = std::min(low, p.y);
  return low;
}

bool writeMd2(const std::string& path, const Md2Content& content) {
  const std::string bytes = encodeMd2(content);
  if (bytes.empty()) {
    std::fprintf(stderr, "assetgen: cannot encode %s\n", path.c_str());
    return false;
  }
  return writeFileAtomically(path, bytes);
}

// Every key frame is set down so that the figure's lowest point rests on its floor; the pistol
// moves with it.
bool writeAnimation(const std::string& dir, const Animation& a, const FigureMesh& body,
                    const FigureMesh& pistol) {
  Md2Content figure = body.content(uniformSkin::kSize, uniformSkin::kSize, "data/textures/pm1.bmp");
  Md2Content weapon = pistol.content(pistolSkin::kSize, pistolSkin::kSize,
                                     "data/textures/weapon.bmp");
  const std::vector<Pose> poses = a.poses();
  for (std::size_t i = 0; i < poses.size(); ++i) {
    const std::vector<Frame3> world = guard::skeleton().solve(poses[i]);
    std::vector<Md2Point> bodyPoints = body.place(world);
    std::vector<Md2Point> pistolPoints = pistol.place(world);
    const double dy = a.floor - lowest(bodyPoints);
    shift(bodyPoints, dy);
    shift(pistolPoints, dy);
    const int index = static_cast<int>(i);
    figure.frames.push_back({frameName(a.figureFrameName, index), std::move(bodyPoints)});
    if (a.weaponFile) weapon.frames.push_back({frameName(a.weaponFrameName, index), std::move(pistolPoints)});
  }
  if (!writeMd2(dir + a.figureFile, figure)) return false;
  return !a.weaponFile || writeMd2(dir + a.weaponFile, weapon);
}

}  // namespace

}  // namespace assetgen

bool writeGuardAssets(const std::string& dataDir) {
  using namespace assetgen;
  if (!writeBmp(dataDir + "/textures/pm1.bmp", paintUniformSkin()) ||
      !writeBmp(dataDir + "/textures/weapon.bmp", paintPistolSkin())) {
    return false;
  }
  const FigureMesh body = guard::bodyMesh();
  const FigureMesh pistol = guard::pistolMesh();
  const Animation animations[] = {
      {"gehend.md2", "walk", nullptr, nullptr, guard::walkPoses, 0.0},
      {"stehend.md2", "stand", nullptr, nullptr, guard::standPoses, -3.6},
      {"figure_shooting.md2", "shoot", "weapon_shooting.md2", "wshoot", guard::shootPoses, 0.0},
      {"figure_falling.md2", "fall", "waffe_falling.md2", "wfall", guard::fallPoses, 0.0},
  };
  const std::string dir = dataDir + "/animation/";
  for (const Animation& a : animations) {
    if (!writeAnimation(dir, a, body, pistol)) return false;
  }
  return true;
}
