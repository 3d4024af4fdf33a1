#pragma once

#include "opennurbs_defines.h"

class ON_2dVector;
class ON_2fPoint;
class ON_3dPoint;

// Double-precision location in 2-D; the default constructor leaves x, y uninitialized.
class ON_CLASS ON_2dPoint
{
public:
  double x, y;

  static const ON_2dPoint Origin;
  static const ON_2dPoint UnsetPoint;

  ON_2dPoint() = default;
  constexpr ON_2dPoint(double xx, double yy) : x(xx), y(yy) {}
  explicit ON_2dPoint(const double* p);
  explicit ON_2dPoint(const ON_3dPoint& p); // drops z
  ON_2dPoint(const ON_2dVector& v);
  ON_2dPoint(const ON_2fPoint& p);

  void Set(double xx, double yy);

  double& operator[](int i);
  double operator[](int i) const;
  operator double*();
  operator const double*() const;

  ON_2dPoint& operator*=(double d);
  ON_2dPoint& operator/=(double d);
  ON_2dPoint& operator+=(const ON_2dVector& v);
  ON_2dPoint& operator-=(const ON_2dVector& v);

  ON_2dPoint operator*(double d) const;
  ON_2dPoint operator/(double d) const;
  ON_2dPoint operator+(const ON_2dPoint& p) const;
  ON_2dPoint operator+(const ON_2dVector& v) const;
  ON_2dVector operator-(const ON_2dPoint& p) const;
  ON_2dPoint operator-(const ON_2dVector& v) const;

  bool operator==(const ON_2dPoint& p) const;
  bool operator!=(const ON_2dPoint& p) const;
  bool operator<(const ON_2dPoint& p) const;
  bool operator<=(const ON_2dPoint& p) const;
  bool operator>(const ON_2dPoint& p) const;
  bool operator>=(const ON_2dPoint& p) const;

  double DistanceTo(const ON_2dPoint& p) const;
  void Zero();
  bool IsZero() const;
  bool IsValid() const;
  bool IsUnsetPoint() const;
};

ON_DECL ON_2dPoint operator*(double d, const ON_2dPoint& p);
