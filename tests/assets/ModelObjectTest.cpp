// Museum objects: construction and setters, the picture centre, the reach, push-out and
// line-of-sight tests (no GL), and where a solid and a text model are drawn (GL).
#include "assets/ModelObject.h"
#include "assets/Textures.h"
#include "geometry/Camera.h"
#include "assets/AssetTestSupport.h"
#include "support/GlContext.h"

namespace {

// A picture-like model whose first object has the four given corners.
MeshModel* quadModel(const std::vector<Vector3>& corners) {
  auto* m = new MeshModel;
  m->objects.resize(1);
  m->numObjects = 1;
  m->objects[0].vertices = corners;
  m->objects[0].numVertices = static_cast<std::uint32_t>(corners.size());
  return m;
}

// A table (furniture type 4) whose box is centred on (99, 100), half extents (10, 4).
struct TableAndCamera : testing::Test {
  ModelObject table{1.0f, 3};
  Camera camera{99.0f, 1.0f, 100.0f, 199.0f, 1.0f, 100.0f, 0.0f, 1.0f, 0.0f};  // looking +x
  void SetUp() override {
    table.furnitureType = 4;
    table.setPosition(100.0f, 0.0f, 100.0f);
  }
};

}  // namespace

TEST(ModelObject, ConstructorsSetKindSizesAndFlags) {
  const ModelObject cone(0.5f, 2.7f, 8, 4, 4);
  EXPECT_EQ(cone.kind, 4);
  EXPECT_EQ(cone.baseOrInnerRadius, 0);
  EXPECT_EQ(cone.heightOrOuterRadius, 2);
  EXPECT_EQ(cone.slices, 8);
  EXPECT_EQ(cone.stacks, 4);
  const ModelObject torus(-1.9f, 3.99f, 20, 16, 5);
  EXPECT_EQ(torus.baseOrInnerRadius, -1);  // toward zero
  EXPECT_EQ(torus.heightOrOuterRadius, 3);
  const ModelObject sphere(4.0f, 20, 16);
  EXPECT_EQ(sphere.kind, 2);
  EXPECT_EQ(sphere.radius, 4.0f);
  const ModelObject teapot(3.0f, 1);
  EXPECT_EQ(teapot.kind, 1);
  EXPECT_EQ(teapot.size, 3.0f);
  for (const ModelObject* o : {&cone, &torus, &sphere, &teapot}) {
    EXPECT_EQ(o->visible, 1);
    EXPECT_EQ(o->intact, 0);
    EXPECT_EQ(o->translated | o->rotated | o->secondRotated, 0);
    EXPECT_EQ(o->textureId, 0u);
    EXPECT_EQ(o->model, nullptr);
  }
}

TEST(ModelObject, SetMaterialReplacesEveryReference) {
  const float red[4] = {1, 0, 0, 1};
  const float shine[1] = {5};
  ModelObject o(1.0f, 3);
  o.setMaterial(red, red, red, shine, red);
  o.setMaterial(nullptr, red, nullptr, nullptr, nullptr);
  EXPECT_EQ(o.ambient, nullptr);
  EXPECT_EQ(o.diffuse, red);
  EXPECT_EQ(o.specular, nullptr);
  EXPECT_EQ(o.shininess, nullptr);
  EXPECT_EQ(o.emission, nullptr);
}

TEST(ModelObject, PictureCentreIsTheMidpointOfCornersOneAndThree) {
  ModelObject wallX(1.0f, 3);
  wallX.model = quadModel({{10, 2, 4}, {10, 8, 4}, {10, 8, 12}, {10, 2, 12}});
  wallX.placeAtPictureCentre();
  EXPECT_EQ(wallX.position, Vector3(10, 5, 8));
  EXPECT_EQ(wallX.translated, 0);

  ModelObject wallZ(1.0f, 3);
  wallZ.model = quadModel({{12, 2, 30}, {12, 8, 30.5f}, {2, 8, 30}, {2, 2, 30}});
  wallZ.placeAtPictureCentre();
  EXPECT_EQ(wallZ.position, Vector3(7, 5, 30));  // z of corner 1

  ModelObject tooFew(1.0f, 3);
  tooFew.model = quadModel({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}});
  tooFew.setPosition(4, 5, 6);
  tooFew.placeAtPictureCentre();
  EXPECT_EQ(tooFew.position, Vector3(4, 5, 6));
}

