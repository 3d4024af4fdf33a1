#pragma once

#include "opennurbs_defines.h"

class ON_3dPoint;
class ON_3dVector;

// Homogeneous point (x, y, z, w); the default constructor leaves it uninitialized.
class ON_CLASS ON_4dPoint
{
public:
  double x, y, z, w;

  static const ON_4dPoint Zero4dPoint;

  ON_4dPoint() = default;
  constexpr ON_4dPoint(double xx, double yy, double zz, double ww) : x(xx), y(yy), z(zz), w(ww) {}
  explicit ON_4dPoint(const double* p);
  ON_4dPoint(const ON_3dPoint& p);  // w = 1
  ON_4dPoint(const ON_3dVector& v); // w = 0

  void Set(double xx, double yy, double zz, double ww);

  double& operator[](int i);
  double operator[](int i) const;

  ON_4dPoint& operator*=(double d);
  ON_4dPoint& operator/=(double d);
  ON_4dPoint& operator+=(const ON_4dPoint& p);
  ON_4dPoint& operator-=(const ON_4dPoint& p);

  ON_4dPoint operator*(double d) const;
  ON_4dPoint operator/(double d) const;
  ON_4dPoint operator+(const ON_4dPoint& p) const;
  ON_4dPoint operator-(const ON_4dPoint& p) const;
  double operator*(const ON_4dPoint& p) const; // dot product

  bool operator==(const ON_4dPoint& p) const;
  bool operator!=(const ON_4dPoint& p) const;

  void Zero();
  // Divides by w (when w is not 0) and sets w = 1; false when w is 0.
  bool Normalize();
  bool IsValid() const;
};

ON_DECL ON_4dPoint operator*(double d, const ON_4dPoint& p);
