// Museum objects: construction, setters, drawing of the solids and text models, and the
// reach, push-out and line-of-sight tests.
#include "assets/ModelObject.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "assets/MeshDraw.h"
#include "assets/Textures.h"
#include "geometry/Camera.h"

namespace {

// One collision box of the push-out: centre offset from position, half extents, in x and z.
struct FurnitureBox {
  float ox, oz, hx, hz;
};

// The box of an object, or false when its furniture type (or facing) has none.
bool furnitureBox(const ModelObject& o, FurnitureBox& box) {
  switch (o.furnitureType) {
    case FurnitureType::Pedestal:
      box = o.rotated ? FurnitureBox{-1.0f, 11.0f, 7.0f, 13.0f}
                      : FurnitureBox{11.0f, 2.0f, 13.0f, 7.0f};
      return true;
    case FurnitureType::Chair:
      switch (o.chairFacing) {
        case 1:
          box = {-4.0f, 4.0f, 5.0f, 5.0f};
          return true;
        case 2:
          box = {4.0f, -5.0f, 5.0f, 5.0f};
          return true;
        case 3:
          box = {-4.0f, -4.0f, 5.0f, 5.0f};
          return true;
        default:
          return false;
      }
    case FurnitureType::Sofa:
      switch (o.sofaFacing) {
        case 1:
          box = {10.0f, 4.0f, 12.0f, 5.0f};
          return true;
        case 2:
          box = {4.0f, -9.0f, 5.0f, 12.0f};
          return true;
        case 3:
          box = {-10.0f, -4.0f, 12.0f, 5.0f};
          return true;
        default:
          return false;
      }
    case FurnitureType::Table:
      box = {-1.0f, 0.0f, 10.0f, 4.0f};
      return true;
    case FurnitureType::None:
      return false;
  }
  return false;
}

// The midpoint as the larger of the two minus half their distance.
float midpoint(float a, float b) {
  return std::max(a, b) - absValue(a - b) / 2.0f;
}

}  // namespace

ModelObject::ModelObject(float size_, ObjectKind kind_) : ModelObject(0.0f, 0, 0) {
  size = size_;
  kind = kind_;
}

ModelObject::ModelObject(float radius_, std::int32_t slices_, std::int32_t stacks_)
    : textureId(0),
      model(nullptr),
      slices(slices_),
      stacks(stacks_),
      baseOrInnerRadius(0),
      heightOrOuterRadius(0),
      angle(0.0f),
      secondAngle(0.0f),
      size(0.0f),
      radius(radius_),
      ambient(nullptr),
      diffuse(nullptr),
      specular(nullptr),
      shininess(nullptr),
      emission(nullptr),
      furnitureType(FurnitureType::None),
      chairFacing(0),
      sofaFacing(0),
      visible(1),
      translated(0),
      rotated(0),
      secondRotated(0),
      intact(0),
      kind(ObjectKind::Sphere),
      value(0),
      bagSpace(0) {}

ModelObject::ModelObject(float innerRadius, float outerRadius, std::int32_t sides,
                         std::int32_t rings)
    : ModelObject(0.0f, sides, rings) {
  baseOrInnerRadius = static_cast<std::int32_t>(innerRadius);
  heightOrOuterRadius = static_cast<std::int32_t>(outerRadius);
  kind = ObjectKind::Torus;
}

ModelObject::ModelObject(const char* fileName, bool readNormals, FurnitureType furnitureType_)
    : ModelObject(std::shared_ptr<const MeshModel>(loadMeshModel(fileName, readNormals),
                                                   freeMeshModel),
                  furnitureType_) {}

ModelObject::ModelObject(std::shared_ptr<const MeshModel> mesh, FurnitureType furnitureType_)
    : ModelObject(0.0f, 0, 0) {
  model = std::move(mesh);
  furnitureType = furnitureType_;
  kind = ObjectKind::TextModel;
  intact = 1;
  findModelBounds();
}