TEST(ModelObject, ReachNeedsTwentyFiveUnitsAndAnIntactVisibleObject) {
  ModelObject o(1.0f, 3);
  o.setPosition(10.0f, 0.0f, 0.0f);
  EXPECT_FALSE(o.isWithinReach(10.0f, 0.0f, 0.0f));  // a solid is not intact until a new game
  o.intact = 1;
  EXPECT_TRUE(o.isWithinReach(35.0f, 0.0f, 0.0f));
  EXPECT_TRUE(o.isWithinReach(25.0f, 20.0f, 0.0f));  // 15, 20: 25 away
  EXPECT_FALSE(o.isWithinReach(35.01f, 0.0f, 0.0f));
  o.visible = 0;
  EXPECT_FALSE(o.isWithinReach(10.0f, 0.0f, 0.0f));
  o.visible = 1;
  o.intact = 0;  // a taken picture
  EXPECT_FALSE(o.isWithinReach(10.0f, 0.0f, 0.0f));
}

TEST_F(TableAndCamera, PushInsideTheBoxNegatesTheSpeedAndWalksBack) {
  float speed = 0.5f;
  table.pushCameraOut(1, 0, camera, speed);
  EXPECT_EQ(speed, -0.5f);
  EXPECT_FLOAT_EQ(camera.position.x, 98.5f);  // moveForward(-0.5)
  EXPECT_FLOAT_EQ(camera.position.z, 100.0f);

  // A second box in the same frame turns the speed back; backward with a step to the side.
  camera.position = Vector3(99.0f, 1.0f, 100.0f);
  camera.view = Vector3(199.0f, 1.0f, 100.0f);
  table.pushCameraOut(-1, 1, camera, speed);
  EXPECT_EQ(speed, 0.5f);
  EXPECT_FLOAT_EQ(camera.position.x, 98.5f);   // moveForward(-0.5)
  EXPECT_FLOAT_EQ(camera.position.z, 100.25f);  // strafe(0.25): right of +x is +z
}

TEST_F(TableAndCamera, PushLeavesCamerasOutsideTheBoxOrWithoutABoxAlone) {
  float speed = 0.5f;
  camera.position = Vector3(109.0f, 1.0f, 100.0f);  // dx equals the half extent: outside
  table.pushCameraOut(1, 0, camera, speed);
  camera.position = Vector3(99.0f, 1.0f, 96.0f);
  table.pushCameraOut(1, 0, camera, speed);
  EXPECT_EQ(speed, 0.5f);

  camera.position = Vector3(99.0f, 1.0f, 100.0f);
  table.furnitureType = 2;
  table.setChairFacing(4);
  table.pushCameraOut(1, 0, camera, speed);
  table.furnitureType = 0;
  table.pushCameraOut(1, 0, camera, speed);
  EXPECT_EQ(speed, 0.5f);
  EXPECT_EQ(camera.position, Vector3(99.0f, 1.0f, 100.0f));

  // A turned pedestal's box: centre (99, 111), half extents (7, 13).
  table.furnitureType = 1;
  table.setRotation(-90.0f, 0.0f, 1.0f, 0.0f);
  camera.position = Vector3(99.0f, 1.0f, 122.0f);
  table.pushCameraOut(0, 0, camera, speed);
  EXPECT_EQ(speed, -0.5f);
}

TEST(ModelObject, LineOfSightReachesLessThan190UnitsFromTheViewLine) {
  const Camera camera(0, 0, 0, 0, 0, -100, 0, 1, 0);
  ModelObject o(1.0f, 3);
  o.setPosition(190.0f, 0.0f, 0.0f);
  EXPECT_FALSE(o.isNearLineOfSight(camera));
  o.setPosition(189.5f, 0.0f, 0.0f);
  EXPECT_TRUE(o.isNearLineOfSight(camera));
  o.setPosition(100.0f, 50.0f, -5000.0f);
  EXPECT_TRUE(o.isNearLineOfSight(camera));
  o.setPosition(0.0f, 0.0f, 300.0f);  // behind the camera, on the line
  EXPECT_TRUE(o.isNearLineOfSight(camera));
}

