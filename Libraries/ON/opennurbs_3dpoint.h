#pragma once

#include "opennurbs_defines.h"

class ON_2dPoint;
class ON_2dVector;
class ON_3dVector;
class ON_4dPoint;
class ON_3fPoint;
class ON_3fVector;
class ON_Xform;

// Double-precision location in 3-D; the default constructor leaves x, y, z uninitialized.
class ON_CLASS ON_3dPoint
{
public:
  double x, y, z;

  static const ON_3dPoint Origin;
  static const ON_3dPoint UnsetPoint;

  ON_3dPoint() = default;
  constexpr ON_3dPoint(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  explicit ON_3dPoint(const double* p);
  explicit ON_3dPoint(const float* p);
  ON_3dPoint(const ON_2dPoint& p);
  ON_3dPoint(const ON_3dVector& v);
  ON_3dPoint(const ON_3fPoint& p);
  ON_3dPoint(const ON_3fVector& v);
  // Divides by w unless w is 0 or 1.
  explicit ON_3dPoint(const ON_4dPoint& h);

  void Set(double xx, double yy, double zz);

  double& operator[](int i);
  double operator[](int i) const;
  operator double*();
  operator const double*() const;

  ON_3dPoint& operator*=(double d);
  ON_3dPoint& operator/=(double d);
  ON_3dPoint& operator+=(const ON_3dPoint& p);
  ON_3dPoint& operator+=(const ON_3dVector& v);
  ON_3dPoint& operator-=(const ON_3dPoint& p);
  ON_3dPoint& operator-=(const ON_3dVector& v);

  ON_3dPoint operator*(double d) const;
  ON_3dPoint operator/(double d) const;
  ON_3dPoint operator+(const ON_3dPoint& p) const;
  ON_3dPoint operator+(const ON_3dVector& v) const;
  ON_3dVector operator-(const ON_3dPoint& p) const;
  ON_3dPoint operator-(const ON_3dVector& v) const;
  ON_3dPoint operator-() const;
  // Dot products with the coordinates taken as a vector.
  double operator*(const ON_3dPoint& p) const;
  double operator*(const ON_3dVector& v) const;

  // Dictionary order on (x, y, z); a comparison with NaN is false.
  bool operator==(const ON_3dPoint& p) const;
  bool operator!=(const ON_3dPoint& p) const;
  bool operator<(const ON_3dPoint& p) const;
  bool operator<=(const ON_3dPoint& p) const;
  bool operator>(const ON_3dPoint& p) const;
  bool operator>=(const ON_3dPoint& p) const;

  double DistanceTo(const ON_3dPoint& p) const;
  double DistanceToSquared(const ON_3dPoint& p) const;

  int MaximumCoordinateIndex() const;
  double MaximumCoordinate() const; // largest absolute value
  int MinimumCoordinateIndex() const;
  double MinimumCoordinate() const; // smallest absolute value

  // Homogeneous transformation; a point mapped to w = 0 becomes (0,0,0).
  void Transform(const ON_Xform& xform);

  void Zero();
  bool IsZero() const;
  bool IsValid() const;
  // True when any coordinate is ON_UNSET_VALUE.
  bool IsUnsetPoint() const;
};

ON_DECL ON_3dPoint operator*(double d, const ON_3dPoint& p);

extern ON_EXTERN_DECL const ON_3dPoint ON_origin;
extern ON_EXTERN_DECL const ON_3dPoint ON_UNSET_POINT;
