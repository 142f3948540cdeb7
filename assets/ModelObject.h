// One object placed in the museum: a GLUT solid or a loaded text model, with its place,
// rotations, colours, value and bag space, and the three spatial tests the game asks of it
// (within reach, camera push-out, near the line of sight).
#pragma once

#include <GL/gl.h>

#include <cstdint>

#include "assets/MeshModel.h"
#include "geometry/Vector3.h"

class Camera;

// Objects farther than this from the line of sight are not drawn (squared as an integer).
constexpr std::int16_t lineOfSightRadius = 190;
// The player takes what lies at most this far from the camera.
constexpr float reachDistance = 25.0f;

class ModelObject {
 public:
  GLuint textureId;                  // own texture (a taken picture shows it); 0 for none
  MeshModel* model;                  // kind 6 only; owned
  std::int32_t slices;               // sphere slices, torus sides
  std::int32_t stacks;               // sphere stacks, torus rings
  std::int32_t baseOrInnerRadius;    // torus inner radius (whole units)
  std::int32_t heightOrOuterRadius;  // torus outer radius (whole units)
  float angle;                       // first rotation, degrees
  float secondAngle;                 // second rotation, degrees
  float size;                        // cube edge, teapot size
  float radius;                      // sphere radius
  // Material of a solid (kinds 1 to 5): arrays owned by the caller, read at every draw.
  // Four floats each (RGBA), shininess one; a null reference is not set.
  const float* ambient;
  const float* diffuse;
  const float* specular;
  const float* shininess;
  const float* emission;
  std::int16_t furnitureType;  // collision box: 0 none, 1 pedestal, 2 chair, 3 sofa, 4 table
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
  std::int16_t kind;           // 1 teapot, 2 sphere, 3 cube, 5 torus, 6 text model
  std::int16_t value;          // points for taking it
  std::int16_t bagSpace;       // room taken in the bag (capacity 100)

  // A teapot (kind 1) or a cube (kind 3) of the given size.
  ModelObject(float size, std::int16_t kind);
  // A sphere (kind 2).
  ModelObject(float radius, std::int32_t slices, std::int32_t stacks);
  // A torus (kind 5: inner, outer radius); the two sizes are truncated toward zero.
  ModelObject(float first, float second, std::int32_t slices, std::int32_t stacks,
              std::int16_t kind);
  // A text model (kind 6) loaded with loadMeshModel; intact.
  ModelObject(const char* fileName, bool readNormals, std::int16_t furnitureType);
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
