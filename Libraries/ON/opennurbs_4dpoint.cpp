#include "opennurbs_4dpoint.h"

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"

const ON_4dPoint ON_4dPoint::Zero4dPoint(0.0, 0.0, 0.0, 0.0);

ON_4dPoint::ON_4dPoint(const double* p) : x(p[0]), y(p[1]), z(p[2]), w(p[3]) {}
ON_4dPoint::ON_4dPoint(const ON_3dPoint& p) : x(p.x), y(p.y), z(p.z), w(1.0) {}
ON_4dPoint::ON_4dPoint(const ON_3dVector& v) : x(v.x), y(v.y), z(v.z), w(0.0) {}

void ON_4dPoint::Set(double xx, double yy, double zz, double ww)
{
  x = xx;
  y = yy;
  z = zz;
  w = ww;
}

double& ON_4dPoint::operator[](int i) { return (i <= 0) ? x : ((i == 1) ? y : ((i == 2) ? z : w)); }
double ON_4dPoint::operator[](int i) const { return (i <= 0) ? x : ((i == 1) ? y : ((i == 2) ? z : w)); }

ON_4dPoint& ON_4dPoint::operator*=(double d)
{
  x *= d;
  y *= d;
  z *= d;
  w *= d;
  return *this;
}

ON_4dPoint& ON_4dPoint::operator/=(double d)
{
  x /= d;
  y /= d;
  z /= d;
  w /= d;
  return *this;
}

ON_4dPoint& ON_4dPoint::operator+=(const ON_4dPoint& p)
{
  x += p.x;
  y += p.y;
  z += p.z;
  w += p.w;
  return *this;
}

ON_4dPoint& ON_4dPoint::operator-=(const ON_4dPoint& p)
{
  x -= p.x;
  y -= p.y;
  z -= p.z;
  w -= p.w;
  return *this;
}

ON_4dPoint ON_4dPoint::operator*(double d) const { return ON_4dPoint(x * d, y * d, z * d, w * d); }
ON_4dPoint ON_4dPoint::operator/(double d) const { return ON_4dPoint(x / d, y / d, z / d, w / d); }
ON_4dPoint ON_4dPoint::operator+(const ON_4dPoint& p) const { return ON_4dPoint(x + p.x, y + p.y, z + p.z, w + p.w); }
ON_4dPoint ON_4dPoint::operator-(const ON_4dPoint& p) const { return ON_4dPoint(x - p.x, y - p.y, z - p.z, w - p.w); }
double ON_4dPoint::operator*(const ON_4dPoint& p) const { return x * p.x + y * p.y + z * p.z + w * p.w; }

bool ON_4dPoint::operator==(const ON_4dPoint& p) const { return x == p.x && y == p.y && z == p.z && w == p.w; }
bool ON_4dPoint::operator!=(const ON_4dPoint& p) const { return !(*this == p); }

void ON_4dPoint::Zero() { x = y = z = w = 0.0; }

bool ON_4dPoint::Normalize()
{
  if (w == 0.0)
    return false;
  x /= w;
  y /= w;
  z /= w;
  w = 1.0;
  return true;
}

bool ON_4dPoint::IsValid() const { return ON_IsValid(x) && ON_IsValid(y) && ON_IsValid(z) && ON_IsValid(w); }

ON_4dPoint operator*(double d, const ON_4dPoint& p) { return ON_4dPoint(d * p.x, d * p.y, d * p.z, d * p.w); }
