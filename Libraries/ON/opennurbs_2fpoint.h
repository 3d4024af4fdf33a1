#pragma once

#include "opennurbs_defines.h"

class ON_2dPoint;

// Single-precision 2-D location (texture coordinates); the default constructor leaves it uninitialized.
class ON_CLASS ON_2fPoint
{
public:
  float x, y;

  ON_2fPoint() = default;
  constexpr ON_2fPoint(float xx, float yy) : x(xx), y(yy) {}
  explicit ON_2fPoint(const float* p);
  ON_2fPoint(const ON_2dPoint& p); // rounds to single precision

  void Set(float xx, float yy);

  float& operator[](int i);
  float operator[](int i) const;

  ON_2fPoint operator+(const ON_2fPoint& p) const;
  ON_2fPoint operator*(float d) const;

  bool operator==(const ON_2fPoint& p) const;
  bool operator!=(const ON_2fPoint& p) const;

  double DistanceTo(const ON_2fPoint& p) const;
  void Zero();
  bool IsValid() const;
};
