#include "opennurbs_2dpoint.h"

#include "opennurbs_2dvector.h"
#include "opennurbs_2fpoint.h"
#include "opennurbs_3dpoint.h"

const ON_2dPoint ON_2dPoint::Origin(0.0, 0.0);
const ON_2dPoint ON_2dPoint::UnsetPoint(ON_UNSET_VALUE, ON_UNSET_VALUE);

ON_2dPoint::ON_2dPoint(const double* p) : x(p[0]), y(p[1]) {}
ON_2dPoint::ON_2dPoint(const ON_3dPoint& p) : x(p.x), y(p.y) {}
ON_2dPoint::ON_2dPoint(const ON_2dVector& v) : x(v.x), y(v.y) {}
ON_2dPoint::ON_2dPoint(const ON_2fPoint& p) : x(p.x), y(p.y) {}

void ON_2dPoint::Set(double xx, double yy)
{
  x = xx;
  y = yy;
}

double& ON_2dPoint::operator[](int i) { return (i <= 0) ? x : y; }
double ON_2dPoint::operator[](int i) const { return (i <= 0) ? x : y; }
ON_2dPoint::operator double*() { return &x; }
ON_2dPoint::operator const double*() const { return &x; }

ON_2dPoint& ON_2dPoint::operator*=(double d)
{
  x *= d;
  y *= d;
  return *this;
}

ON_2dPoint& ON_2dPoint::operator/=(double d)
{
  x /= d;
  y /= d;
  return *this;
}

ON_2dPoint& ON_2dPoint::operator+=(const ON_2dVector& v)
{
  x += v.x;
  y += v.y;
  return *this;
}

ON_2dPoint& ON_2dPoint::operator-=(const ON_2dVector& v)
{
  x -= v.x;
  y -= v.y;
  return *this;
}

ON_2dPoint ON_2dPoint::operator*(double d) const { return ON_2dPoint(x * d, y * d); }
ON_2dPoint ON_2dPoint::operator/(double d) const { return ON_2dPoint(x / d, y / d); }
ON_2dPoint ON_2dPoint::operator+(const ON_2dPoint& p) const { return ON_2dPoint(x + p.x, y + p.y); }
ON_2dPoint ON_2dPoint::operator+(const ON_2dVector& v) const { return ON_2dPoint(x + v.x, y + v.y); }
ON_2dVector ON_2dPoint::operator-(const ON_2dPoint& p) const { return ON_2dVector(x - p.x, y - p.y); }
ON_2dPoint ON_2dPoint::operator-(const ON_2dVector& v) const { return ON_2dPoint(x - v.x, y - v.y); }

bool ON_2dPoint::operator==(const ON_2dPoint& p) const { return x == p.x && y == p.y; }
bool ON_2dPoint::operator!=(const ON_2dPoint& p) const { return x != p.x || y != p.y; }
bool ON_2dPoint::operator<(const ON_2dPoint& p) const { return x < p.x || (x == p.x && y < p.y); }
bool ON_2dPoint::operator<=(const ON_2dPoint& p) const { return x < p.x || (x == p.x && y <= p.y); }
bool ON_2dPoint::operator>(const ON_2dPoint& p) const { return x > p.x || (x == p.x && y > p.y); }
bool ON_2dPoint::operator>=(const ON_2dPoint& p) const { return x > p.x || (x == p.x && y >= p.y); }

double ON_2dPoint::DistanceTo(const ON_2dPoint& p) const { return (p - *this).Length(); }

void ON_2dPoint::Zero() { x = y = 0.0; }
bool ON_2dPoint::IsZero() const { return x == 0.0 && y == 0.0; }
bool ON_2dPoint::IsValid() const { return ON_IsValid(x) && ON_IsValid(y); }
bool ON_2dPoint::IsUnsetPoint() const { return x == ON_UNSET_VALUE || y == ON_UNSET_VALUE; }

ON_2dPoint operator*(double d, const ON_2dPoint& p) { return ON_2dPoint(d * p.x, d * p.y); }
