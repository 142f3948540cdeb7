// The first-person camera: walking, strafing, turning, mouse look and frame timing.
#include "geometry/Camera.h"

#include <cmath>

#include "platform/Clock.h"
#include "platform/Pointer.h"

namespace {

// Clock reading of the previous frame, in seconds; private to updateFrameTime.
float lastFrameTime = 0.0f;

// The line of sight may tilt at most this far from the horizontal (about 85 degrees), so
// it never becomes parallel to `up`.
const double maxPitch = 85.0 * 3.141592653589793 / 180.0;

// Pitch of a line of sight, in radians, positive upwards.
double pitchOf(Vector3 v) {
  const double horizontal = std::sqrt(static_cast<double>(v.x) * v.x + static_cast<double>(v.z) * v.z);
  return std::atan2(static_cast<double>(v.y), horizontal);
}

// A pointer move in pixels, cut to a quarter of the screen width either way (whole while the
// screen size is unknown).
int boundedMove(int pixels, int screenWidth) {
  const int limit = screenWidth / 4;
  if (limit <= 0) return pixels;
  return pixels > limit ? limit : (pixels < -limit ? -limit : pixels);
}

}  // namespace

Camera::Camera()
    : position(0.0f, 0.0f, 0.0f),
      view(0.0f, 0.0f, -100.0f),
      up(0.0f, 1.0f, 0.0f),
      health(100.0f),
      interval(0.0f),
      bagLoad(0.0f),
      walkSpeed(10.0f),
      radius(2.2f),
      score(0),
      walkPace(2),
      screenHeight(0),
      screenWidth(0) {}

Camera::Camera(float px, float py, float pz, float vx, float vy, float vz, float ux, float uy,
               float uz)
    : Camera() {
  position = Vector3(px, py, pz);
  view = Vector3(vx, vy, vz);
  up = Vector3(ux, uy, uz);
}

void Camera::setScreenSize(std::int32_t width, std::int32_t height) {
  screenWidth = width;
  screenHeight = height;
}

void Camera::moveForward(float distance) {
  const Vector3 vVector = normalized(view - position);
  position.x = static_cast<float>(position.x + static_cast<double>(vVector.x) * distance);
  position.z = static_cast<float>(position.z + static_cast<double>(vVector.z) * distance);
  view.x = static_cast<float>(view.x + static_cast<double>(vVector.x) * distance);
  view.z = static_cast<float>(view.z + static_cast<double>(vVector.z) * distance);
}

void Camera::strafe(float distance) {
  const Vector3 sideways = normalized(crossProduct(view - position, up));
  position.x = static_cast<float>(position.x + static_cast<double>(sideways.x) * distance);
  position.z = static_cast<float>(position.z + static_cast<double>(sideways.z) * distance);
  view.x = static_cast<float>(view.x + static_cast<double>(sideways.x) * distance);
  view.z = static_cast<float>(view.z + static_cast<double>(sideways.z) * distance);
}

void Camera::turnView(float angle, float x, float y, float z) {
  const Vector3 vView = view - position;
  const float c = static_cast<float>(std::cos(static_cast<double>(angle)));
  const float s = static_cast<float>(std::sin(static_cast<double>(angle)));
  const double oc = 1.0 - c;
  const double vx = vView.x, vy = vView.y, vz = vView.z;
  Vector3 vNewView;
  vNewView.x = static_cast<float>((c + oc * x * x) * vx + (oc * x * y - z * s) * vy +
                                  (oc * x * z + y * s) * vz);
  vNewView.y = static_cast<float>((oc * x * y + z * s) * vx + (c + oc * y * y) * vy +
                                  (oc * y * z - x * s) * vz);
  vNewView.z = static_cast<float>((oc * x * z - y * s) * vx + (oc * y * z + x * s) * vy +
                                  (c + oc * z * z) * vz);
  view = position + vNewView;
}

void Camera::lookWithMouse(int mouseX, int mouseY, float sensitivity, bool inverted) {
  // Step 1: the screen centre (integer halves).
  const int middleX = screenWidth / 2;
  const int middleY = screenHeight / 2;
  // Step 2: the event that the warp below produces changes nothing.
  if (mouseX == middleX && mouseY == middleY) {
    return;
  }
  // Step 3.
  platform::warpPointer(middleX, middleY);
  // Step 4: 1/500 radian per pixel, at most a quarter screen width's worth in either axis: a
  // warp the desktop did not carry out leaves the pointer far off, and the view must not spin.
  // The player's sensitivity scales the rate; inverted, the pointer up looks down.
  const double radiansPerPixel = sensitivity / 500.0;
  const float angleY =
      static_cast<float>(boundedMove(middleX - mouseX, screenWidth) * radiansPerPixel);
  const float angleZ = static_cast<float>(boundedMove(middleY - mouseY, screenWidth) *
                                          radiansPerPixel * (inverted ? -1.0 : 1.0));
  lookBy(angleY, angleZ);
}

void Camera::lookBy(float angleY, float angleZ) {
  // The accumulated pitch stays within about 85 degrees of the horizontal.
  const double pitch = pitchOf(view - position);
  if (pitch + angleZ > maxPitch) {
    angleZ = static_cast<float>(maxPitch - pitch);
  } else if (pitch + angleZ < -maxPitch) {
    angleZ = static_cast<float>(-maxPitch - pitch);
  }
  // Step 5: the horizontal axis to the right of the line of sight.
  const Vector3 vAxis = normalized(crossProduct(view - position, up));
  // Steps 6 and 7: pitch first, then yaw about the world's vertical axis.
  turnView(angleZ, vAxis.x, vAxis.y, vAxis.z);
  turnView(angleY, 0.0f, 1.0f, 0.0f);
}

float Camera::updateFrameTime() {
  const float t = platform::clockSeconds();
  interval = t - lastFrameTime;
  lastFrameTime = t;
  return interval;
}
