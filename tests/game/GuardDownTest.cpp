// What a guard releases when it is destroyed: its own models and skins, never the other's.
// (Falling, lying, vanishing and coming back are played through the game by the scenarios.)
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "game/Guard.h"
#include "tests/game/GuardTestSupport.h"

using guardtest::GuardTest;

TEST_F(GuardTest, ReleasingAGuardLeavesTheOtherGuardsModelsAndSkins) {
  Md2Model otherModels[6];
  for (int i = 0; i < 6; ++i) {
    guardtest::buildAnimation(otherModels[i], guardtest::frameCounts[i]);
  }
  Guard* first = new Guard(guard1Path, guard1StartHeading);
  Guard second(guard2Path, guard2StartHeading);
  first->setModels(models);
  second.setModels(otherModels);
  GLuint names[4];
  glGenTextures(4, names);
  for (const GLuint name : names) {
    glBindTexture(GL_TEXTURE_2D, name);  // a name becomes a texture when first bound
  }
  first->texture = names[0];
  first->weaponTexture = names[1];
  second.texture = names[2];
  second.weaponTexture = names[3];

  delete first;
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(models[i].frames[0].vertices.empty()) << i;
    EXPECT_EQ(3u, otherModels[i].frames[0].vertices.size()) << i;
  }
  EXPECT_FALSE(glIsTexture(names[0]) || glIsTexture(names[1]));
  EXPECT_TRUE(glIsTexture(names[2]) && glIsTexture(names[3]));
}
