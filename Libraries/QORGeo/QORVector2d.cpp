#include "QORVector2d.h"
#include "LastError.h"

#include <cmath>

ON_wString QORVector2d::GetError() { return Platform::LastError<QORVector2d, ON_wString>::Get(); }

void QORVector2d::SetError(const ON_wString& text) { Platform::LastError<QORVector2d, ON_wString>::Set(text); }

void QORVector2d::Unset(ON_2dVector& vector) { vector = ON_2dVector(ON_UNSET_VALUE, ON_UNSET_VALUE); }

int QORVector2d::Equal(const ON_2dVector& a, const ON_2dVector& b, double tolerance)
{
  return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance ? 1 : 0;
}

int QORVector2d::Equal(const ON_3dVector& a, const ON_3dVector& b, double tolerance)
{
  return Equal(ON_2dVector(a), ON_2dVector(b), tolerance);
}

double QORVector2d::Angle(ON_2dVector a, ON_2dVector b, int degrees)
{
  // The cosine of (anti)parallel vectors can round past 1 in size.
  double c = (a * b) / (a.Length() * b.Length());
  if (c < -1.0)
    c = -1.0;
  else if (c > 1.0)
    c = 1.0;
  const double angle = std::acos(c);
  return degrees ? angle * 180.0 / ON_PI : angle;
}

double QORVector2d::AngleWithXAxis(ON_2dVector vector, int degrees)
{
  double angle;
  if (vector.x != 0.0)
  {
    angle = std::atan2(vector.y, vector.x);
    if (angle < 0.0)
      angle += 2.0 * ON_PI;
    if (angle >= 2.0 * ON_PI)
      angle = 0.0;
  }
  else if (vector.y > 0.0)
    angle = 0.5 * ON_PI;
  else if (vector.y < 0.0)
    angle = 1.5 * ON_PI;
  else
    angle = 0.0;
  return degrees ? angle * 180.0 / ON_PI : angle;
}
