#include "opennurbs_3dpoint.h"

#include "opennurbs_2dpoint.h"
#include "opennurbs_3dvector.h"
#include "opennurbs_3fpoint.h"
#include "opennurbs_3fvector.h"
#include "opennurbs_4dpoint.h"
#include "opennurbs_xform.h"

#include <cmath>

const ON_3dPoint ON_3dPoint::Origin(0.0, 0.0, 0.0);
const ON_3dPoint ON_3dPoint::UnsetPoint(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);
const ON_3dPoint ON_origin(0.0, 0.0, 0.0);
const ON_3dPoint ON_UNSET_POINT(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);

ON_3dPoint::ON_3dPoint(const double* p) : x(p[0]), y(p[1]), z(p[2]) {}
ON_3dPoint::ON_3dPoint(const float* p) : x(p[0]), y(p[1]), z(p[2]) {}
ON_3dPoint::ON_3dPoint(const ON_2dPoint& p) : x(p.x), y(p.y), z(0.0) {}
ON_3dPoint::ON_3dPoint(const ON_3dVector& v) : x(v.x), y(v.y), z(v.z) {}
ON_3dPoint::ON_3dPoint(const ON_3fPoint& p) : x(p.x), y(p.y), z(p.z) {}
ON_3dPoint::ON_3dPoint(const ON_3fVector& v) : x(v.x), y(v.y), z(v.z) {}

ON_3dPoint::ON_3dPoint(const ON_4dPoint& h)
{
  const double s = (h.w != 0.0 && h.w != 1.0) ? 1.0 / h.w : 1.0;
  x = h.x * s;
  y = h.y * s;
  z = h.z * s;
}

void ON_3dPoint::Set(double xx, double yy, double zz)
{
  x = xx;
  y = yy;
  z = zz;
}

double& ON_3dPoint::operator[](int i) { return (i <= 0) ? x : ((i == 1) ? y : z); }
double ON_3dPoint::operator[](int i) const { return (i <= 0) ? x : ((i == 1) ? y : z); }
ON_3dPoint::operator double*() { return &x; }
ON_3dPoint::operator const double*() const { return &x; }

ON_3dPoint& ON_3dPoint::operator*=(double d)
{
  x *= d;
  y *= d;
  z *= d;
  return *this;
}

ON_3dPoint& ON_3dPoint::operator/=(double d)
{
  x /= d;
  y /= d;
  z /= d;
  return *this;
}

ON_3dPoint& ON_3dPoint::operator+=(const ON_3dPoint& p)
{
  x += p.x;
  y += p.y;
  z += p.z;
  return *this;
}

ON_3dPoint& ON_3dPoint::operator+=(const ON_3dVector& v)
{
  x += v.x;
  y += v.y;
  z += v.z;
  return *this;
}

ON_3dPoint& ON_3dPoint::operator-=(const ON_3dPoint& p)
{
  x -= p.x;
  y -= p.y;
  z -= p.z;
  return *this;
}

ON_3dPoint& ON_3dPoint::operator-=(const ON_3dVector& v)
{
  x -= v.x;
  y -= v.y;
  z -= v.z;
  return *this;
}

ON_3dPoint ON_3dPoint::operator*(double d) const { return ON_3dPoint(x * d, y * d, z * d); }

ON_3dPoint ON_3dPoint::operator/(double d) const { return ON_3dPoint(x / d, y / d, z / d); }

ON_3dPoint ON_3dPoint::operator+(const ON_3dPoint& p) const { return ON_3dPoint(x + p.x, y + p.y, z + p.z); }
ON_3dPoint ON_3dPoint::operator+(const ON_3dVector& v) const { return ON_3dPoint(x + v.x, y + v.y, z + v.z); }
ON_3dVector ON_3dPoint::operator-(const ON_3dPoint& p) const { return ON_3dVector(x - p.x, y - p.y, z - p.z); }
ON_3dPoint ON_3dPoint::operator-(const ON_3dVector& v) const { return ON_3dPoint(x - v.x, y - v.y, z - v.z); }
ON_3dPoint ON_3dPoint::operator-() const { return ON_3dPoint(-x, -y, -z); }
double ON_3dPoint::operator*(const ON_3dPoint& p) const { return x * p.x + y * p.y + z * p.z; }
double ON_3dPoint::operator*(const ON_3dVector& v) const { return x * v.x + y * v.y + z * v.z; }

bool ON_3dPoint::operator==(const ON_3dPoint& p) const { return x == p.x && y == p.y && z == p.z; }
bool ON_3dPoint::operator!=(const ON_3dPoint& p) const { return x != p.x || y != p.y || z != p.z; }

bool ON_3dPoint::operator<(const ON_3dPoint& p) const
{
  return x < p.x || (x == p.x && (y < p.y || (y == p.y && z < p.z)));
}

bool ON_3dPoint::operator<=(const ON_3dPoint& p) const
{
  return x < p.x || (x == p.x && (y < p.y || (y == p.y && z <= p.z)));
}

bool ON_3dPoint::operator>(const ON_3dPoint& p) const
{
  return x > p.x || (x == p.x && (y > p.y || (y == p.y && z > p.z)));
}

bool ON_3dPoint::operator>=(const ON_3dPoint& p) const
{
  return x > p.x || (x == p.x && (y > p.y || (y == p.y && z >= p.z)));
}

double ON_3dPoint::DistanceTo(const ON_3dPoint& p) const { return (p - *this).Length(); }

double ON_3dPoint::DistanceToSquared(const ON_3dPoint& p) const { return (p - *this).LengthSquared(); }

int ON_3dPoint::MaximumCoordinateIndex() const
{
  return (std::fabs(y) > std::fabs(x)) ? ((std::fabs(z) > std::fabs(y)) ? 2 : 1)
                                       : ((std::fabs(z) > std::fabs(x)) ? 2 : 0);
}

double ON_3dPoint::MaximumCoordinate() const { return std::fabs((*this)[MaximumCoordinateIndex()]); }

int ON_3dPoint::MinimumCoordinateIndex() const
{
  return (std::fabs(y) < std::fabs(x)) ? ((std::fabs(z) < std::fabs(y)) ? 2 : 1)
                                       : ((std::fabs(z) < std::fabs(x)) ? 2 : 0);
}

double ON_3dPoint::MinimumCoordinate() const { return std::fabs((*this)[MinimumCoordinateIndex()]); }

void ON_3dPoint::Transform(const ON_Xform& xform)
{
  const double(*m)[4] = xform.m_xform;
  const double hx = m[0][0] * x + m[0][1] * y + m[0][2] * z + m[0][3];
  const double hy = m[1][0] * x + m[1][1] * y + m[1][2] * z + m[1][3];
  const double hz = m[2][0] * x + m[2][1] * y + m[2][2] * z + m[2][3];
  const double w = m[3][0] * x + m[3][1] * y + m[3][2] * z + m[3][3];
  const double s = (w != 0.0) ? 1.0 / w : 0.0;
  Set(s * hx, s * hy, s * hz);
}

void ON_3dPoint::Zero() { x = y = z = 0.0; }

bool ON_3dPoint::IsZero() const { return x == 0.0 && y == 0.0 && z == 0.0; }

bool ON_3dPoint::IsValid() const { return ON_IsValid(x) && ON_IsValid(y) && ON_IsValid(z); }

bool ON_3dPoint::IsUnsetPoint() const { return x == ON_UNSET_VALUE || y == ON_UNSET_VALUE || z == ON_UNSET_VALUE; }

ON_3dPoint operator*(double d, const ON_3dPoint& p) { return ON_3dPoint(d * p.x, d * p.y, d * p.z); }
