#include "opennurbs_3fvector.h"

#include "opennurbs_3dvector.h"
#include "opennurbs_3fpoint.h"

const ON_3fVector ON_3fVector::ZeroVector(0.0f, 0.0f, 0.0f);
const ON_3fVector ON_3fVector::XAxis(1.0f, 0.0f, 0.0f);
const ON_3fVector ON_3fVector::YAxis(0.0f, 1.0f, 0.0f);
const ON_3fVector ON_3fVector::ZAxis(0.0f, 0.0f, 1.0f);

ON_3fVector::ON_3fVector(const float* v) : x(v[0]), y(v[1]), z(v[2]) {}

ON_3fVector::ON_3fVector(const double* v)
    : x(static_cast<float>(v[0])), y(static_cast<float>(v[1])), z(static_cast<float>(v[2]))
{
}

ON_3fVector::ON_3fVector(const ON_3dVector& v)
    : x(static_cast<float>(v.x)), y(static_cast<float>(v.y)), z(static_cast<float>(v.z))
{
}

ON_3fVector::ON_3fVector(const ON_3fPoint& p) : x(p.x), y(p.y), z(p.z) {}

void ON_3fVector::Set(float xx, float yy, float zz)
{
  x = xx;
  y = yy;
  z = zz;
}

float& ON_3fVector::operator[](int i) { return (i <= 0) ? x : ((i == 1) ? y : z); }
float ON_3fVector::operator[](int i) const { return (i <= 0) ? x : ((i == 1) ? y : z); }

ON_3fVector ON_3fVector::operator-() const { return ON_3fVector(-x, -y, -z); }

ON_3fVector& ON_3fVector::operator*=(float d)
{
  x *= d;
  y *= d;
  z *= d;
  return *this;
}

ON_3fVector& ON_3fVector::operator/=(float d)
{
  x /= d;
  y /= d;
  z /= d;
  return *this;
}

ON_3fVector& ON_3fVector::operator+=(const ON_3fVector& v)
{
  x += v.x;
  y += v.y;
  z += v.z;
  return *this;
}

ON_3fVector& ON_3fVector::operator-=(const ON_3fVector& v)
{
  x -= v.x;
  y -= v.y;
  z -= v.z;
  return *this;
}

ON_3fVector ON_3fVector::operator*(float d) const { return ON_3fVector(x * d, y * d, z * d); }
ON_3fVector ON_3fVector::operator/(float d) const { return ON_3fVector(x / d, y / d, z / d); }
ON_3fVector ON_3fVector::operator+(const ON_3fVector& v) const { return ON_3fVector(x + v.x, y + v.y, z + v.z); }
ON_3fVector ON_3fVector::operator-(const ON_3fVector& v) const { return ON_3fVector(x - v.x, y - v.y, z - v.z); }
float ON_3fVector::operator*(const ON_3fVector& v) const { return x * v.x + y * v.y + z * v.z; }

bool ON_3fVector::operator==(const ON_3fVector& v) const { return x == v.x && y == v.y && z == v.z; }
bool ON_3fVector::operator!=(const ON_3fVector& v) const { return x != v.x || y != v.y || z != v.z; }

double ON_3fVector::Length() const { return ON_3dVector(*this).Length(); }

double ON_3fVector::LengthSquared() const
{
  return static_cast<double>(x) * x + static_cast<double>(y) * y + static_cast<double>(z) * z;
}

bool ON_3fVector::Unitize()
{
  ON_3dVector v(*this);
  const bool rc = v.Unitize();
  *this = ON_3fVector(v);
  return rc;
}

void ON_3fVector::Zero() { x = y = z = 0.0f; }

void ON_3fVector::Reverse()
{
  x = -x;
  y = -y;
  z = -z;
}

bool ON_3fVector::IsZero() const { return x == 0.0f && y == 0.0f && z == 0.0f; }
bool ON_3fVector::IsValid() const { return ON_IsValidFloat(x) && ON_IsValidFloat(y) && ON_IsValidFloat(z); }

ON_3fVector operator*(float d, const ON_3fVector& v) { return ON_3fVector(d * v.x, d * v.y, d * v.z); }

float ON_DotProduct(const ON_3fVector& a, const ON_3fVector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

ON_3fVector ON_CrossProduct(const ON_3fVector& a, const ON_3fVector& b)
{
  return ON_3fVector(a.y * b.z - b.y * a.z, a.z * b.x - b.z * a.x, a.x * b.y - b.x * a.y);
}