void ModelObject::findModelBounds() {
  if (model == nullptr) return;
  Vector3 low(INFINITY, INFINITY, INFINITY), high(-INFINITY, -INFINITY, -INFINITY);
  for (const MeshObject& object : model->objects) {
    for (const Vector3& v : object.vertices) {
      low = Vector3(std::min(low.x, v.x), std::min(low.y, v.y), std::min(low.z, v.z));
      high = Vector3(std::max(high.x, v.x), std::max(high.y, v.y), std::max(high.z, v.z));
    }
  }
  if (!(low.x <= high.x)) return;  // no vertices: nothing is drawn
  modelCentre = (low + high) * 0.5f;
  for (const MeshObject& object : model->objects) {
    for (const Vector3& v : object.vertices) {
      modelRadius = std::max(modelRadius, distanceBetween(v, modelCentre));
    }
  }
}

ModelObject::~ModelObject() = default;

void ModelObject::setValue(std::int16_t v) {
  value = v;
}

void ModelObject::setBagSpace(std::int16_t s) {
  bagSpace = s;
}

void ModelObject::setPosition(float x, float y, float z) {
  position = Vector3(x, y, z);
  translated = 1;
}

void ModelObject::setRotation(float angle_, float x, float y, float z) {
  angle = angle_;
  axis = Vector3(x, y, z);
  rotated = 1;
}

void ModelObject::setSecondRotation(float angle_, float x, float y, float z) {
  secondAngle = angle_;
  secondAxis = Vector3(x, y, z);
  secondRotated = 1;
}

void ModelObject::setMaterial(const float* ambient_, const float* diffuse_, const float* specular_,
                              const float* shininess_, const float* emission_) {
  ambient = diffuse = specular = shininess = emission = nullptr;
  if (ambient_ != nullptr) ambient = ambient_;
  if (diffuse_ != nullptr) diffuse = diffuse_;
  if (specular_ != nullptr) specular = specular_;
  if (shininess_ != nullptr) shininess = shininess_;
  if (emission_ != nullptr) emission = emission_;
}

void ModelObject::setChairFacing(std::int16_t f) {
  chairFacing = f;
}

void ModelObject::setSofaFacing(std::int16_t f) {
  sofaFacing = f;
}

void ModelObject::loadTexture(const char* fileName) {
  textureId = uploadBmpTexture(fileName);
}

void ModelObject::placeAtPictureCentre() {
  if (model == nullptr || model->objects.empty() || model->objects[0].vertices.size() < 4) {
    return;
  }
  const std::vector<Vector3>& corner = model->objects[0].vertices;
  const bool facingX =
      corner[0].x == corner[1].x && corner[0].x == corner[2].x && corner[0].x == corner[3].x;
  const float y = midpoint(corner[0].y, corner[2].y);
  if (facingX) {
    position = Vector3(corner[0].x, y, midpoint(corner[0].z, corner[2].z));
  } else {
    position = Vector3(midpoint(corner[0].x, corner[2].x), y, corner[0].z);
  }
}

// Step 5 of the draw: translation, first rotation, second rotation.
void ModelObject::applyTransformation() const {
  if (translated) {
    glTranslatef(position.x, position.y, position.z);
  }
  if (rotated) {
    glRotatef(angle, axis.x, axis.y, axis.z);
  }
  if (secondRotated) {
    glRotatef(secondAngle, secondAxis.x, secondAxis.y, secondAxis.z);
  }
}

// Step 3: the solids.
void ModelObject::drawSolid() const {
  if (ambient != nullptr) glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
  if (diffuse != nullptr) glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
  if (specular != nullptr) glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
  if (shininess != nullptr) glMaterialfv(GL_FRONT, GL_SHININESS, shininess);
  if (emission != nullptr) glMaterialfv(GL_FRONT, GL_EMISSION, emission);
  applyTransformation();
  prepareForToolkitSolid();
  switch (kind) {
    case ObjectKind::Teapot:
      glutSolidTeapot(size);
      break;
    case ObjectKind::Sphere:
      glutSolidSphere(radius, slices, stacks);
      break;
    case ObjectKind::Cube:
      glutSolidCube(size);
      break;
    case ObjectKind::Torus:
      glutSolidTorus(baseOrInnerRadius, heightOrOuterRadius, slices, stacks);
      break;
    case ObjectKind::TextModel:
      break;
  }
}

