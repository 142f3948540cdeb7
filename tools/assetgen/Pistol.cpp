// data/models/objects/pistol.txt: the player's own pistol, seen in his right hand at the
// bottom of the screen. Model units: the barrel points along -z, y is up, the origin is where
// the hand holds it (the top of the grip), and the muzzle's centre is at (0, 0.45, -3.3).
#include <string>

#include "AssetGen.h"
#include "MuseumLayout.h"
#include "NightLight.h"
#include "TextModelWriter.h"

namespace assetgen {

TextModel buildPistolModel() {
  TextModel m;
  // It is lit by the room's lamps like the rest of the view, with a little glow of its own so
  // that it never disappears in the dark.
  const int steel = m.addMaterial(
      night::nightMaterial("pistol_steel", 0.12f, 0.6f, museum::tex::kSteel, 0.03f, 0.5f));
  const int grip =
      m.addMaterial(night::nightMaterial("pistol_grip", 0.2f, 1.2f, museum::tex::kLeather, 0.04f));
  MeshPart& slide = m.addPart("slide", steel);
  addBox(slide, {-0.32, 0.1, -3.3}, {0.32, 0.8, 0.5}, kAllFaces, 1.0);     // slide
  addBox(slide, {-0.07, 0.8, -3.15}, {0.07, 0.95, -2.95}, kAllFaces, 1.0); // front sight
  addBox(slide, {-0.25, 0.8, 0.25}, {0.25, 0.95, 0.45}, kAllFaces, 1.0);   // rear sight
  addBox(slide, {-0.27, -0.35, -2.7}, {0.27, 0.1, 0.4}, kAllFaces, 1.0);   // frame
  addBox(slide, {-0.06, -0.95, -1.35}, {0.06, -0.35, -1.2}, kAllFaces, 1.0); // trigger
  addBox(slide, {-0.12, -1.05, -1.9}, {0.12, -0.95, -0.55}, kAllFaces, 1.0); // guard, bottom
  addBox(slide, {-0.12, -1.05, -1.95}, {0.12, -0.35, -1.8}, kAllFaces, 1.0); // guard, front
  MeshPart& handle = m.addPart("grip", grip);
  addBox(handle, {-0.3, -2.6, -0.55}, {0.3, -0.35, 0.45}, kAllFaces, 1.0);
  addBox(handle, {-0.33, -2.75, -0.6}, {0.33, -2.6, 0.5}, kAllFaces, 1.0);  // heel plate
  return m;
}

}  // namespace assetgen

bool writePistolAssets(const std::string& dataDir) {
  return assetgen::writeTextModel(dataDir + "/models/objects/pistol.txt",
                                  assetgen::buildPistolModel());
}
