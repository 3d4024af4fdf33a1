#include "opennurbs_2dvector.h"

#include "opennurbs_2dpoint.h"
#include "opennurbs_3dvector.h"

#include <cmath>

const ON_2dVector ON_2dVector::ZeroVector(0.0, 0.0);
const ON_2dVector ON_2dVector::XAxis(1.0, 0.0);
const ON_2dVector ON_2dVector::YAxis(0.0, 1.0);
const ON_2dVector ON_2dVector::UnsetVector(ON_UNSET_VALUE, ON_UNSET_VALUE);

ON_2dVector::ON_2dVector(const double* v) : x(v[0]), y(v[1]) {}
ON_2dVector::ON_2dVector(const ON_2dPoint& p) : x(p.x), y(p.y) {}
ON_2dVector::ON_2dVector(const ON_3dVector& v) : x(v.x), y(v.y) {}

void ON_2dVector::Set(double xx, double yy)
{
  x = xx;
  y = yy;
}

double& ON_2dVector::operator[](int i) { return (i <= 0) ? x : y; }
double ON_2dVector::operator[](int i) const { return (i <= 0) ? x : y; }

ON_2dVector ON_2dVector::operator-() const { return ON_2dVector(-x, -y); }

ON_2dVector& ON_2dVector::operator*=(double d)
{
  x *= d;
  y *= d;
  return *this;
}

ON_2dVector& ON_2dVector::operator/=(double d)
{
  x /= d;
  y /= d;
  return *this;
}

ON_2dVector& ON_2dVector::operator+=(const ON_2dVector& v)
{
  x += v.x;
  y += v.y;
  return *this;
}

ON_2dVector& ON_2dVector::operator-=(const ON_2dVector& v)
{
  x -= v.x;
  y -= v.y;
  return *this;
}

ON_2dVector ON_2dVector::operator*(double d) const { return ON_2dVector(x * d, y * d); }
ON_2dVector ON_2dVector::operator/(double d) const { return ON_2dVector(x / d, y / d); }
ON_2dVector ON_2dVector::operator+(const ON_2dVector& v) const { return ON_2dVector(x + v.x, y + v.y); }
ON_2dVector ON_2dVector::operator-(const ON_2dVector& v) const { return ON_2dVector(x - v.x, y - v.y); }
double ON_2dVector::operator*(const ON_2dVector& v) const { return x * v.x + y * v.y; }

bool ON_2dVector::operator==(const ON_2dVector& v) const { return x == v.x && y == v.y; }
bool ON_2dVector::operator!=(const ON_2dVector& v) const { return x != v.x || y != v.y; }
bool ON_2dVector::operator<(const ON_2dVector& v) const { return x < v.x || (x == v.x && y < v.y); }
bool ON_2dVector::operator<=(const ON_2dVector& v) const { return x < v.x || (x == v.x && y <= v.y); }
bool ON_2dVector::operator>(const ON_2dVector& v) const { return x > v.x || (x == v.x && y > v.y); }
bool ON_2dVector::operator>=(const ON_2dVector& v) const { return x > v.x || (x == v.x && y >= v.y); }

double ON_2dVector::Length() const { return ON_3dVector(x, y, 0.0).Length(); }

double ON_2dVector::LengthSquared() const { return x * x + y * y; }

bool ON_2dVector::Unitize()
{
  ON_3dVector v(x, y, 0.0);
  const bool rc = v.Unitize();
  Set(v.x, v.y);
  return rc;
}

bool ON_2dVector::PerpendicularTo(const ON_2dVector& v)
{
  Set(-v.y, v.x);
  return x != 0.0 || y != 0.0;
}

void ON_2dVector::Zero() { x = y = 0.0; }

void ON_2dVector::Reverse()
{
  x = -x;
  y = -y;
}

bool ON_2dVector::IsZero() const { return x == 0.0 && y == 0.0; }
bool ON_2dVector::IsTiny(double tiny_tol) const { return std::fabs(x) <= tiny_tol && std::fabs(y) <= tiny_tol; }
bool ON_2dVector::IsValid() const { return ON_IsValid(x) && ON_IsValid(y); }
bool ON_2dVector::IsUnsetVector() const { return x == ON_UNSET_VALUE || y == ON_UNSET_VALUE; }

ON_2dVector operator*(double d, const ON_2dVector& v) { return ON_2dVector(d * v.x, d * v.y); }

double ON_DotProduct(const ON_2dVector& a, const ON_2dVector& b) { return a.x * b.x + a.y * b.y; }

ON_3dVector ON_CrossProduct(const ON_2dVector& a, const ON_2dVector& b)
{
  return ON_3dVector(0.0, 0.0, a.x * b.y - b.x * a.y);
}