// Step 4: a text model, each object of the model with its material.
void ModelObject::drawModel() const {
  if (model == nullptr) {
    return;
  }
  glEnable(GL_TEXTURE_2D);
  applyTransformation();
  glMaterialf(GL_FRONT, GL_SHININESS, modelShininess);
  for (const MeshObject& object : model->objects) {
    const MeshMaterial* material = model->materialOf(object);
    if (!intact) {
      if (textureId != 0) {
        glBindTexture(GL_TEXTURE_2D, textureId);
      }
    } else if (material != nullptr) {
      glBindTexture(GL_TEXTURE_2D, material->textureId);
    }
    if (material != nullptr) {
      glColor3fv(material->diffuse);
      glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material->ambient);
      glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material->diffuse);
      glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, material->specular);
      glMaterialfv(GL_FRONT, GL_EMISSION, material->emission);
    }
    drawMeshObject(object);
  }
  glDisable(GL_TEXTURE_2D);
}

void ModelObject::draw() const {
  if (!visible) {
    return;
  }
  // Steps 1 and 2: the toolkit's teapot winds its faces the other way round.
  glPushAttrib(GL_CURRENT_BIT);
  glPushMatrix();
  glCullFace(GL_FRONT);
  glFrontFace(kind == ObjectKind::Teapot ? GL_CCW : GL_CW);
  if (kind == ObjectKind::TextModel) {
    drawModel();
  } else {
    drawSolid();
  }
  // Step 6.
  glPopMatrix();
  glPopAttrib();
  glFrontFace(GL_CCW);
}

bool ModelObject::isWithinReach(float x, float y, float z) const {
  return distanceBetween(position, Vector3(x, y, z)) <= reachDistance && intact && visible;
}

void ModelObject::pushCameraOut(std::int32_t forward, std::int32_t sideways, Camera& camera,
                                float& speed) const {
  // Step 1: the camera against this object's box, in x and z only.
  FurnitureBox box;
  if (!furnitureBox(*this, box)) {
    return;
  }
  const float dx = absValue(camera.position.x - (position.x + box.ox));
  const float dz = absValue(camera.position.z - (position.z + box.oz));
  if (!(dx < box.hx && dz < box.hz)) {
    return;
  }
  // Step 2: the caller's speed changes sign, then the camera walks back with it.
  speed = -speed;
  const float s = speed;
  if (forward == 1 || forward == -1) {
    camera.moveForward(forward == 1 ? s : -s);
    if (sideways == 1 || sideways == -1) {
      camera.strafe(sideways == 1 ? s / 2.0f : -s / 2.0f);
    }
  } else if (forward == 0 && (sideways == 1 || sideways == -1)) {
    camera.strafe(sideways == 1 ? s : -s);
  }
}

void ModelObject::boundingSphere(Vector3& centre, float& sphereRadius) const {
  // The toolkit's solids stand around the origin: the teapot reaches 1.7 sizes along x.
  switch (kind) {
    case ObjectKind::Teapot: sphereRadius = 2.0f * size; break;
    case ObjectKind::Sphere: sphereRadius = radius; break;
    case ObjectKind::Cube: sphereRadius = 0.87f * size; break;
    case ObjectKind::Torus:
      sphereRadius = static_cast<float>(baseOrInnerRadius + heightOrOuterRadius);
      break;
    case ObjectKind::TextModel: sphereRadius = modelRadius; break;
  }
  // A hair more, for the float rounding of the draw's matrices.
  sphereRadius = sphereRadius * 1.01f + 0.01f;
  centre = kind == ObjectKind::TextModel ? modelCentre : Vector3();
  // The draw's transformation, last applied first.
  if (secondRotated) centre = rotatedAbout(centre, secondAngle, secondAxis);
  if (rotated) centre = rotatedAbout(centre, angle, axis);
  if (translated) centre = centre + position;
}

bool ModelObject::isNearLineOfSight(const Camera& camera) const {
  const Vector3 d = normalized(camera.view - camera.position);
  const Vector3 l = position - camera.position;
  const float along = dotProduct(d, l);
  const float distance = length(l);
  const std::int32_t r2 = static_cast<std::int32_t>(lineOfSightRadius) * lineOfSightRadius;
  return along * along - distance * distance + static_cast<float>(r2) > 0.0f;
}
