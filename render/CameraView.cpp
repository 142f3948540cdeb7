// The camera's view transform: the one GL call of the camera, kept out of geometry/.
#include <GL/glu.h>

#include "geometry/Camera.h"

void Camera::applyView() const {
  gluLookAt(position.x, position.y, position.z, view.x, view.y, view.z, up.x, up.y, up.z);
}
