#include "opennurbs_3dvector.h"

#include "opennurbs_2dvector.h"
#include "opennurbs_3dpoint.h"
#include "opennurbs_3fvector.h"
#include "opennurbs_xform.h"

#include <algorithm>
#include <cmath>

const ON_3dVector ON_3dVector::ZeroVector(0.0, 0.0, 0.0);
const ON_3dVector ON_3dVector::XAxis(1.0, 0.0, 0.0);
const ON_3dVector ON_3dVector::YAxis(0.0, 1.0, 0.0);
const ON_3dVector ON_3dVector::ZAxis(0.0, 0.0, 1.0);
const ON_3dVector ON_3dVector::UnsetVector(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);
const ON_3dVector ON_xaxis(1.0, 0.0, 0.0);
const ON_3dVector ON_yaxis(0.0, 1.0, 0.0);
const ON_3dVector ON_zaxis(0.0, 0.0, 1.0);
const ON_3dVector ON_UNSET_VECTOR(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE);

namespace
{
// 2^1023: lifts denormal vectors into the normal range before unitizing.
const double kDenormalScale = 8.9884656743115795e+307;

// Length as m*sqrt(1+(p/m)^2+(q/m)^2) with m the largest magnitude, so squares cannot overflow.
double SafeLength(double a, double b, double c)
{
  double m = std::fabs(a), p = std::fabs(b), q = std::fabs(c);
  if (p > m)
    std::swap(m, p);
  if (q > m)
    std::swap(m, q);
  if (m > ON_DBL_MIN)
  {
    p /= m;
    q /= m;
    return m * std::sqrt(1.0 + p * p + q * q);
  }
  if (m > 0.0 && std::isfinite(m))
    return m;
  return 0.0;
}

bool DivideByLength(ON_3dVector& v)
{
  const double d = SafeLength(v.x, v.y, v.z);
  if (!std::isfinite(d) || !(d > ON_DBL_MIN))
    return false;
  v.x /= d;
  v.y /= d;
  v.z /= d;
  return true;
}

// Picks the candidate normal whose summed |cos| with the three edges is smallest.
double EdgeError(const ON_3dVector& n, const ON_3dVector* edges, const double* lengths)
{
  double e = 0.0;
  for (int i = 0; i < 3; i++)
    e += std::fabs(ON_DotProduct(n, edges[i])) / lengths[i];
  return e;
}
} // namespace

ON_3dVector::ON_3dVector(const double* v) : x(v[0]), y(v[1]), z(v[2]) {}
ON_3dVector::ON_3dVector(const float* v) : x(v[0]), y(v[1]), z(v[2]) {}
ON_3dVector::ON_3dVector(const ON_2dVector& v) : x(v.x), y(v.y), z(0.0) {}
ON_3dVector::ON_3dVector(const ON_3fVector& v) : x(v.x), y(v.y), z(v.z) {}
ON_3dVector::ON_3dVector(const ON_3dPoint& p) : x(p.x), y(p.y), z(p.z) {}

void ON_3dVector::Set(double xx, double yy, double zz)
{
  x = xx;
  y = yy;
  z = zz;
}

double& ON_3dVector::operator[](int i) { return (i <= 0) ? x : ((i == 1) ? y : z); }
double ON_3dVector::operator[](int i) const { return (i <= 0) ? x : ((i == 1) ? y : z); }
ON_3dVector::operator double*() { return &x; }
ON_3dVector::operator const double*() const { return &x; }

ON_3dVector ON_3dVector::operator-() const { return ON_3dVector(-x, -y, -z); }

ON_3dVector& ON_3dVector::operator*=(double d)
{
  x *= d;
  y *= d;
  z *= d;
  return *this;
}

ON_3dVector& ON_3dVector::operator/=(double d)
{
  x /= d;
  y /= d;
  z /= d;
  return *this;
}

ON_3dVector& ON_3dVector::operator+=(const ON_3dVector& v)
{
  x += v.x;
  y += v.y;
  z += v.z;
  return *this;
}

ON_3dVector& ON_3dVector::operator-=(const ON_3dVector& v)
{
  x -= v.x;
  y -= v.y;
  z -= v.z;
  return *this;
}

