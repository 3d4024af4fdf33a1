#include "opennurbs_planeequation.h"

#include <cmath>

ON_PlaneEquation::ON_PlaneEquation(double xx, double yy, double zz, double dd) : x(xx), y(yy), z(zz), d(dd) {}

bool ON_PlaneEquation::Create(ON_3dPoint P, ON_3dVector N)
{
  if (!P.IsValid() || !N.IsValid())
    return false;
  if (std::fabs(1.0 - N.Length()) > ON_ZERO_TOLERANCE && !N.Unitize())
    return false;
  x = N.x;
  y = N.y;
  z = N.z;
  d = -(x * P.x + y * P.y + z * P.z);
  return true;
}

bool ON_PlaneEquation::IsValid() const
{
  return ON_IsValid(x) && ON_IsValid(y) && ON_IsValid(z) && ON_IsValid(d) && (x != 0.0 || y != 0.0 || z != 0.0);
}

ON_3dVector ON_PlaneEquation::UnitNormal() const { return ON_3dVector(x, y, z).UnitVector(); }

double ON_PlaneEquation::ValueAt(const ON_3dPoint& P) const { return x * P.x + y * P.y + z * P.z + d; }
