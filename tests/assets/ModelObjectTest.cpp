// Museum objects: the reach and push-out tests (no GL), and where a solid and a text model
// are drawn (GL).
#include "assets/ModelObject.h"
#include "assets/Textures.h"
#include "geometry/Camera.h"
#include "assets/AssetTestSupport.h"

using assettest::Rgb;

namespace {

const Rgb black = {0, 0, 0};

}  // namespace

TEST(ModelObject, ReachNeedsTwentyFiveUnitsAndAnIntactVisibleObject) {
  ModelObject o(1.0f, ObjectKind::Cube);
  o.setPosition(10.0f, 0.0f, 0.0f);
  EXPECT_FALSE(o.isWithinReach(10.0f, 0.0f, 0.0f));  // a solid is not intact until a new game
  o.intact = 1;
  EXPECT_TRUE(o.isWithinReach(35.0f, 0.0f, 0.0f));  // exactly 25 away
  EXPECT_FALSE(o.isWithinReach(35.01f, 0.0f, 0.0f));
  o.visible = 0;
  EXPECT_FALSE(o.isWithinReach(10.0f, 0.0f, 0.0f));
  o.visible = 1, o.intact = 0;  // a taken picture
  EXPECT_FALSE(o.isWithinReach(10.0f, 0.0f, 0.0f));
}

TEST(ModelObject, PushInsideTheBoxNegatesTheCallersSpeedAndWalksBack) {
  // A table's box: centre (99, 100), half extents (10, 4).
  ModelObject table(1.0f, ObjectKind::Cube);
  table.furnitureType = FurnitureType::Table;
  table.setPosition(100.0f, 0.0f, 100.0f);
  const Camera start(99, 1, 100, 199, 1, 100, 0, 1, 0);  // looking along +x
  Camera camera = start;
  float speed = 0.5f;
  table.pushCameraOut(1, 0, camera, speed);
  EXPECT_EQ(speed, -0.5f);
  EXPECT_FLOAT_EQ(camera.position.x, 98.5f);  // moveForward(-0.5)

  camera = start;  // a second box in the same frame turns it back; backward and to the side
  table.pushCameraOut(-1, 1, camera, speed);
  EXPECT_EQ(speed, 0.5f);
  EXPECT_FLOAT_EQ(camera.position.x, 98.5f);    // moveForward(-0.5)
  EXPECT_FLOAT_EQ(camera.position.z, 100.25f);  // strafe(0.25): the right of +x is +z

  for (const Vector3 outside : {Vector3(109, 1, 100), Vector3(99, 1, 96)}) {  // bounds are strict
    camera.position = outside;
    table.pushCameraOut(1, 0, camera, speed);
  }
  camera = start;
  table.furnitureType = FurnitureType::Chair, table.chairFacing = 4;  // a facing without a box
  table.pushCameraOut(1, 0, camera, speed);
  EXPECT_EQ(speed, 0.5f);
  EXPECT_EQ(camera.position, start.position);

  // A turned pedestal: centre (99, 111), half extents (7, 13).
  table.furnitureType = FurnitureType::Pedestal;
  table.setRotation(-90.0f, 0.0f, 1.0f, 0.0f);
  camera.position = Vector3(99, 1, 122);
  table.pushCameraOut(0, 0, camera, speed);
  EXPECT_EQ(speed, -0.5f);
}

TEST(ModelObjectDrawing, SolidsAndTextModelsAppearWherePlacedAndTurned) {
  REQUIRE_GL();
  const auto scene = [] {
    assettest::startFlatScene();
    glEnable(GL_CULL_FACE);
    for (const GLenum a : {GL_VERTEX_ARRAY, GL_NORMAL_ARRAY, GL_TEXTURE_COORD_ARRAY})
      glEnableClientState(a);
  };
  scene();
  ModelObject cube(0.4f, ObjectKind::Cube);
  cube.setPosition(0.5f, 0.0f, 0.0f);
  cube.draw();
  EXPECT_EQ(assettest::pixelAt(0.5f, 0.0f), (Rgb{255, 255, 255}));
  EXPECT_EQ(assettest::pixelAt(0.0f, 0.0f), black);

  // A bar x 0..0.6, y -0.1..0.1, counter-clockwise, white material with a red texture.
  const std::string red = assettest::writeFile("red.bmp", assettest::bmp24(1, 1, {255, 0, 0}));
  const std::string green = assettest::writeFile("green.bmp", assettest::bmp24(1, 1, {0, 255, 0}));
  const std::string file = assettest::writeFile(
      "bar.txt",
      "//\n\n\n\n\nMeshes: 1\nbar 0 0\n4\n0 0 -0.1 0 0 0 0\n0 0.6 -0.1 0 0 0 0\n"
      "0 0.6 0.1 0 0 0 0\n0 0 0.1 0 0 0 0\n0\n2\n0 0 1 2 0 0 0 1\n0 0 2 3 0 0 0 1\n\n"
      "Materials: 1\nwhite\n1 1 1 1\n1 1 1 1\n0 0 0 1\n0 0 0 1\n0\n1\n\"" +
          red + "\"\n\"\"\n");
  ModelObject bar(file.c_str(), false, FurnitureType::None);
  bar.loadTexture(green.c_str());
  bar.setPosition(0.1f, 0.2f, 0.0f);  // turned upright: x 0..0.2, y 0.2..0.8
  bar.setRotation(90.0f, 0.0f, 0.0f, 1.0f);
  scene();
  bar.draw();
  EXPECT_EQ(assettest::pixelAt(0.1f, 0.5f), (Rgb{255, 0, 0}));
  EXPECT_EQ(assettest::pixelAt(0.4f, 0.2f), black);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  // Its bounding sphere holds every corner where GL's own matrices put it, turned twice.
  bar.setSecondRotation(30.0f, 1.0f, 0.0f, 0.0f);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(0.1f, 0.2f, 0.0f);
  glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
  glRotatef(30.0f, 1.0f, 0.0f, 0.0f);
  float m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  glPopMatrix();
  Vector3 centre;
  float radius = 0.0f;
  bar.boundingSphere(centre, radius);
  EXPECT_LT(radius, 0.35f);  // half the bar's diagonal, 0.316, and a hair
  for (const Vector3& v : bar.model->objects[0].vertices) {
    const Vector3 placed(m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12],
                         m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13],
                         m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14]);
    EXPECT_LE(distanceBetween(placed, centre), radius);
  }
  bar.secondRotated = 0;
  scene();
  bar.intact = 0;  // taken: drawn with its own texture
  bar.draw();
  EXPECT_EQ(assettest::pixelAt(0.1f, 0.5f), (Rgb{0, 255, 0}));
  glDisable(GL_CULL_FACE);
  const GLuint made[] = {bar.textureId, bar.model->materials[0].textureId};
  deleteTextures(2, made);
}
