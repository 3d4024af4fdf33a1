#pragma once

#include "opennurbs_defines.h"

class ON_3dVector;
class ON_3fPoint;

// Single-precision direction (mesh normals); the default constructor leaves it uninitialized.
class ON_CLASS ON_3fVector
{
public:
  float x, y, z;

  static const ON_3fVector ZeroVector;
  static const ON_3fVector XAxis;
  static const ON_3fVector YAxis;
  static const ON_3fVector ZAxis;

  ON_3fVector() = default;
  constexpr ON_3fVector(float xx, float yy, float zz) : x(xx), y(yy), z(zz) {}
  explicit ON_3fVector(const float* v);
  explicit ON_3fVector(const double* v);
  ON_3fVector(const ON_3dVector& v); // rounds to single precision
  explicit ON_3fVector(const ON_3fPoint& p);

  void Set(float xx, float yy, float zz);

  float& operator[](int i);
  float operator[](int i) const;

  ON_3fVector operator-() const;
  ON_3fVector& operator*=(float d);
  ON_3fVector& operator/=(float d);
  ON_3fVector& operator+=(const ON_3fVector& v);
  ON_3fVector& operator-=(const ON_3fVector& v);

  ON_3fVector operator*(float d) const;
  ON_3fVector operator/(float d) const;
  ON_3fVector operator+(const ON_3fVector& v) const;
  ON_3fVector operator-(const ON_3fVector& v) const;
  float operator*(const ON_3fVector& v) const; // dot product

  bool operator==(const ON_3fVector& v) const;
  bool operator!=(const ON_3fVector& v) const;

  double Length() const;
  double LengthSquared() const;
  // Unitized in double precision; a zero, infinite or NaN vector becomes (0,0,0) and false is returned.
  bool Unitize();

  void Zero();
  void Reverse();
  bool IsZero() const;
  bool IsValid() const;
};

ON_DECL ON_3fVector operator*(float d, const ON_3fVector& v);
ON_DECL float ON_DotProduct(const ON_3fVector& a, const ON_3fVector& b);
ON_DECL ON_3fVector ON_CrossProduct(const ON_3fVector& a, const ON_3fVector& b);
