// Vector arithmetic: double intermediates, float results.
#include "geometry/Vector3.h"

#include <cmath>

Vector3 Vector3::operator-(const Vector3& b) const {
  return Vector3(static_cast<float>(static_cast<double>(x) - b.x),
                 static_cast<float>(static_cast<double>(y) - b.y),
                 static_cast<float>(static_cast<double>(z) - b.z));
}

Vector3 Vector3::operator+(const Vector3& b) const {
  return Vector3(static_cast<float>(static_cast<double>(x) + b.x),
                 static_cast<float>(static_cast<double>(y) + b.y),
                 static_cast<float>(static_cast<double>(z) + b.z));
}

Vector3 Vector3::operator*(float s) const {
  return Vector3(static_cast<float>(static_cast<double>(s) * x),
                 static_cast<float>(static_cast<double>(s) * y),
                 static_cast<float>(static_cast<double>(s) * z));
}

bool Vector3::operator==(const Vector3& b) const {
  return x == b.x && y == b.y && z == b.z;
}

Vector3 subtract(Vector3 a, Vector3 b) {
  return a - b;
}

float dotProduct(Vector3 a, Vector3 b) {
  const double sum = static_cast<double>(a.x) * b.x + static_cast<double>(a.y) * b.y +
                     static_cast<double>(a.z) * b.z;
  return static_cast<float>(sum);
}

Vector3 crossProduct(Vector3 a, Vector3 b) {
  const double ax = a.x, ay = a.y, az = a.z;
  return Vector3(static_cast<float>(ay * b.z - az * b.y), static_cast<float>(az * b.x - ax * b.z),
                 static_cast<float>(ax * b.y - ay * b.x));
}

float length(Vector3 v) {
  const double sum = static_cast<double>(v.x) * v.x + static_cast<double>(v.y) * v.y +
                     static_cast<double>(v.z) * v.z;
  return static_cast<float>(std::sqrt(sum));
}

Vector3 normalized(Vector3 v) {
  const double m = length(v);
  return Vector3(static_cast<float>(v.x / m), static_cast<float>(v.y / m),
                 static_cast<float>(v.z / m));
}

float distanceBetween(Vector3 a, Vector3 b) {
  return length(b - a);
}

Vector3 triangleNormal(const Vector3* tri) {
  return normalized(crossProduct(tri[2] - tri[0], tri[1] - tri[0]));
}

float originDistance(Vector3 normal, Vector3 point) {
  const double d = static_cast<double>(normal.x) * point.x +
                   static_cast<double>(normal.y) * point.y +
                   static_cast<double>(normal.z) * point.z;
  return static_cast<float>(-d);
}

float absValue(float f) {
  return 0.0f <= f ? f : 0.0f - f;
}

namespace {

// Steps 1 to 4 shared by both angle functions: the arc cosine of the float quotient.
double rawAngle(Vector3 a, Vector3 b) {
  const float dot = dotProduct(a, b);
  const float lengths = static_cast<float>(static_cast<double>(length(a)) * length(b));
  const float c = static_cast<float>(static_cast<double>(dot) / lengths);
  return std::acos(static_cast<double>(c));
}

}  // namespace

double angleBetween(Vector3 a, Vector3 b) {
  const double angle = rawAngle(a, b);
  return std::isnan(angle) ? 0.0 : angle;
}

double angleBetweenDegrees(Vector3 a, Vector3 b) {
  const double angle = rawAngle(a, b);
  if (std::isnan(angle)) {
    return 0.0;
  }
  return 180.0 * angle / 3.141592653589793;
}

Vector3 closestPointOnSegment(Vector3 a, Vector3 b, Vector3 p) {
  const Vector3 vVector1 = p - a;
  const Vector3 vVector2 = normalized(b - a);
  const float d = distanceBetween(a, b);
  const float t = dotProduct(vVector2, vVector1);
  if (t <= 0.0f) {
    return a;
  }
  if (t >= d) {
    return b;
  }
  const Vector3 vVector3 = vVector2 * t;
  return a + vVector3;
}

Vector3 rotatedAbout(Vector3 v, float degrees, Vector3 axis) {
  // Rodrigues: v cos + (k x v) sin + k (k . v)(1 - cos), with k the unit axis.
  const Vector3 k = normalized(axis);
  const double radians = static_cast<double>(degrees) * 3.14159265358979323846 / 180.0;
  const double c = std::cos(radians), s = std::sin(radians);
  const Vector3 kv = crossProduct(k, v);
  const double along = static_cast<double>(dotProduct(k, v)) * (1.0 - c);
  return Vector3(static_cast<float>(v.x * c + kv.x * s + k.x * along),
                 static_cast<float>(v.y * c + kv.y * s + k.y * along),
                 static_cast<float>(v.z * c + kv.z * s + k.z * along));
}
