#pragma once

#include "opennurbs_defines.h"

class ON_3dPoint;
class ON_3fVector;

// Single-precision location (mesh vertices); the default constructor leaves it uninitialized.
class ON_CLASS ON_3fPoint
{
public:
  float x, y, z;

  static const ON_3fPoint Origin;

  ON_3fPoint() = default;
  constexpr ON_3fPoint(float xx, float yy, float zz) : x(xx), y(yy), z(zz) {}
  explicit ON_3fPoint(const float* p);
  explicit ON_3fPoint(const double* p);
  ON_3fPoint(const ON_3dPoint& p); // rounds to single precision

  void Set(float xx, float yy, float zz);

  float& operator[](int i);
  float operator[](int i) const;
  operator float*();
  operator const float*() const;

  ON_3fPoint& operator*=(float d);
  ON_3fPoint& operator/=(float d);
  ON_3fPoint& operator+=(const ON_3fVector& v);
  ON_3fPoint& operator-=(const ON_3fVector& v);

  ON_3fPoint operator*(float d) const;
  ON_3fPoint operator/(float d) const;
  ON_3fPoint operator+(const ON_3fPoint& p) const;
  ON_3fPoint operator+(const ON_3fVector& v) const;
  ON_3fVector operator-(const ON_3fPoint& p) const;
  ON_3fPoint operator-(const ON_3fVector& v) const;

  bool operator==(const ON_3fPoint& p) const;
  bool operator!=(const ON_3fPoint& p) const;
  bool operator<(const ON_3fPoint& p) const;
  bool operator<=(const ON_3fPoint& p) const;
  bool operator>(const ON_3fPoint& p) const;
  bool operator>=(const ON_3fPoint& p) const;

  double DistanceTo(const ON_3fPoint& p) const;
  void Zero();
  bool IsZero() const;
  bool IsValid() const;
};

ON_DECL ON_3fPoint operator*(float d, const ON_3fPoint& p);
