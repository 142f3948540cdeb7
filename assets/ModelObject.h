// One object placed in the museum: a GLUT solid or a loaded text model, with its place,
// rotations, colours, value and bag space, and the three spatial tests the game asks of it
// (within reach, camera push-out, near the line of sight).
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <memory>

#include "assets/MeshModel.h"
#include "geometry/Vector3.h"

class Camera;

// Objects farther than this from the line of sight are not drawn (squared as an integer).
constexpr std::int16_t lineOfSightRadius = 190;
// The player takes what lies at most this far from the camera.
constexpr float reachDistance = 25.0f;

// What an object is: a GLUT solid or a text model. The numbers are the ones the museum was
// first laid out with; 4 (a cone) is no longer used.
enum class ObjectKind : std::int16_t { Teapot = 1, Sphere = 2, Cube = 3, Torus = 5, TextModel = 6 };

// The collision box the camera is pushed out of (its size and place by type and facing).
enum class FurnitureType : std::int16_t {
  None = 0,
  Pedestal = 1,
  Chair = 2,
  Sofa = 3,
  Table = 4,
};

class ModelObject {
 public:
  GLuint textureId;                  // own texture (a taken picture shows it); 0 for none
  // A text model only: the mesh, which objects of the same shape share (the pedestals).
  std::shared_ptr<const MeshModel> model;
  std::int32_t slices;               // sphere slices, torus sides
  std::int32_t stacks;               // sphere stacks, torus rings
  std::int32_t baseOrInnerRadius;    // torus inner radius (whole units)
  std::int32_t heightOrOuterRadius;  // torus outer radius (whole units)
  float angle;                       // first rotation, degrees
  float secondAngle;                 // second rotation, degrees
  float size;                        // cube edge, teapot size
  float radius;                      // sphere radius
  // Material of a solid (every kind but a text model): arrays owned by the caller, read at
  // every draw.
  // Four floats each (RGBA), shininess one; a null reference is not set.
  const float* ambient;
  const float* diffuse;
  const float* specular;
  const float* shininess;
  const float* emission;
  FurnitureType furnitureType;
  std::int16_t chairFacing;    // 1, 2 or 3
  std::int16_t sofaFacing;     // 1, 2 or 3
  Vector3 position;            // level units
  Vector3 axis;                // of the first rotation
  Vector3 secondAxis;          // of the second rotation
  std::uint8_t visible;        // drawn and can be taken
  std::uint8_t translated;     // drawing moves to position
  std::uint8_t rotated;        // drawing applies the first rotation
  std::uint8_t secondRotated;  // drawing applies the second rotation
  std::uint8_t intact;         // can be taken; a file object shows its material textures
  ObjectKind kind;
  std::int16_t value;          // points for taking it
  std::int16_t bagSpace;       // room taken in the bag (capacity 100)

  // A teapot or a cube of the given size.
  ModelObject(float size, ObjectKind kind);
  // A sphere.
  ModelObject(float radius, std::int32_t slices, std::int32_t stacks);
  // A torus of the given inner and outer radius, both truncated toward zero.
  ModelObject(float innerRadius, float outerRadius, std::int32_t sides, std::int32_t rings);
  // A text model loaded with loadMeshModel; intact.
  ModelObject(const char* fileName, bool readNormals, FurnitureType furnitureType);
  // A text model of a mesh already loaded, shared with the objects that hold it; intact.
  ModelObject(std::shared_ptr<const MeshModel> mesh, FurnitureType furnitureType);
  ~ModelObject();
  ModelObject(const ModelObject&) = delete;
  ModelObject& operator=(const ModelObject&) = delete;

  void setValue(std::int16_t v);
  void setBagSpace(std::int16_t s);
  void setPosition(float x, float y, float z);
  void setRotation(float angle, float x, float y, float z);
  void setSecondRotation(float angle, float x, float y, float z);
  // Clears all five references, then takes each argument that is not null.
  void setMaterial(const float* ambient, const float* diffuse, const float* specular,
                   const float* shininess, const float* emission);
  void setChairFacing(std::int16_t f);
  void setSofaFacing(std::int16_t f);
  // textureId = a new texture from a BMP file; a file that can't be loaded ends the program.
  void loadTexture(const char* fileName);

  // For a picture: position = the centre of the first four vertices of its first object (the
  // model already stands on its wall, so translated stays clear). Needs four vertices.
  void placeAtPictureCentre();
  void draw() const;
  // Within reachDistance of (x, y, z), and both intact and visible.
  bool isWithinReach(float x, float y, float z) const;
  // When the camera stands inside this furniture's box, negates speed in place (the caller's
  // variable) and walks the camera back along forward and sideways (each -1, 0 or +1).
  void pushCameraOut(std::int32_t forward, std::int32_t sideways, Camera& camera,
                     float& speed) const;
  // position lies less than lineOfSightRadius from the line through the camera along its view.
  bool isNearLineOfSight(const Camera& camera) const;
  // A sphere in level units holding all that draw() draws, placed as draw() places it.
  void boundingSphere(Vector3& centre, float& sphereRadius) const;

 private:
  // The text model's own bounding sphere, before the object's translation and rotations.
  Vector3 modelCentre;
  float modelRadius = 0.0f;

  void drawSolid() const;
  void drawModel() const;
  void applyTransformation() const;
  void findModelBounds();
};
