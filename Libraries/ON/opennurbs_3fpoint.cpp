#include "opennurbs_3fpoint.h"

#include "opennurbs_3dpoint.h"
#include "opennurbs_3fvector.h"

const ON_3fPoint ON_3fPoint::Origin(0.0f, 0.0f, 0.0f);

ON_3fPoint::ON_3fPoint(const float* p) : x(p[0]), y(p[1]), z(p[2]) {}

ON_3fPoint::ON_3fPoint(const double* p)
    : x(static_cast<float>(p[0])), y(static_cast<float>(p[1])), z(static_cast<float>(p[2]))
{
}

ON_3fPoint::ON_3fPoint(const ON_3dPoint& p)
    : x(static_cast<float>(p.x)), y(static_cast<float>(p.y)), z(static_cast<float>(p.z))
{
}

void ON_3fPoint::Set(float xx, float yy, float zz)
{
  x = xx;
  y = yy;
  z = zz;
}

float& ON_3fPoint::operator[](int i) { return (i <= 0) ? x : ((i == 1) ? y : z); }
float ON_3fPoint::operator[](int i) const { return (i <= 0) ? x : ((i == 1) ? y : z); }
ON_3fPoint::operator float*() { return &x; }
ON_3fPoint::operator const float*() const { return &x; }

ON_3fPoint& ON_3fPoint::operator*=(float d)
{
  x *= d;
  y *= d;
  z *= d;
  return *this;
}

ON_3fPoint& ON_3fPoint::operator/=(float d)
{
  x /= d;
  y /= d;
  z /= d;
  return *this;
}

ON_3fPoint& ON_3fPoint::operator+=(const ON_3fVector& v)
{
  x += v.x;
  y += v.y;
  z += v.z;
  return *this;
}

ON_3fPoint& ON_3fPoint::operator-=(const ON_3fVector& v)
{
  x -= v.x;
  y -= v.y;
  z -= v.z;
  return *this;
}

ON_3fPoint ON_3fPoint::operator*(float d) const { return ON_3fPoint(x * d, y * d, z * d); }
ON_3fPoint ON_3fPoint::operator/(float d) const { return ON_3fPoint(x / d, y / d, z / d); }
ON_3fPoint ON_3fPoint::operator+(const ON_3fPoint& p) const { return ON_3fPoint(x + p.x, y + p.y, z + p.z); }
ON_3fPoint ON_3fPoint::operator+(const ON_3fVector& v) const { return ON_3fPoint(x + v.x, y + v.y, z + v.z); }
ON_3fVector ON_3fPoint::operator-(const ON_3fPoint& p) const { return ON_3fVector(x - p.x, y - p.y, z - p.z); }
ON_3fPoint ON_3fPoint::operator-(const ON_3fVector& v) const { return ON_3fPoint(x - v.x, y - v.y, z - v.z); }

bool ON_3fPoint::operator==(const ON_3fPoint& p) const { return x == p.x && y == p.y && z == p.z; }
bool ON_3fPoint::operator!=(const ON_3fPoint& p) const { return x != p.x || y != p.y || z != p.z; }

bool ON_3fPoint::operator<(const ON_3fPoint& p) const
{
  return x < p.x || (x == p.x && (y < p.y || (y == p.y && z < p.z)));
}

bool ON_3fPoint::operator<=(const ON_3fPoint& p) const
{
  return x < p.x || (x == p.x && (y < p.y || (y == p.y && z <= p.z)));
}

bool ON_3fPoint::operator>(const ON_3fPoint& p) const
{
  return x > p.x || (x == p.x && (y > p.y || (y == p.y && z > p.z)));
}

bool ON_3fPoint::operator>=(const ON_3fPoint& p) const
{
  return x > p.x || (x == p.x && (y > p.y || (y == p.y && z >= p.z)));
}

double ON_3fPoint::DistanceTo(const ON_3fPoint& p) const { return ON_3dPoint(*this).DistanceTo(ON_3dPoint(p)); }

void ON_3fPoint::Zero() { x = y = z = 0.0f; }
bool ON_3fPoint::IsZero() const { return x == 0.0f && y == 0.0f && z == 0.0f; }
bool ON_3fPoint::IsValid() const { return ON_IsValidFloat(x) && ON_IsValidFloat(y) && ON_IsValidFloat(z); }

ON_3fPoint operator*(float d, const ON_3fPoint& p) { return ON_3fPoint(d * p.x, d * p.y, d * p.z); }
