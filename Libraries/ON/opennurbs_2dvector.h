#pragma once

#include "opennurbs_defines.h"

class ON_2dPoint;
class ON_3dVector;

// Double-precision direction in 2-D; the default constructor leaves x, y uninitialized.
class ON_CLASS ON_2dVector
{
public:
  double x, y;

  static const ON_2dVector ZeroVector;
  static const ON_2dVector XAxis;
  static const ON_2dVector YAxis;
  static const ON_2dVector UnsetVector;

  ON_2dVector() = default;
  constexpr ON_2dVector(double xx, double yy) : x(xx), y(yy) {}
  explicit ON_2dVector(const double* v);
  explicit ON_2dVector(const ON_2dPoint& p);
  explicit ON_2dVector(const ON_3dVector& v); // drops z

  void Set(double xx, double yy);

  double& operator[](int i);
  double operator[](int i) const;

  ON_2dVector operator-() const;
  ON_2dVector& operator*=(double d);
  ON_2dVector& operator/=(double d);
  ON_2dVector& operator+=(const ON_2dVector& v);
  ON_2dVector& operator-=(const ON_2dVector& v);

  ON_2dVector operator*(double d) const;
  ON_2dVector operator/(double d) const;
  ON_2dVector operator+(const ON_2dVector& v) const;
  ON_2dVector operator-(const ON_2dVector& v) const;
  double operator*(const ON_2dVector& v) const; // dot product

  bool operator==(const ON_2dVector& v) const;
  bool operator!=(const ON_2dVector& v) const;
  bool operator<(const ON_2dVector& v) const;
  bool operator<=(const ON_2dVector& v) const;
  bool operator>(const ON_2dVector& v) const;
  bool operator>=(const ON_2dVector& v) const;

  double Length() const;
  double LengthSquared() const;
  // Scales to length 1; a zero, infinite or NaN vector becomes (0,0) and false is returned.
  bool Unitize();
  // Sets *this to v turned a quarter turn counter-clockwise; false when v is zero.
  bool PerpendicularTo(const ON_2dVector& v);

  void Zero();
  void Reverse();
  bool IsZero() const;
  bool IsTiny(double tiny_tol = ON_ZERO_TOLERANCE) const;
  bool IsValid() const;
  bool IsUnsetVector() const;
};

ON_DECL ON_2dVector operator*(double d, const ON_2dVector& v);
ON_DECL double ON_DotProduct(const ON_2dVector& a, const ON_2dVector& b);
ON_DECL ON_3dVector ON_CrossProduct(const ON_2dVector& a, const ON_2dVector& b);
