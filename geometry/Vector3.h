// Vector3 and the small vector arithmetic every subsystem shares.
// Plain value of three floats, no hidden members: vertex arrays are packed Vector3s.
// Intermediates are computed in double and stored as float, except the two angles.
#pragma once

struct Vector3 {
  float x, y, z;

  Vector3() : x(0.0f), y(0.0f), z(0.0f) {}
  Vector3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

  Vector3 operator-(const Vector3& b) const;
  Vector3 operator+(const Vector3& b) const;
  Vector3 operator*(float s) const;
  // Exact float comparison; a NaN component never compares equal.
  bool operator==(const Vector3& b) const;
};

static_assert(sizeof(Vector3) == 3 * sizeof(float), "Vector3 must pack three floats");

Vector3 subtract(Vector3 a, Vector3 b);
float dotProduct(Vector3 a, Vector3 b);
Vector3 crossProduct(Vector3 a, Vector3 b);
float length(Vector3 v);
// No test for a zero length: a zero vector gives non-finite components.
Vector3 normalized(Vector3 v);
float distanceBetween(Vector3 a, Vector3 b);
// normalized(cross(tri[2] - tri[0], tri[1] - tri[0])).
Vector3 triangleNormal(const Vector3* tri);
// The constant d of the plane normal . X + d = 0 through point.
float originDistance(Vector3 normal, Vector3 point);
float absValue(float f);
// Radians; 0.0 when the angle is undefined (zero vector, or a cosine just outside [-1, 1]).
double angleBetween(Vector3 a, Vector3 b);
// Degrees; 0.0 when undefined.
double angleBetweenDegrees(Vector3 a, Vector3 b);
// The point of segment a-b closest to p; not finite for a degenerate segment.
Vector3 closestPointOnSegment(Vector3 a, Vector3 b, Vector3 p);
// v turned by degrees about axis (any length but zero), anticlockwise when the axis points at
// the viewer, as glRotatef turns it.
Vector3 rotatedAbout(Vector3 v, float degrees, Vector3 axis);
