#pragma once

#include "opennurbs_defines.h"

class ON_2dVector;
class ON_3dPoint;
class ON_3fVector;
class ON_Xform;

// Double-precision direction in 3-D; the default constructor leaves x, y, z uninitialized.
class ON_CLASS ON_3dVector
{
public:
  double x, y, z;

  static const ON_3dVector ZeroVector;
  static const ON_3dVector XAxis;
  static const ON_3dVector YAxis;
  static const ON_3dVector ZAxis;
  static const ON_3dVector UnsetVector;

  ON_3dVector() = default;
  constexpr ON_3dVector(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  explicit ON_3dVector(const double* v);
  explicit ON_3dVector(const float* v);
  ON_3dVector(const ON_2dVector& v);
  ON_3dVector(const ON_3fVector& v);
  explicit ON_3dVector(const ON_3dPoint& p);

  void Set(double xx, double yy, double zz);

  double& operator[](int i);
  double operator[](int i) const;
  operator double*();
  operator const double*() const;

  ON_3dVector operator-() const;
  ON_3dVector& operator*=(double d);
  ON_3dVector& operator/=(double d);
  ON_3dVector& operator+=(const ON_3dVector& v);
  ON_3dVector& operator-=(const ON_3dVector& v);

  ON_3dVector operator*(double d) const;
  ON_3dVector operator/(double d) const;
  ON_3dVector operator+(const ON_3dVector& v) const;
  ON_3dPoint operator+(const ON_3dPoint& p) const;
  ON_3dVector operator-(const ON_3dVector& v) const;
  ON_3dPoint operator-(const ON_3dPoint& p) const;
  double operator*(const ON_3dVector& v) const; // dot product

  // Dictionary order on (x, y, z); a comparison with NaN is false.
  bool operator==(const ON_3dVector& v) const;
  bool operator!=(const ON_3dVector& v) const;
  bool operator<(const ON_3dVector& v) const;
  bool operator<=(const ON_3dVector& v) const;
  bool operator>(const ON_3dVector& v) const;
  bool operator>=(const ON_3dVector& v) const;

  // Computed without overflow for huge coordinates.
  double Length() const;
  double LengthSquared() const;
  // Scales to length 1; a zero, infinite or NaN vector becomes (0,0,0) and false is returned.
  bool Unitize();
  ON_3dVector UnitVector() const;

  int MaximumCoordinateIndex() const;
  double MaximumCoordinate() const; // largest absolute value
  int MinimumCoordinateIndex() const;
  double MinimumCoordinate() const; // smallest absolute value

  // Applies the upper-left 3x3 part: no translation, no division.
  void Transform(const ON_Xform& xform);

  void Zero();
  void Reverse();
  bool IsZero() const;
  bool IsTiny(double tiny_tol = ON_ZERO_TOLERANCE) const;
  bool IsUnitVector() const;
  bool IsValid() const;
  // True when any coordinate is ON_UNSET_VALUE.
  bool IsUnsetVector() const;

  // +1 parallel, -1 anti-parallel, 0 otherwise (or when either vector is zero).
  int IsParallelTo(const ON_3dVector& v, double angle_tolerance = ON_DEFAULT_ANGLE_TOLERANCE) const;
  bool IsPerpendicularTo(const ON_3dVector& v, double angle_tolerance = ON_DEFAULT_ANGLE_TOLERANCE) const;

  // Sets *this to a (not unitized) vector perpendicular to v; false when v is zero.
  bool PerpendicularTo(const ON_3dVector& v);
  // Sets *this to the unit normal of the triangle P0, P1, P2 (counter-clockwise gives +);
  // false and (0,0,0) for a degenerate triangle.
  bool PerpendicularTo(const ON_3dPoint& P0, const ON_3dPoint& P1, const ON_3dPoint& P2);
};

ON_DECL ON_3dVector operator*(double d, const ON_3dVector& v);
ON_DECL double ON_DotProduct(const ON_3dVector& a, const ON_3dVector& b);
ON_DECL ON_3dVector ON_CrossProduct(const ON_3dVector& a, const ON_3dVector& b);
ON_DECL ON_3dVector ON_CrossProduct(const double* a, const double* b);
ON_DECL double ON_TripleProduct(const ON_3dVector& a, const ON_3dVector& b, const ON_3dVector& c);

extern ON_EXTERN_DECL const ON_3dVector ON_xaxis;
extern ON_EXTERN_DECL const ON_3dVector ON_yaxis;
extern ON_EXTERN_DECL const ON_3dVector ON_zaxis;
extern ON_EXTERN_DECL const ON_3dVector ON_UNSET_VECTOR;
