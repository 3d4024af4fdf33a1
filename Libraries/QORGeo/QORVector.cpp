#include "QORVector.h"
#include "LastError.h"

#include <cmath>

namespace
{

// acos with its argument clamped to [-1, 1]; NaN stays NaN.
double ClampedAcos(double c)
{
  if (c < -1.0)
    return ON_PI;
  if (c > 1.0)
    return 0.0;
  return std::acos(c);
}

} // namespace

ON_wString QORVector::GetError() { return Platform::LastError<QORVector, ON_wString>::Get(); }

void QORVector::SetError(const ON_wString& text) { Platform::LastError<QORVector, ON_wString>::Set(text); }

void QORVector::Unset(ON_3dVector& vector) { vector = ON_3dVector(ON_UNSET_VALUE, ON_UNSET_VALUE, ON_UNSET_VALUE); }

int QORVector::Equal(const ON_3dVector& a, const ON_3dVector& b, double tolerance)
{
  return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance && std::fabs(a.z - b.z) <= tolerance
             ? 1
             : 0;
}

double QORVector::Angle(const ON_3dVector& a, const ON_3dVector& b, int degrees)
{
  const double angle = ClampedAcos((a * b) / (a.Length() * b.Length()));
  return degrees ? angle * 180.0 / ON_PI : angle;
}

double QORVector::Angle(const ON_3dVector& a, const ON_3dVector& b, const ON_3dVector& reference, int degrees)
{
  const ON_3dVector normal = ON_CrossProduct(a, b);
  double angle;
  if (normal.IsZero())
    angle = (a * b) < 0.0 ? ON_PI : 0.0;
  else
  {
    angle = Angle(a, b, 0);
    if (Angle(normal, reference, 0) > 0.5 * ON_PI)
      angle = 2.0 * ON_PI - angle;
    if (angle >= 2.0 * ON_PI) // a turn too small for acos to see
      angle = 0.0;
  }
  return degrees ? angle * 180.0 / ON_PI : angle;
}

double QORVector::Angle(const ON_3dVector& a, const ON_3dVector& b)
{
  ON_3dVector ua = a, ub = b;
  ua.Unitize();
  ub.Unitize();
  return ClampedAcos(ua * ub);
}