ON_3dVector ON_3dVector::operator*(double d) const { return ON_3dVector(x * d, y * d, z * d); }
ON_3dVector ON_3dVector::operator/(double d) const { return ON_3dVector(x / d, y / d, z / d); }
ON_3dVector ON_3dVector::operator+(const ON_3dVector& v) const { return ON_3dVector(x + v.x, y + v.y, z + v.z); }
ON_3dPoint ON_3dVector::operator+(const ON_3dPoint& p) const { return ON_3dPoint(x + p.x, y + p.y, z + p.z); }
ON_3dVector ON_3dVector::operator-(const ON_3dVector& v) const { return ON_3dVector(x - v.x, y - v.y, z - v.z); }
ON_3dPoint ON_3dVector::operator-(const ON_3dPoint& p) const { return ON_3dPoint(x - p.x, y - p.y, z - p.z); }
double ON_3dVector::operator*(const ON_3dVector& v) const { return x * v.x + y * v.y + z * v.z; }

bool ON_3dVector::operator==(const ON_3dVector& v) const { return x == v.x && y == v.y && z == v.z; }
bool ON_3dVector::operator!=(const ON_3dVector& v) const { return x != v.x || y != v.y || z != v.z; }

bool ON_3dVector::operator<(const ON_3dVector& v) const
{
  return x < v.x || (x == v.x && (y < v.y || (y == v.y && z < v.z)));
}

bool ON_3dVector::operator<=(const ON_3dVector& v) const
{
  return x < v.x || (x == v.x && (y < v.y || (y == v.y && z <= v.z)));
}

bool ON_3dVector::operator>(const ON_3dVector& v) const
{
  return x > v.x || (x == v.x && (y > v.y || (y == v.y && z > v.z)));
}

bool ON_3dVector::operator>=(const ON_3dVector& v) const
{
  return x > v.x || (x == v.x && (y > v.y || (y == v.y && z >= v.z)));
}

double ON_3dVector::Length() const { return SafeLength(x, y, z); }

double ON_3dVector::LengthSquared() const { return x * x + y * y + z * z; }

bool ON_3dVector::Unitize()
{
  if (DivideByLength(*this))
    return true;
  const double d = SafeLength(x, y, z);
  if (std::isfinite(d) && d > 0.0)
  {
    ON_3dVector scaled = *this * kDenormalScale;
    if (DivideByLength(scaled))
    {
      *this = scaled;
      return true;
    }
  }
  Zero();
  return false;
}

ON_3dVector ON_3dVector::UnitVector() const
{
  ON_3dVector u(*this);
  u.Unitize();
  return u;
}

int ON_3dVector::MaximumCoordinateIndex() const
{
  return (std::fabs(y) > std::fabs(x)) ? ((std::fabs(z) > std::fabs(y)) ? 2 : 1)
                                       : ((std::fabs(z) > std::fabs(x)) ? 2 : 0);
}

double ON_3dVector::MaximumCoordinate() const { return std::fabs((*this)[MaximumCoordinateIndex()]); }

int ON_3dVector::MinimumCoordinateIndex() const
{
  return (std::fabs(y) < std::fabs(x)) ? ((std::fabs(z) < std::fabs(y)) ? 2 : 1)
                                       : ((std::fabs(z) < std::fabs(x)) ? 2 : 0);
}

double ON_3dVector::MinimumCoordinate() const { return std::fabs((*this)[MinimumCoordinateIndex()]); }

void ON_3dVector::Transform(const ON_Xform& xform)
{
  const double(*m)[4] = xform.m_xform;
  Set(m[0][0] * x + m[0][1] * y + m[0][2] * z, m[1][0] * x + m[1][1] * y + m[1][2] * z,
      m[2][0] * x + m[2][1] * y + m[2][2] * z);
}

void ON_3dVector::Zero() { x = y = z = 0.0; }

void ON_3dVector::Reverse()
{
  x = -x;
  y = -y;
  z = -z;
}

bool ON_3dVector::IsZero() const { return x == 0.0 && y == 0.0 && z == 0.0; }

