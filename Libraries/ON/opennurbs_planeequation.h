#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_3dvector.h"

// Implicit plane x*X + y*Y + z*Z + d = 0.
class ON_CLASS ON_PlaneEquation
{
public:
  double x = 0.0, y = 0.0, z = 0.0, d = 0.0;

  ON_PlaneEquation() = default;
  ON_PlaneEquation(double xx, double yy, double zz, double dd);

  // Plane through P with normal N; N is unitized unless its length is already 1 within
  // ON_ZERO_TOLERANCE. False when P or N is not valid or N is zero.
  bool Create(ON_3dPoint P, ON_3dVector N);
  bool IsValid() const;
  ON_3dVector UnitNormal() const;
  // Signed distance when the normal has unit length.
  double ValueAt(const ON_3dPoint& P) const;
};