namespace {

struct DrawnObjects : testing::Test {
  void SetUp() override {
    if (!testsupport::ensureGlContext()) {
      GTEST_SKIP() << "no X display for a GL context";
    }
    assettest::startFlatScene();
    glEnable(GL_CULL_FACE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  }
  void TearDown() override { glDisable(GL_CULL_FACE); }
};

// A bar from x 0 to 0.6, y -0.1 to 0.1, wound counter-clockwise, with a white material
// textured by textureFile.
std::string barModel(const std::string& textureFile) {
  return "//\n\n\n\n\nMeshes: 1\nbar 0 0\n4\n"
         "0 0 -0.1 0 0.5 0.5 -1\n0 0.6 -0.1 0 0.5 0.5 -1\n"
         "0 0.6 0.1 0 0.5 0.5 -1\n0 0 0.1 0 0.5 0.5 -1\n"
         "1\n0 0 1\n2\n0 0 1 2 0 0 0 1\n0 0 2 3 0 0 0 1\n\nMaterials: 1\n\"white\"\n"
         "1 1 1 1\n1 1 1 1\n0 0 0 1\n0 0 0 1\n0\n1\n\"" +
         textureFile + "\"\n\"\"\n";
}

}  // namespace

TEST_F(DrawnObjects, CubeIsDrawnAtItsPositionAndTurnedByItsRotation) {
  ModelObject cube(0.4f, 3);
  cube.setPosition(0.5f, 0.0f, 0.0f);
  cube.draw();
  EXPECT_EQ(assettest::pixelAt(0.5f, 0.0f), (std::array<int, 3>{255, 255, 255}));
  EXPECT_EQ(assettest::pixelAt(0.0f, 0.0f), (std::array<int, 3>{0, 0, 0}));
  GLint front = 0;
  glGetIntegerv(GL_FRONT_FACE, &front);
  EXPECT_EQ(front, GL_CCW);

  assettest::startFlatScene();
  glEnable(GL_CULL_FACE);
  ModelObject turned(1.0f, 3);
  turned.setPosition(0.0f, 0.0f, 0.0f);
  turned.setRotation(45.0f, 0.0f, 0.0f, 1.0f);
  turned.draw();
  EXPECT_EQ(assettest::pixelAt(0.65f, 0.0f), (std::array<int, 3>{255, 255, 255}));
  EXPECT_EQ(assettest::pixelAt(0.45f, 0.45f), (std::array<int, 3>{0, 0, 0}));

  assettest::startFlatScene();
  turned.visible = 0;
  turned.draw();
  EXPECT_EQ(assettest::pixelAt(0.0f, 0.0f), (std::array<int, 3>{0, 0, 0}));
}

TEST_F(DrawnObjects, TextModelShowsItsMaterialTextureUntilTakenThenItsOwn) {
  const std::string red = assettest::writeFile("bar_red.bmp", assettest::bmp24(1, 1, {255, 0, 0}));
  const std::string green =
      assettest::writeFile("bar_green.bmp", assettest::bmp24(1, 1, {0, 255, 0}));
  const std::string file = assettest::writeFile("bar.txt", barModel(red));
  ModelObject bar(file.c_str(), false, 0);
  ASSERT_NE(bar.model, nullptr);
  EXPECT_EQ(bar.kind, 6);
  EXPECT_EQ(bar.intact, 1);
  bar.loadTexture(green.c_str());
  // Turned upright about z and moved: x 0 .. 0.2, y 0.2 .. 0.8.
  bar.setPosition(0.1f, 0.2f, 0.0f);
  bar.setRotation(90.0f, 0.0f, 0.0f, 1.0f);
  bar.draw();
  EXPECT_EQ(assettest::pixelAt(0.1f, 0.5f), (std::array<int, 3>{255, 0, 0}));
  EXPECT_EQ(assettest::pixelAt(0.4f, 0.2f), (std::array<int, 3>{0, 0, 0}));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

  assettest::startFlatScene();
  glEnable(GL_CULL_FACE);
  bar.intact = 0;
  bar.draw();
  EXPECT_EQ(assettest::pixelAt(0.1f, 0.5f), (std::array<int, 3>{0, 255, 0}));
  const GLuint made[] = {bar.textureId, bar.model->materials[0].textureId};
  deleteTextures(2, made);
}