bool ON_3dVector::IsTiny(double tiny_tol) const
{
  return std::fabs(x) <= tiny_tol && std::fabs(y) <= tiny_tol && std::fabs(z) <= tiny_tol;
}

bool ON_3dVector::IsUnitVector() const { return IsValid() && std::fabs(Length() - 1.0) <= ON_SQRT_EPSILON; }

bool ON_3dVector::IsValid() const { return ON_IsValid(x) && ON_IsValid(y) && ON_IsValid(z); }

bool ON_3dVector::IsUnsetVector() const { return x == ON_UNSET_VALUE || y == ON_UNSET_VALUE || z == ON_UNSET_VALUE; }

int ON_3dVector::IsParallelTo(const ON_3dVector& v, double angle_tolerance) const
{
  const double ll = Length() * v.Length();
  if (!(ll > 0.0))
    return 0;
  const double cos_angle = (x * v.x + y * v.y + z * v.z) / ll;
  const double cos_tol = std::cos(angle_tolerance);
  if (cos_angle >= cos_tol)
    return 1;
  if (cos_angle <= -cos_tol)
    return -1;
  return 0;
}

bool ON_3dVector::IsPerpendicularTo(const ON_3dVector& v, double angle_tolerance) const
{
  const double ll = Length() * v.Length();
  if (!(ll > 0.0))
    return false;
  return std::fabs((x * v.x + y * v.y + z * v.z) / ll) <= std::sin(angle_tolerance);
}

bool ON_3dVector::PerpendicularTo(const ON_3dVector& v)
{
  const double ax = std::fabs(v.x), ay = std::fabs(v.y), az = std::fabs(v.z);
  if (ay > ax)
  {
    if (az > ay)
    {
      Set(0.0, v.z, -v.y);
      return v.z != 0.0;
    }
    if (az >= ax)
    {
      Set(0.0, -v.z, v.y);
      return v.y != 0.0;
    }
    Set(v.y, -v.x, 0.0);
    return v.y != 0.0;
  }
  if (az > ax)
  {
    Set(v.z, 0.0, -v.x);
    return v.z != 0.0;
  }
  if (az > ay)
  {
    Set(-v.z, 0.0, v.x);
    return v.x != 0.0;
  }
  Set(-v.y, v.x, 0.0);
  return v.x != 0.0;
}

bool ON_3dVector::PerpendicularTo(const ON_3dPoint& P0, const ON_3dPoint& P1, const ON_3dPoint& P2)
{
  Zero();
  const ON_3dVector edges[3] = {P2 - P1, P0 - P2, P1 - P0};
  ON_3dVector normals[3] = {ON_CrossProduct(edges[1], edges[2]), ON_CrossProduct(edges[2], edges[0]),
                            ON_CrossProduct(edges[0], edges[1])};
  for (ON_3dVector& n : normals)
  {
    if (!n.Unitize())
      return false;
  }
  const double lengths[3] = {edges[0].Length(), edges[1].Length(), edges[2].Length()};
  const double e0 = EdgeError(normals[0], edges, lengths);
  const double e1 = EdgeError(normals[1], edges, lengths);
  const double e2 = EdgeError(normals[2], edges, lengths);
  if (e0 <= e1)
    *this = (e0 <= e2) ? normals[0] : normals[2];
  else
    *this = (e1 <= e2) ? normals[1] : normals[2];
  return true;
}

ON_3dVector operator*(double d, const ON_3dVector& v) { return ON_3dVector(d * v.x, d * v.y, d * v.z); }

double ON_DotProduct(const ON_3dVector& a, const ON_3dVector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

ON_3dVector ON_CrossProduct(const ON_3dVector& a, const ON_3dVector& b)
{
  return ON_3dVector(a.y * b.z - b.y * a.z, a.z * b.x - b.z * a.x, a.x * b.y - b.x * a.y);
}

ON_3dVector ON_CrossProduct(const double* a, const double* b)
{
  return ON_CrossProduct(ON_3dVector(a), ON_3dVector(b));
}

double ON_TripleProduct(const ON_3dVector& a, const ON_3dVector& b, const ON_3dVector& c)
{
  return ON_DotProduct(a, ON_CrossProduct(b, c));
}
